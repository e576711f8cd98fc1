#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mvf {

class T_frmFerramentasMv;

// Integrated-scale settings: model, port and serial settings, this computer's switch and "Salvar".
// The lists stand in the order of the device's enumerations, so an index is the stored ordinal.
class PaginaBalancaIntegrada : public QWidget {
    Q_OBJECT
public:
    explicit PaginaBalancaIntegrada(T_frmFerramentasMv& janela, QWidget* parent = nullptr);

    QComboBox* _cbbBalanca;
    QComboBox* _cbbPortaSerial;
    QComboBox* _cbbBaudRate;
    QComboBox* _cbbDataBits;
    QComboBox* _cbbParity;
    QComboBox* _cbbStopBits;
    QComboBox* _cbbHandshaking;
    QLineEdit* _edtTimeOut;
    QCheckBox* _cxcUsarBalanca;
    QLabel* _lbl11;
    QPushButton* _btnConfirmado4;

    // Fills _cbbBalanca with the scale model names in ordinal order and selects the first.
    void PreencherModelos();

signals:
    void salvarClicado(); // _btnConfirmado4
};

} // namespace mvf
