#include "app/T_frmMessageBox.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace mvf {

T_frmMessageBox::T_frmMessageBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), _lblTitulo(new QLabel("Titulo")),
      _lblMessagem(new QLabel("Titulo TituloTitulo Titulo ")), cxButton1(new QPushButton("Confirma")),
      cxButton2(new QPushButton("Cancelar")), Image1(new QLabel(QString::fromUtf8("✕"))) {
    setObjectName("T_frmMessageBox");
    setModal(true);
    setFixedSize(533, 251);
    // A black form under a white layout: the black shows as a thin frame.
    setStyleSheet("#T_frmMessageBox { background: black; } #_pnlConteudo { background: white; }");

    auto* conteudo = new QWidget(this);
    conteudo->setObjectName("_pnlConteudo");
    conteudo->setAttribute(Qt::WA_StyledBackground);
    auto* externo = new QVBoxLayout(this);
    externo->setContentsMargins(1, 1, 1, 1);
    externo->addWidget(conteudo);

    Image1->setObjectName("Image1");
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setStyleSheet("font: 16px Tahoma; color: rgb(122,122,122);");
    Image1->installEventFilter(this);

    _lblTitulo->setObjectName("_lblTitulo");
    _lblTitulo->setAlignment(Qt::AlignCenter);
    _lblTitulo->setStyleSheet("font: bold 23px Tahoma;");

    _lblMessagem->setObjectName("_lblMessagem");
    _lblMessagem->setAlignment(Qt::AlignCenter);
    _lblMessagem->setWordWrap(true);
    _lblMessagem->setFixedHeight(63);
    _lblMessagem->setStyleSheet("font: 19px Tahoma; color: rgb(122,122,122);");

    for (QPushButton* b : {cxButton1, cxButton2}) {
        b->setFixedSize(150, 32);
        b->setStyleSheet("font: 13px Tahoma;");
        b->setAutoDefault(false);
    }
    cxButton1->setObjectName("cxButton1");
    cxButton2->setObjectName("cxButton2");
    connect(cxButton1, &QPushButton::clicked, this, &T_frmMessageBox::cxButton1Click);
    connect(cxButton2, &QPushButton::clicked, this, &T_frmMessageBox::cxButton2Click);

    auto* topo = new QHBoxLayout;
    topo->addStretch();
    topo->addWidget(Image1);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(cxButton1);
    botoes->addStretch();
    botoes->addWidget(cxButton2);
    auto* layout = new QVBoxLayout(conteudo);
    layout->setContentsMargins(20, 10, 20, 20);
    layout->addLayout(topo);
    layout->addWidget(_lblTitulo);
    layout->addWidget(_lblMessagem);
    layout->addStretch();
    layout->addLayout(botoes);
}

bool T_frmMessageBox::Confirmar(QWidget* owner, const QString& titulo, const QString& mensagem) {
    T_frmMessageBox dialogo(owner);
    dialogo._lblTitulo->setText(titulo);
    dialogo._lblMessagem->setText(mensagem);
    return dialogo.exec() == kConfirmado;
}

void T_frmMessageBox::cxButton1Click() {
    done(kConfirmado);
}
void T_frmMessageBox::cxButton2Click() {
    done(kCancelado);
}
void T_frmMessageBox::Image1Click() {
    done(kCancelado);
}

// Whatever closes the dialog without "Confirma" is a cancel.
void T_frmMessageBox::reject() {
    done(kCancelado);
}

void T_frmMessageBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        done(kCancelado);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool T_frmMessageBox::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == Image1 && evento->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        Image1Click();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void T_frmMessageBox::showEvent(QShowEvent* event) {
    if (QScreen* tela = QGuiApplication::primaryScreen()) {
        QRect area = tela->availableGeometry();
        move(area.center() - rect().center());
    }
    QDialog::showEvent(event);
}

} // namespace mvf
