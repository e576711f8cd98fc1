#include "app/pages/PaginaCadastroEtiqueta.h"

#include "app/pages/EstiloPagina.h"

#include <QLabel>
#include <QVBoxLayout>

namespace mvf {

PaginaCadastroEtiqueta::PaginaCadastroEtiqueta(T_frmFerramentasMv&, QWidget* parent) : QWidget(parent) {
    setObjectName("_tabCadastroDeEtiqueta");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CriarTituloPagina("Cadastro de etiqueta", this));
    layout->addStretch();
}

void PaginaCadastroEtiqueta::PrepararLista() {}
void PaginaCadastroEtiqueta::OcultarEdicao() {}

} // namespace mvf
