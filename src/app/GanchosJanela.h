#pragma once

#include <functional>

namespace mvf {

class T_frmFerramentasMv;

// Steps of the main window's life that other parts of the program provide. Each is optional; an
// empty one is skipped. They run on the UI thread.
struct GanchosJanela {
    // Creation, before anything else: fill the scale-model list of the integrated-scale page.
    std::function<void(T_frmFerramentasMv&)> PreencherModelosBalanca;
    // Creation, second step: make the window transparent, write the start-up batch file and start
    // the start-up timer that reveals the window or sends it to the tray. Without it the program
    // shows the window maximised at once.
    std::function<void(T_frmFerramentasMv&)> PrepararInicio;
    // The settings load: at the end of creation and again after every successful login. It may
    // set FInternetCheckThread.
    std::function<void(T_frmFerramentasMv&)> CarregarConfiguracao;
    // The close request while FnEncerrar is false: return false to refuse it (close to tray).
    // Without it the window closes.
    std::function<bool(T_frmFerramentasMv&)> PodeFechar;
};

// The program's own hooks, in one place so that each part adds its line here.
GanchosJanela GanchosDoPrograma();

} // namespace mvf
