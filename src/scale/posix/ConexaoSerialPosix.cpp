#include "scale/Conexao.h"
#include "scale/posix/VelocidadeLivre.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace mvf {

namespace {

std::string erroSistema() {
    return std::strerror(errno);
}

// "COM1" is the first serial port of the machine.
std::string caminhoDoDispositivo(const std::string& nome, const std::string& caminho) {
    if (nome.size() > 3 && (nome[0] == 'C' || nome[0] == 'c') && (nome[1] == 'O' || nome[1] == 'o') &&
        (nome[2] == 'M' || nome[2] == 'm') && nome[0] != '/') {
        int numero = std::atoi(nome.c_str() + 3);
        if (numero >= 1)
            return "/dev/ttyS" + std::to_string(numero - 1);
    }
    return caminho;
}

speed_t velocidade(int baud) {
    switch (baud) {
    case 50:
        return B50;
    case 75:
        return B75;
    case 110:
        return B110;
    case 134:
        return B134;
    case 150:
        return B150;
    case 200:
        return B200;
    case 300:
        return B300;
    case 600:
        return B600;
    case 1200:
        return B1200;
    case 1800:
        return B1800;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    case 230400:
        return B230400;
    default:
        return 0;
    }
}

class ConexaoSerialPosix : public Conexao {
public:
    ConexaoSerialPosix(const std::string& nome, const std::string& caminho, const ConfiguracaoSerial& config)
        : fNome(nome) {
        const std::string arquivo = caminhoDoDispositivo(nome, caminho);
        fFd = ::open(arquivo.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fFd < 0)
            throw EDispositivo("Não foi possível abrir a porta " + nome + ": " + erroSistema());
        try {
            // Another program holding the port (or another reading of ours) must not share it.
            if (::flock(fFd, LOCK_EX | LOCK_NB) != 0)
                throw EDispositivo("A porta " + nome + " está em uso por outro programa");
            configurar(config);
        } catch (...) {
            ::close(fFd);
            throw;
        }
    }

    ~ConexaoSerialPosix() override {
        if (fFd >= 0)
            ::close(fFd);
    }

    bool Serial() const override { return true; }

    void Enviar(const std::string& bytes) override {
        std::size_t enviados = 0;
        while (enviados < bytes.size()) {
            ssize_t n = ::write(fFd, bytes.data() + enviados, bytes.size() - enviados);
            if (n > 0) {
                enviados += static_cast<std::size_t>(n);
            } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
                pollfd p{fFd, POLLOUT, 0};
                if (::poll(&p, 1, 1000) <= 0)
                    throw EDispositivo("Não foi possível enviar para a porta " + fNome);
            } else {
                throw EDispositivo("Erro ao enviar para a porta " + fNome + ": " + erroSistema());
            }
        }
    }

    std::string LerDisponivel() override {
        std::string out;
        char buffer[512];
        for (;;) {
            ssize_t n = ::read(fFd, buffer, sizeof buffer);
            if (n > 0) {
                out.append(buffer, static_cast<std::size_t>(n));
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            // EIO: the other side of a pseudo-terminal is gone, or the adapter was unplugged.
            if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && out.empty())
                throw EDispositivo("Erro ao ler da porta " + fNome + ": " + erroSistema());
            return out;
        }
    }

    bool EsperarDados(int milissegundos) override {
        pollfd p{fFd, POLLIN, 0};
        int r = ::poll(&p, 1, milissegundos);
        if (r < 0 && errno != EINTR)
            throw EDispositivo("Erro ao aguardar dados da porta " + fNome + ": " + erroSistema());
        if (r > 0 && (p.revents & POLLIN))
            return true;
        if (r > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)))
            throw EDispositivo("A porta " + fNome + " foi desconectada");
        return false;
    }

    std::size_t BytesDisponiveis() override {
        int n = 0;
        if (::ioctl(fFd, FIONREAD, &n) != 0 || n < 0)
            return 0;
        return static_cast<std::size_t>(n);
    }

    void DescartarEntrada() override {
        ::tcflush(fFd, TCIFLUSH);
        // A pseudo-terminal may keep bytes the flush did not reach.
        char buffer[512];
        while (::read(fFd, buffer, sizeof buffer) > 0) {
        }
    }

private:
    void configurar(const ConfiguracaoSerial& config) {
        termios t{};
        if (::tcgetattr(fFd, &t) != 0)
            throw EDispositivo("\"" + fNome + "\" não é uma porta serial: " + erroSistema());
        ::cfmakeraw(&t);
        const speed_t v = velocidade(config.Baud);
        if (config.Baud <= 0)
            throw EDispositivo("Velocidade inválida: " + std::to_string(config.Baud));
        ::cfsetispeed(&t, v ? v : B9600);
        ::cfsetospeed(&t, v ? v : B9600);
        t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
#ifdef CMSPAR
        t.c_cflag &= ~static_cast<tcflag_t>(CMSPAR);
#endif
        switch (config.Data) {
        case 5:
            t.c_cflag |= CS5;
            break;
        case 6:
            t.c_cflag |= CS6;
            break;
        case 7:
            t.c_cflag |= CS7;
            break;
        default:
            t.c_cflag |= CS8;
            break;
        }
        switch (config.Parity) {
        case TSerialParity::pOdd:
            t.c_cflag |= PARENB | PARODD;
            break;
        case TSerialParity::pEven:
            t.c_cflag |= PARENB;
            break;
#ifdef CMSPAR
        case TSerialParity::pMark:
            t.c_cflag |= PARENB | PARODD | CMSPAR;
            break;
        case TSerialParity::pSpace:
            t.c_cflag |= PARENB | CMSPAR;
            break;
#endif
        default:
            break;
        }
        // termios has no 1.5 stop bits; the UART gives 1.5 for 5 data bits when asked for 2.
        if (config.Stop != TSerialStop::s1)
            t.c_cflag |= CSTOPB;
        t.c_cflag |= CLOCAL | CREAD;
        t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
        if (config.SoftFlow || config.HandShake == THandShake::hsXON_XOFF)
            t.c_iflag |= IXON | IXOFF;
        if (config.HardFlow || config.HandShake == THandShake::hsRTS_CTS)
            t.c_cflag |= CRTSCTS;
        t.c_cc[VMIN] = 0;
        t.c_cc[VTIME] = 0;
        if (::tcsetattr(fFd, TCSANOW, &t) != 0)
            throw EDispositivo("Não foi possível configurar a porta " + fNome + ": " + erroSistema());
        if (v == 0 && !DefinirVelocidadeLivre(fFd, config.Baud))
            throw EDispositivo("Velocidade não suportada nesta porta: " + std::to_string(config.Baud));
        int linhas = 0;
        if (config.HandShake == THandShake::hsRTS_CTS)
            linhas = TIOCM_RTS;
        else if (config.HandShake == THandShake::hsDTR_DSR)
            linhas = TIOCM_DTR;
        if (linhas)
            ::ioctl(fFd, TIOCMBIS, &linhas); // pseudo-terminals have no modem lines
    }

    std::string fNome;
    int fFd = -1;
};

} // namespace

std::unique_ptr<Conexao> AbrirConexaoSerial(const std::string& nome, const std::string& caminho,
                                            const ConfiguracaoSerial& config) {
    return std::make_unique<ConexaoSerialPosix>(nome, caminho, config);
}

} // namespace mvf
