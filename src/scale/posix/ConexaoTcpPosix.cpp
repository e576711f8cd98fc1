#include "scale/Conexao.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace mvf {

namespace {

class ConexaoTcpPosix : public Conexao {
public:
    ConexaoTcpPosix(const std::string& host, int porta, int timeoutMs)
        : fNome(host + ":" + std::to_string(porta)) {
        addrinfo dica{};
        dica.ai_family = AF_UNSPEC;
        dica.ai_socktype = SOCK_STREAM;
        addrinfo* lista = nullptr;
        const std::string servico = std::to_string(porta);
        if (int r = ::getaddrinfo(host.c_str(), servico.c_str(), &dica, &lista); r != 0)
            throw EDispositivo("Endereço não encontrado: " + host + " (" + ::gai_strerror(r) + ")");
        std::string ultimoErro = "sem endereço";
        for (addrinfo* a = lista; a && fFd < 0; a = a->ai_next) {
            int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
            if (fd < 0) {
                ultimoErro = std::strerror(errno);
                continue;
            }
            if (conectar(fd, a, timeoutMs, ultimoErro))
                fFd = fd;
            else
                ::close(fd);
        }
        ::freeaddrinfo(lista);
        if (fFd < 0)
            throw EDispositivo("Não foi possível conectar em " + fNome + ": " + ultimoErro);
        int um = 1;
        ::setsockopt(fFd, IPPROTO_TCP, TCP_NODELAY, &um, sizeof um);
    }

    ~ConexaoTcpPosix() override {
        if (fFd >= 0)
            ::close(fFd);
    }

    void Enviar(const std::string& bytes) override {
        std::size_t enviados = 0;
        while (enviados < bytes.size()) {
            ssize_t n = ::send(fFd, bytes.data() + enviados, bytes.size() - enviados, MSG_NOSIGNAL);
            if (n > 0) {
                enviados += static_cast<std::size_t>(n);
            } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
                pollfd p{fFd, POLLOUT, 0};
                if (::poll(&p, 1, 1000) <= 0)
                    throw EDispositivo("Não foi possível enviar para " + fNome);
            } else {
                throw EDispositivo("Erro ao enviar para " + fNome + ": " + std::strerror(errno));
            }
        }
    }

    std::string LerDisponivel() override {
        std::string out;
        char buffer[1024];
        for (;;) {
            ssize_t n = ::recv(fFd, buffer, sizeof buffer, 0);
            if (n > 0) {
                out.append(buffer, static_cast<std::size_t>(n));
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n == 0) {
                if (out.empty())
                    throw EDispositivo("Conexão encerrada por " + fNome);
                return out;
            }
            if (errno != EAGAIN && errno != EWOULDBLOCK && out.empty())
                throw EDispositivo("Erro ao ler de " + fNome + ": " + std::strerror(errno));
            return out;
        }
    }

    bool EsperarDados(int milissegundos) override {
        pollfd p{fFd, POLLIN, 0};
        int r = ::poll(&p, 1, milissegundos);
        if (r < 0 && errno != EINTR)
            throw EDispositivo("Erro ao aguardar dados de " + fNome + ": " + std::strerror(errno));
        return r > 0 && (p.revents & (POLLIN | POLLHUP | POLLERR));
    }

    std::size_t BytesDisponiveis() override {
        int n = 0;
        if (::ioctl(fFd, FIONREAD, &n) != 0 || n < 0)
            return 0;
        return static_cast<std::size_t>(n);
    }

    void DescartarEntrada() override {
        char buffer[1024];
        while (::recv(fFd, buffer, sizeof buffer, 0) > 0) {
        }
    }

private:
    static bool conectar(int fd, const addrinfo* a, int timeoutMs, std::string& erro) {
        if (::connect(fd, a->ai_addr, a->ai_addrlen) == 0)
            return true;
        if (errno != EINPROGRESS) {
            erro = std::strerror(errno);
            return false;
        }
        pollfd p{fd, POLLOUT, 0};
        int r = ::poll(&p, 1, timeoutMs);
        if (r == 0) {
            erro = "tempo esgotado";
            return false;
        }
        int soErro = 0;
        socklen_t tamanho = sizeof soErro;
        if (r < 0 || ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &soErro, &tamanho) != 0 || soErro != 0) {
            erro = std::strerror(soErro ? soErro : errno);
            return false;
        }
        return true;
    }

    std::string fNome;
    int fFd = -1;
};

} // namespace

std::unique_ptr<Conexao> AbrirConexaoTcp(const std::string& host, int porta, int timeoutMs) {
    return std::make_unique<ConexaoTcpPosix>(host, porta, timeoutMs);
}

} // namespace mvf
