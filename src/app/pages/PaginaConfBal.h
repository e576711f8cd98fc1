#pragma once

#include <QWidget>

class QLabel;
class QStackedWidget;

namespace mvf {

class T_frmFerramentasMv;

// Scale loads: sub-page 0 holds the load settings, sub-page 1 the load generation. The settings
// part of the program fills both; the window only selects the sub-page and sets the last
// synchronisation line.
class PaginaConfBal : public QWidget {
    Q_OBJECT
public:
    explicit PaginaConfBal(T_frmFerramentasMv& janela, QWidget* parent = nullptr);

    QStackedWidget* _lytConfBal;
    QLabel* _lblUltimaSincFrente;

    void SelecionarSubPagina(int indice);
    int SubPaginaAtiva() const;
};

} // namespace mvf
