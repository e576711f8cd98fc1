#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace mvf {

// The confirmation asked before destructive actions: modal, borderless, centred on the desktop.
// Only "Confirma" gives kConfirmado; "Cancelar", the close image and Esc give kCancelado.
class T_frmMessageBox : public QDialog {
    Q_OBJECT
public:
    static constexpr int kConfirmado = 1;
    static constexpr int kCancelado = 2;

    explicit T_frmMessageBox(QWidget* owner = nullptr);

    QLabel* _lblTitulo;
    QLabel* _lblMessagem;
    QPushButton* cxButton1; // "Confirma"
    QPushButton* cxButton2; // "Cancelar"
    QLabel* Image1;         // the close image

    // Shows the dialog modally with the given texts; true only when the user confirmed.
    static bool Confirmar(QWidget* owner, const QString& titulo, const QString& mensagem);

    void cxButton1Click();
    void cxButton2Click();
    void Image1Click();

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* event) override;
};

} // namespace mvf
