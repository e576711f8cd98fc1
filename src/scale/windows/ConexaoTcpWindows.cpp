#include "scale/Conexao.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <mutex>

namespace mvf {

namespace {

// Winsock is started once for the life of the program.
void iniciarWinsock() {
    static std::once_flag feito;
    std::call_once(feito, [] {
        WSADATA dados;
        if (WSAStartup(MAKEWORD(2, 2), &dados) != 0)
            throw EDispositivo("Não foi possível iniciar a rede (Winsock)");
    });
}

std::string erroRede(int codigo) {
    return "erro de rede " + std::to_string(codigo);
}

class ConexaoTcpWindows : public Conexao {
public:
    ConexaoTcpWindows(const std::string& host, int porta, int timeoutMs)
        : fNome(host + ":" + std::to_string(porta)) {
        iniciarWinsock();
        addrinfo dica{};
        dica.ai_family = AF_UNSPEC;
        dica.ai_socktype = SOCK_STREAM;
        dica.ai_protocol = IPPROTO_TCP;
        addrinfo* lista = nullptr;
        const std::string servico = std::to_string(porta);
        if (getaddrinfo(host.c_str(), servico.c_str(), &dica, &lista) != 0)
            throw EDispositivo("Endereço não encontrado: " + host);
        std::string ultimoErro = "sem endereço";
        for (addrinfo* a = lista; a && fSocket == INVALID_SOCKET; a = a->ai_next) {
            SOCKET s = socket(a->ai_family, a->ai_socktype, a->ai_protocol);
            if (s == INVALID_SOCKET) {
                ultimoErro = erroRede(WSAGetLastError());
                continue;
            }
            if (conectar(s, a, timeoutMs, ultimoErro))
                fSocket = s;
            else
                closesocket(s);
        }
        freeaddrinfo(lista);
        if (fSocket == INVALID_SOCKET)
            throw EDispositivo("Não foi possível conectar em " + fNome + ": " + ultimoErro);
        BOOL um = TRUE;
        setsockopt(fSocket, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&um), sizeof um);
    }

    ~ConexaoTcpWindows() override {
        if (fSocket != INVALID_SOCKET)
            closesocket(fSocket);
    }

    void Enviar(const std::string& bytes) override {
        std::size_t enviados = 0;
        while (enviados < bytes.size()) {
            const int n =
                send(fSocket, bytes.data() + enviados, static_cast<int>(bytes.size() - enviados), 0);
            if (n > 0) {
                enviados += static_cast<std::size_t>(n);
                continue;
            }
            const int erro = WSAGetLastError();
            if (erro != WSAEWOULDBLOCK)
                throw EDispositivo("Erro ao enviar para " + fNome + ": " + erroRede(erro));
            fd_set escrita;
            FD_ZERO(&escrita);
            FD_SET(fSocket, &escrita);
            timeval espera{1, 0};
            if (select(0, nullptr, &escrita, nullptr, &espera) <= 0)
                throw EDispositivo("Não foi possível enviar para " + fNome);
        }
    }

    std::string LerDisponivel() override {
        std::string out;
        char buffer[1024];
        for (;;) {
            u_long pendentes = 0;
            if (ioctlsocket(fSocket, FIONREAD, &pendentes) != 0)
                throw EDispositivo("Erro ao ler de " + fNome + ": " + erroRede(WSAGetLastError()));
            if (pendentes == 0) {
                if (!out.empty() || !legivelAgora())
                    return out;
                // Readable with nothing pending: the other side closed the connection.
                const int n = recv(fSocket, buffer, sizeof buffer, 0);
                if (n <= 0)
                    throw EDispositivo("Conexão encerrada por " + fNome);
                out.append(buffer, static_cast<std::size_t>(n));
                continue;
            }
            const int n = recv(fSocket, buffer, sizeof buffer, 0);
            if (n <= 0)
                throw EDispositivo("Erro ao ler de " + fNome + ": " + erroRede(WSAGetLastError()));
            out.append(buffer, static_cast<std::size_t>(n));
        }
    }

    bool EsperarDados(int milissegundos) override {
        fd_set leitura;
        FD_ZERO(&leitura);
        FD_SET(fSocket, &leitura);
        timeval espera{milissegundos / 1000, (milissegundos % 1000) * 1000};
        const int r = select(0, &leitura, nullptr, nullptr, &espera);
        if (r == SOCKET_ERROR)
            throw EDispositivo("Erro ao aguardar dados de " + fNome + ": " + erroRede(WSAGetLastError()));
        return r > 0;
    }

    std::size_t BytesDisponiveis() override {
        u_long pendentes = 0;
        if (ioctlsocket(fSocket, FIONREAD, &pendentes) != 0)
            return 0;
        return pendentes;
    }

    void DescartarEntrada() override {
        char buffer[1024];
        u_long pendentes = 0;
        while (ioctlsocket(fSocket, FIONREAD, &pendentes) == 0 && pendentes > 0)
            if (recv(fSocket, buffer, sizeof buffer, 0) <= 0)
                break;
    }

private:
    bool legivelAgora() { return EsperarDados(0); }

    static bool conectar(SOCKET s, const addrinfo* a, int timeoutMs, std::string& erro) {
        u_long naoBloqueante = 1;
        ioctlsocket(s, FIONBIO, &naoBloqueante);
        if (connect(s, a->ai_addr, static_cast<int>(a->ai_addrlen)) != 0) {
            const int codigo = WSAGetLastError();
            if (codigo != WSAEWOULDBLOCK) {
                erro = erroRede(codigo);
                return false;
            }
            fd_set escrita, falha;
            FD_ZERO(&escrita);
            FD_ZERO(&falha);
            FD_SET(s, &escrita);
            FD_SET(s, &falha);
            timeval espera{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
            const int r = select(0, nullptr, &escrita, &falha, &espera);
            if (r == 0) {
                erro = "tempo esgotado";
                return false;
            }
            if (r < 0 || FD_ISSET(s, &falha)) {
                int soErro = 0;
                int tamanho = sizeof soErro;
                getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&soErro), &tamanho);
                erro = erroRede(soErro ? soErro : WSAGetLastError());
                return false;
            }
        }
        return true;
    }

    std::string fNome;
    SOCKET fSocket = INVALID_SOCKET;
};

} // namespace

std::unique_ptr<Conexao> AbrirConexaoTcp(const std::string& host, int porta, int timeoutMs) {
    return std::make_unique<ConexaoTcpWindows>(host, porta, timeoutMs);
}

} // namespace mvf
