#pragma once

namespace mvf {

// Whether the program may register its own start at log-on. Windows: the process token is
// elevated. Linux: the user's autostart folder is writable, which needs no elevation.
bool ExecutandoComoAdministrador();

// Starts the program again with administrative rights and ends this process with exit code 0.
// Throws std::runtime_error with the user's message when the request is refused or fails.
void ReiniciarComoAdministrador();

} // namespace mvf
