#pragma once

namespace mvf {

// Sets a speed that has no termios constant (14400, 56000 ...) on an open serial port; false
// where the system cannot.
bool DefinirVelocidadeLivre(int fd, int baud);

} // namespace mvf
