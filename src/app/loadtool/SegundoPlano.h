#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QTimer;

namespace mvf {

class T_frmFerramentasMv;

// Running in the notification area: the window starts transparent, and about 100 ms later the
// start-up timer shows it or, with "Iniciar Junto com Windows" on, sends it to the tray icon
// ("Abrir", "Encerrar"). Minimising goes to the tray while the switch is on; closing does so
// while FnEncerrar, decided once at start, is false.
class SegundoPlano : public QObject {
    Q_OBJECT
public:
    static SegundoPlano& De(T_frmFerramentasMv& janela);
    explicit SegundoPlano(T_frmFerramentasMv& janela);

    // Window creation: transparent window, the start script beside the program, the timer.
    void PrepararInicio();
    // The close request while FnEncerrar is false: to the tray, close refused.
    bool PodeFechar();

    void _tmrMinimizarTimer();
    void trycn1Click();
    void aplctnvnts1Minimize();
    void aplctnvnts1Restore();

    QTimer* _tmrMinimizar;
    QSystemTrayIcon* trycn1;
    QMenu* pm1;
    QAction* Abrir1;
    QAction* Encerrar1;

    // Whether the system has a notification area; without one the window is minimised to the
    // taskbar instead of hidden, so it can always be reached. Tests may replace it.
    std::function<bool()> TemAreaNotificacao;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    bool switchLigado() const;
    void paraAreaNotificacao();

    T_frmFerramentasMv& janela_;
};

} // namespace mvf
