#include "scale/posix/VelocidadeLivre.h"

#if defined(__linux__)
// The kernel's own termios, kept apart from <termios.h>, which defines the same names.
#include <asm/termbits.h>
#include <sys/ioctl.h>
#endif

namespace mvf {

bool DefinirVelocidadeLivre(int fd, int baud) {
#if defined(__linux__) && defined(BOTHER)
    struct termios2 t {};
    if (::ioctl(fd, TCGETS2, &t) != 0)
        return false;
    t.c_cflag &= ~static_cast<tcflag_t>(CBAUD);
    t.c_cflag |= BOTHER;
    t.c_ispeed = static_cast<speed_t>(baud);
    t.c_ospeed = static_cast<speed_t>(baud);
    return ::ioctl(fd, TCSETS2, &t) == 0;
#else
    (void)fd;
    (void)baud;
    return false;
#endif
}

} // namespace mvf
