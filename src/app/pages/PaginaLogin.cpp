#include "app/pages/PaginaLogin.h"

#include "app/TMensageAnimada.h"
#include "app/ThreadUi.h"
#include "app/Trabalhadores.h"
#include "app/pages/EstiloPagina.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

namespace mvf {

namespace {

QLabel* legenda(const char* texto, QWidget* parent) {
    auto* l = new QLabel(QString::fromUtf8(texto), parent);
    l->setStyleSheet("font-weight: bold;");
    return l;
}

} // namespace

PaginaLogin::PaginaLogin(Trabalhadores& trabalhadores, QWidget* parent)
    : QWidget(parent), _edtLogin(new QLineEdit(this)), _edtSenha(new QLineEdit(this)),
      _chkLembrar(new QCheckBox("Lembrar", this)), _btnLogin(new QPushButton("Realizar login", this)),
      _btnEncerrar(new QPushButton(QString::fromUtf8("Encerrar sessão"), this)),
      _lblCarregando(new QLabel(this)), _imgLogo(CriarLogo(this)), trabalhadores_(trabalhadores) {
    setObjectName("_abaLogin");
    _edtLogin->setObjectName("_edtLogin");
    _edtLogin->setPlaceholderText(QString::fromUtf8("Úsuario"));
    _edtSenha->setObjectName("_edtSenha");
    _edtSenha->setPlaceholderText("Senha");
    _edtSenha->setEchoMode(QLineEdit::Password);
    QAction* revelar = _edtSenha->addAction(QIcon(), QLineEdit::TrailingPosition);
    revelar->setObjectName("_actRevelarSenha");
    revelar->setText(QString::fromUtf8("👁"));
    revelar->setToolTip("Mostrar senha");
    revelar->setCheckable(true);
    connect(revelar, &QAction::toggled, this, [this](bool mostrar) {
        _edtSenha->setEchoMode(mostrar ? QLineEdit::Normal : QLineEdit::Password);
    });
    _chkLembrar->setObjectName("_chkLembrar");
    // A focused button is pressed by Enter too, as the shop's keyboard users expect.
    _btnLogin->setObjectName("_btnLogin");
    _btnLogin->setAutoDefault(true);
    _btnEncerrar->setObjectName("_btnEncerrar");
    _btnEncerrar->setAutoDefault(true);
    _lblCarregando->setObjectName("_lblCarregando");
    _imgLogo->setObjectName("_imgLogo");
    // The logo takes the focus at show so that no box holds the caret.
    _imgLogo->setFocusPolicy(Qt::StrongFocus);

    auto* formulario = new QWidget(this);
    formulario->setMaximumWidth(420);
    auto* f = new QVBoxLayout(formulario);
    f->addWidget(_imgLogo);
    f->addWidget(new QLabel(QString::fromUtf8("Bem-vindo ao Marivelta ERP! 👋"), formulario));
    f->addWidget(new QLabel("Acessar minha conta", formulario));
    f->addWidget(new QLabel("Gerenciador de ferramentas do Marivelta-ERP", formulario));
    f->addWidget(legenda("Usuário", formulario));
    f->addWidget(_edtLogin);
    f->addWidget(legenda("SENHA", formulario));
    f->addWidget(_edtSenha);
    f->addWidget(_chkLembrar);
    f->addWidget(_btnLogin);
    f->addWidget(_btnEncerrar);
    f->addWidget(_lblCarregando);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(formulario, 0, Qt::AlignHCenter);
    layout->addStretch();

    _edtLogin->installEventFilter(this);
    _edtSenha->installEventFilter(this);
    connect(_btnLogin, &QPushButton::clicked, this, &PaginaLogin::_btnLoginClick);
    connect(_btnEncerrar, &QPushButton::clicked, this, &PaginaLogin::encerrarSolicitado);
}

void PaginaLogin::_btnLoginClick() {
    entrar();
}

void PaginaLogin::entrar() {
    if (_edtLogin->text().trimmed().isEmpty()) {
        TMensageAnimada::Show("", "Usúario não informado!", MsgBoxTypes::mabtErro);
        return;
    }
    if (_edtSenha->text().trimmed().isEmpty()) {
        TMensageAnimada::Show("", "Senha não informado!", MsgBoxTypes::mabtErro);
        return;
    }
    _lblCarregando->setText(QString::fromUtf8("Validando usúario..."));
    // The worker gets the texts as values; it touches no control itself.
    std::string login = _edtLogin->text().trimmed().toStdString();
    std::string senha = _edtSenha->text().trimmed().toStdString();
    ServicoLogin servico = servico_;
    trabalhadores_.Iniciar(
        [this, login, senha, servico] {
            std::string erro;
            if (!servico.RetornaUsuario || !servico.RetornaUsuario(login, senha, erro))
                throw std::runtime_error(erro);
            ExecutarNaThreadUi([this, servico] {
                if (servico.LembrarLogin)
                    servico.LembrarLogin(_chkLembrar->isChecked() ? "S" : "N");
                _lblCarregando->clear();
                emit loginValidado();
            });
        },
        [this](const std::optional<std::string>& erro) {
            _lblCarregando->clear();
            if (erro)
                TMensageAnimada::Show("", *erro, MsgBoxTypes::mabtErro);
        });
}

bool PaginaLogin::_EdtLoginKeyDown(int tecla) {
    if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter)
        return false;
    _edtSenha->setFocus(Qt::TabFocusReason);
    return true;
}

bool PaginaLogin::_EdtSenhaKeyDown(int tecla) {
    if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter)
        return false;
    // Only the focus moves; the login starts when the button is pressed.
    _btnLogin->setFocus(Qt::TabFocusReason);
    return true;
}

bool PaginaLogin::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (objeto == _edtLogin)
            return _EdtLoginKeyDown(tecla);
        if (objeto == _edtSenha)
            return _EdtSenhaKeyDown(tecla);
    }
    return QWidget::eventFilter(objeto, evento);
}

void PaginaLogin::PreencherLembrado(const std::string& login, const std::string& senha) {
    _edtLogin->setText(QString::fromStdString(login));
    _edtSenha->setText(QString::fromStdString(senha));
    _chkLembrar->setChecked(true);
}

void PaginaLogin::PrepararFoco() {
    _edtLogin->setTextMargins(5, 0, 0, 0);
    _edtSenha->setTextMargins(5, 0, 0, 0);
    _edtSenha->setFocus(Qt::OtherFocusReason);
    _edtLogin->setFocus(Qt::OtherFocusReason);
    _imgLogo->setFocus(Qt::OtherFocusReason);
}

} // namespace mvf
