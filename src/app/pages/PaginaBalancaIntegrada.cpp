#include "app/pages/PaginaBalancaIntegrada.h"

#include "app/pages/EstiloPagina.h"

#include <QLabel>
#include <QVBoxLayout>

namespace mvf {

PaginaBalancaIntegrada::PaginaBalancaIntegrada(T_frmFerramentasMv&, QWidget* parent) : QWidget(parent) {
    setObjectName("_cxtabBalancaIntegrada");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CriarTituloPagina("Configuração balança integrada", this));
    layout->addStretch();
}

} // namespace mvf
