#include "app/pages/PaginaImprimirEtiqueta.h"

#include "app/pages/EstiloPagina.h"

#include <QLabel>
#include <QVBoxLayout>

namespace mvf {

PaginaImprimirEtiqueta::PaginaImprimirEtiqueta(T_frmFerramentasMv&, QWidget* parent) : QWidget(parent) {
    setObjectName("_tabImprimirEtiqueta");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CriarTituloPagina("Imprimir Etiqueta", this));
    layout->addStretch();
}

void PaginaImprimirEtiqueta::ListarProdutos() {}

} // namespace mvf
