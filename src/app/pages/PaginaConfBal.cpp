#include "app/pages/PaginaConfBal.h"

#include "app/pages/EstiloPagina.h"

#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace mvf {

PaginaConfBal::PaginaConfBal(T_frmFerramentasMv&, QWidget* parent)
    : QWidget(parent), _lytConfBal(new QStackedWidget(this)), _lblUltimaSincFrente(new QLabel(this)) {
    setObjectName("_abaConfBal");
    _lytConfBal->setObjectName("_lytConfBal");
    _lblUltimaSincFrente->setObjectName("_lblUltimaSincFrente");

    auto* configuracao = new QWidget;
    auto* l0 = new QVBoxLayout(configuracao);
    l0->addWidget(CriarTituloPagina("Configuração de balança", configuracao));
    l0->addStretch();
    auto* geracao = new QWidget;
    auto* l1 = new QVBoxLayout(geracao);
    l1->addWidget(CriarTituloPagina("Carga balança", geracao));
    l1->addWidget(_lblUltimaSincFrente);
    l1->addStretch();
    _lytConfBal->addWidget(configuracao);
    _lytConfBal->addWidget(geracao);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(_lytConfBal);
}

void PaginaConfBal::SelecionarSubPagina(int indice) {
    _lytConfBal->setCurrentIndex(indice);
}
int PaginaConfBal::SubPaginaAtiva() const {
    return _lytConfBal->currentIndex();
}

} // namespace mvf
