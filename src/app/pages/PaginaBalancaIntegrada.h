#pragma once

#include <QWidget>

namespace mvf {

class T_frmFerramentasMv;

// Integrated-scale settings; the settings part of the program fills it.
class PaginaBalancaIntegrada : public QWidget {
    Q_OBJECT
public:
    explicit PaginaBalancaIntegrada(T_frmFerramentasMv& janela, QWidget* parent = nullptr);
};

} // namespace mvf
