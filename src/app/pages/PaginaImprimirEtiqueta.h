#pragma once

#include <QWidget>

namespace mvf {

class T_frmFerramentasMv;

// The label print list; the labels part of the program fills it.
class PaginaImprimirEtiqueta : public QWidget {
    Q_OBJECT
public:
    explicit PaginaImprimirEtiqueta(T_frmFerramentasMv& janela, QWidget* parent = nullptr);

    // Refreshes the product list; called each time the page is opened from the navigation pane.
    void ListarProdutos();
};

} // namespace mvf
