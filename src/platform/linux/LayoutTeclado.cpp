#include "platform/PlanoTeclas.h"

namespace mvf {

// Typing on Linux desktops goes through X11 key symbols, not a Windows-style layout.
std::unique_ptr<LayoutTeclado> LayoutDoSistema() {
    return nullptr;
}

} // namespace mvf
