#include "ServidorSimulador.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace mvf::sim {

namespace {

using Relogio = std::chrono::steady_clock;

void dormir(int ms) {
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool escreverTudo(int fd, const std::string& bytes, bool socket) {
    std::size_t feito = 0;
    while (feito < bytes.size()) {
        ssize_t n = socket ? ::send(fd, bytes.data() + feito, bytes.size() - feito, MSG_NOSIGNAL)
                           : ::write(fd, bytes.data() + feito, bytes.size() - feito);
        if (n > 0) {
            feito += static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{fd, POLLOUT, 0};
            if (::poll(&p, 1, 1000) <= 0)
                return false;
        } else {
            return false;
        }
    }
    return true;
}

// One peer of the simulated scale: collects what the program sends and answers each request.
class Sessao {
public:
    Sessao(const Configuracao& c, Roteiro& r, int fd, bool socket)
        : fConfig(c), fRoteiro(r), fFd(fd), fSocket(socket) {
        fPedido = PedidoDoModelo(c.modelo);
    }

    bool TransmiteSozinho() const { return fPedido.empty(); }

    // New bytes from the program; false when the peer went away.
    bool Recebidos(const std::string& bytes) {
        if (TransmiteSozinho())
            return true;
        fEntrada += bytes;
        std::size_t achado;
        while ((achado = fEntrada.find(fPedido)) != std::string::npos) {
            fEntrada.erase(0, achado + fPedido.size());
            if (!Responder())
                return false;
        }
        if (fEntrada.size() > 4096)
            fEntrada.erase(0, fEntrada.size() - 64);
        return true;
    }

    bool Responder() {
        const Passo& passo = fRoteiro.Proximo();
        const std::string bytes = RespostaDoModelo(fConfig.modelo, passo, fConfig.decimal);
        dormir(fConfig.atrasoMs);
        if (bytes.empty())
            return true;
        if (!passo.partido || bytes.size() < 2)
            return escreverTudo(fFd, bytes, fSocket);
        const std::size_t meio = bytes.size() / 2;
        if (!escreverTudo(fFd, bytes.substr(0, meio), fSocket))
            return false;
        dormir(fConfig.pausaPartidoMs);
        return escreverTudo(fFd, bytes.substr(meio), fSocket);
    }

private:
    const Configuracao& fConfig;
    Roteiro& fRoteiro;
    int fFd;
    bool fSocket;
    std::string fPedido;
    std::string fEntrada;
};

} // namespace

int ServirTcp(const Configuracao& config, const std::string& host, int porta,
              void (*pronto)(const std::string&), std::atomic<bool>& parar) {
    addrinfo dica{};
    dica.ai_family = AF_UNSPEC;
    dica.ai_socktype = SOCK_STREAM;
    dica.ai_flags = AI_PASSIVE;
    addrinfo* lista = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(porta).c_str(), &dica, &lista) != 0 || !lista) {
        std::cerr << "scale-sim: endereço inválido: " << host << "\n";
        return 1;
    }
    int servidor = ::socket(lista->ai_family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int um = 1;
    ::setsockopt(servidor, SOL_SOCKET, SO_REUSEADDR, &um, sizeof um);
    if (servidor < 0 || ::bind(servidor, lista->ai_addr, lista->ai_addrlen) != 0 ||
        ::listen(servidor, 8) != 0) {
        std::cerr << "scale-sim: não foi possível escutar em " << host << ":" << porta << ": "
                  << std::strerror(errno) << "\n";
        ::freeaddrinfo(lista);
        return 1;
    }
    ::freeaddrinfo(lista);
    sockaddr_storage endereco{};
    socklen_t tamanho = sizeof endereco;
    ::getsockname(servidor, reinterpret_cast<sockaddr*>(&endereco), &tamanho);
    const int portaReal = endereco.ss_family == AF_INET6
                              ? ntohs(reinterpret_cast<sockaddr_in6*>(&endereco)->sin6_port)
                              : ntohs(reinterpret_cast<sockaddr_in*>(&endereco)->sin_port);
    pronto("TCP:" + host + ":" + std::to_string(portaReal));

    Roteiro roteiro(config.passos);
    struct Cliente {
        int fd;
        Sessao sessao;
        Relogio::time_point proximoEnvio;
    };
    std::vector<std::unique_ptr<Cliente>> clientes;
    while (!parar) {
        std::vector<pollfd> fds{{servidor, POLLIN, 0}};
        for (auto& c : clientes)
            fds.push_back({c->fd, POLLIN, 0});
        ::poll(fds.data(), fds.size(), 10);
        if (fds[0].revents & POLLIN) {
            int fd = ::accept4(servidor, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd >= 0) {
                ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &um, sizeof um);
                clientes.push_back(std::make_unique<Cliente>(
                    Cliente{fd, Sessao(config, roteiro, fd, true), Relogio::now()}));
            }
        }
        std::vector<int> fechar;
        for (std::size_t i = 0; i < clientes.size(); ++i) {
            Cliente& c = *clientes[i];
            bool vivo = true;
            if (fds[i + 1].revents & (POLLIN | POLLHUP | POLLERR)) {
                char buffer[1024];
                ssize_t n = ::recv(c.fd, buffer, sizeof buffer, 0);
                vivo = n > 0 && c.sessao.Recebidos(std::string(buffer, static_cast<std::size_t>(n)));
            }
            if (vivo && c.sessao.TransmiteSozinho() && Relogio::now() >= c.proximoEnvio) {
                vivo = c.sessao.Responder();
                c.proximoEnvio = Relogio::now() + std::chrono::milliseconds(config.intervaloMs);
            }
            if (!vivo)
                fechar.push_back(static_cast<int>(i));
        }
        for (auto it = fechar.rbegin(); it != fechar.rend(); ++it) {
            ::close(clientes[static_cast<std::size_t>(*it)]->fd);
            clientes.erase(clientes.begin() + *it);
        }
    }
    for (auto& c : clientes)
        ::close(c->fd);
    ::close(servidor);
    return 0;
}

int ServirPty(const Configuracao& config, void (*pronto)(const std::string&), std::atomic<bool>& parar) {
    int mestre = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (mestre < 0 || ::grantpt(mestre) != 0 || ::unlockpt(mestre) != 0) {
        std::cerr << "scale-sim: não foi possível criar o pseudo-terminal: " << std::strerror(errno) << "\n";
        return 1;
    }
    const std::string caminho = ::ptsname(mestre);
    // Holding the serial side open keeps its raw settings between the program's readings, and
    // shows how much of what we sent is still unread.
    int escravo = ::open(caminho.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios t{};
    ::tcgetattr(escravo, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(escravo, TCSANOW, &t);
    ::fcntl(mestre, F_SETFL, ::fcntl(mestre, F_GETFL) | O_NONBLOCK);
    pronto(caminho);

    Roteiro roteiro(config.passos);
    Sessao sessao(config, roteiro, mestre, false);
    auto proximoEnvio = Relogio::now();
    while (!parar) {
        pollfd p{mestre, POLLIN, 0};
        ::poll(&p, 1, 10);
        if (p.revents & POLLIN) {
            char buffer[1024];
            ssize_t n = ::read(mestre, buffer, sizeof buffer);
            if (n > 0)
                sessao.Recebidos(std::string(buffer, static_cast<std::size_t>(n)));
        }
        if (sessao.TransmiteSozinho() && Relogio::now() >= proximoEnvio) {
            // Only a fresh frame when the last one was read, so a reading never sees old weights.
            int naoLidos = 0;
            ::ioctl(escravo, FIONREAD, &naoLidos);
            if (naoLidos == 0)
                sessao.Responder();
            proximoEnvio = Relogio::now() + std::chrono::milliseconds(config.intervaloMs);
        }
    }
    ::close(escravo);
    ::close(mestre);
    return 0;
}

} // namespace mvf::sim
