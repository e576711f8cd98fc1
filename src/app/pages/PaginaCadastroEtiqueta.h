#pragma once

#include <QWidget>

namespace mvf {

class T_frmFerramentasMv;

// Label templates; the labels part of the program fills it.
class PaginaCadastroEtiqueta : public QWidget {
    Q_OBJECT
public:
    explicit PaginaCadastroEtiqueta(T_frmFerramentasMv& janela, QWidget* parent = nullptr);

    // Prepares and refreshes the template list; called before the page is opened.
    void PrepararLista();
    // Hides the template-edit group; called each time the window is shown.
    void OcultarEdicao();
};

} // namespace mvf
