#include "app/loadtool/SegundoPlano.h"

#include "app/TMensageAnimada.h"
#include "app/T_frmFerramentasMv.h"
#include "app/loadtool/ControleCargaBalanca.h"
#include "app/pages/PaginaConfBal.h"
#include "platform/TarefaLogon.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QMenu>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindowStateChangeEvent>
#include <exception>

namespace mvf {

SegundoPlano& SegundoPlano::De(T_frmFerramentasMv& janela) {
    if (auto* existente = janela.findChild<SegundoPlano*>(QString(), Qt::FindDirectChildrenOnly))
        return *existente;
    return *new SegundoPlano(janela);
}

SegundoPlano::SegundoPlano(T_frmFerramentasMv& janela) : QObject(&janela), janela_(janela) {
    _tmrMinimizar = new QTimer(this);
    _tmrMinimizar->setObjectName("_tmrMinimizar");
    _tmrMinimizar->setInterval(100);
    _tmrMinimizar->setSingleShot(true);
    connect(_tmrMinimizar, &QTimer::timeout, this, &SegundoPlano::_tmrMinimizarTimer);

    pm1 = new QMenu(&janela);
    pm1->setObjectName("pm1");
    Abrir1 = pm1->addAction("Abrir");
    Abrir1->setObjectName("Abrir1");
    Encerrar1 = pm1->addAction("Encerrar");
    Encerrar1->setObjectName("Encerrar1");
    connect(Abrir1, &QAction::triggered, this, &SegundoPlano::trycn1Click);
    connect(Encerrar1, &QAction::triggered, &janela, &T_frmFerramentasMv::Encerrar1Click);

    QIcon icone = QApplication::windowIcon();
    if (icone.isNull())
        icone = janela.style()->standardIcon(QStyle::SP_ComputerIcon);
    trycn1 = new QSystemTrayIcon(icone, this);
    trycn1->setObjectName("trycn1");
    trycn1->setToolTip("Ferramenta Marivelta");
    trycn1->setContextMenu(pm1);
    trycn1->hide();
    connect(trycn1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason motivo) {
        if (motivo == QSystemTrayIcon::Trigger || motivo == QSystemTrayIcon::DoubleClick)
            trycn1Click();
    });

    TemAreaNotificacao = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    janela.installEventFilter(this);
}

void SegundoPlano::PrepararInicio() {
    janela_.setWindowOpacity(0.0);
    TutilTarefas::CriarRunBat(ControleCargaBalanca::PastaDoPrograma(),
                              QCoreApplication::applicationFilePath().toStdString());
    // Shown transparent now, so the timer's choice never flashes the window.
    janela_.showMaximized();
    _tmrMinimizar->start();
}

bool SegundoPlano::switchLigado() const {
    return janela_._abaConfBal->_swtchIniciaWin->isChecked();
}

void SegundoPlano::paraAreaNotificacao() {
    TMensageAnimada::Show("", "Ferramenta Marivelta ativo em segundo plano!", MsgBoxTypes::mabtOk);
    if (TemAreaNotificacao && TemAreaNotificacao()) {
        janela_.hide();
        janela_.setWindowState(janela_.windowState() | Qt::WindowMinimized);
        trycn1->show();
    } else {
        janela_.showMinimized();
    }
}

void SegundoPlano::_tmrMinimizarTimer() {
    _tmrMinimizar->stop();
    ControleCargaBalanca::De(janela_).CarregarConfiguracao();
    if (switchLigado())
        paraAreaNotificacao();
    else
        janela_.FnEncerrar = true;
    janela_.setWindowOpacity(1.0);
}

void SegundoPlano::trycn1Click() {
    trycn1->hide();
    janela_.setWindowOpacity(1.0);
    janela_.showMaximized();
    janela_.raise();
    janela_.activateWindow();
}

void SegundoPlano::aplctnvnts1Minimize() {
    if (switchLigado())
        paraAreaNotificacao();
}

void SegundoPlano::aplctnvnts1Restore() {
    if (!switchLigado())
        return;
    trycn1->hide();
    janela_.showMaximized();
    janela_.raise();
    janela_.activateWindow();
}

bool SegundoPlano::PodeFechar() {
    if (TemAreaNotificacao && TemAreaNotificacao()) {
        janela_.hide();
        janela_.setWindowState(janela_.windowState() | Qt::WindowMinimized);
        trycn1->show();
    } else {
        janela_.showMinimized();
    }
    return false;
}

bool SegundoPlano::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == &janela_ && evento->type() == QEvent::WindowStateChange) {
        auto* mudanca = static_cast<QWindowStateChangeEvent*>(evento);
        bool antes = mudanca->oldState() & Qt::WindowMinimized;
        bool agora = janela_.windowState() & Qt::WindowMinimized;
        // Only the user's minimising and restoring; the tray's own hiding sets the state too.
        if (!antes && agora && janela_.isVisible())
            QTimer::singleShot(0, this, [this] {
                if (janela_.isVisible() && (janela_.windowState() & Qt::WindowMinimized))
                    aplctnvnts1Minimize();
            });
        else if (antes && !agora && janela_.isVisible())
            aplctnvnts1Restore();
    }
    return QObject::eventFilter(objeto, evento);
}

} // namespace mvf
