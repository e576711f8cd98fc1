#pragma once

#include <QWidget>
#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mvf {

class Trabalhadores;

// What a login needs from the data layer; tests put stand-ins here.
struct ServicoLogin {
    // The ERP login: true when accepted and stored, false with the user message in `erro`.
    std::function<bool(const std::string& login, const std::string& senha, std::string& erro)> RetornaUsuario;
    // Stores whether the login page is filled in at the next start ("S" or "N").
    std::function<void(const std::string& status)> LembrarLogin;
};

// The login page: the two boxes, "Lembrar", the login and end buttons, and the login flow, which
// validates the user on a worker thread and reports success through loginValidado().
class PaginaLogin : public QWidget {
    Q_OBJECT
public:
    PaginaLogin(Trabalhadores& trabalhadores, QWidget* parent = nullptr);

    void setServico(ServicoLogin servico) { servico_ = std::move(servico); }

    QLineEdit* _edtLogin;
    QLineEdit* _edtSenha;
    QCheckBox* _chkLembrar;
    QPushButton* _btnLogin;
    QPushButton* _btnEncerrar;
    QLabel* _lblCarregando;
    QLabel* _imgLogo;

    void _btnLoginClick();
    // Starts a login with the boxes' texts; each call is an independent validation.
    void entrar();
    // Enter in the user box goes to the password box; in the password box, to the login button.
    bool _EdtLoginKeyDown(int tecla);
    bool _EdtSenhaKeyDown(int tecla);

    // Fills the boxes with stored credentials and ticks "Lembrar".
    void PreencherLembrado(const std::string& login, const std::string& senha);
    // Inner margin of the boxes and the focus moves that leave no box holding the caret.
    void PrepararFoco();

signals:
    // On the UI thread while the login worker waits: the user was accepted and "Lembrar" stored.
    void loginValidado();
    void encerrarSolicitado();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    Trabalhadores& trabalhadores_;
    ServicoLogin servico_;
};

} // namespace mvf
