#include "platform/SingleInstance.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace mvf {

namespace {

constexpr int kEsperaResposta = 5000; // ms a second start waits for the running one to answer

class Descritor {
public:
    explicit Descritor(int fd = -1) : fd_(fd) {}
    ~Descritor() { fechar(); }
    Descritor(const Descritor&) = delete;
    Descritor& operator=(const Descritor&) = delete;
    Descritor(Descritor&& o) noexcept : fd_(o.fd_) { o.fd_ = -1; }
    Descritor& operator=(Descritor&& o) noexcept {
        if (this != &o) {
            fechar();
            fd_ = o.fd_;
            o.fd_ = -1;
        }
        return *this;
    }
    int get() const { return fd_; }
    bool valido() const { return fd_ >= 0; }
    void fechar() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

// The message as it travels: the same number Windows sends, as text.
const std::string& textoMensagem() {
    static const std::string texto = std::to_string(kMensagemInstancia) + "\n";
    return texto;
}

// An abstract-namespace address derived from the lock file, so it needs no file of its own, has
// no length limit from the folder's path and disappears with the process.
sockaddr_un enderecoPara(const std::filesystem::path& lock, socklen_t& tamanho) {
    std::uint64_t h = 1469598103934665603ULL;
    for (unsigned char c : lock.string()) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    char nome[80];
    std::snprintf(nome, sizeof nome, "mvf-%s-%016llx", kNomeMutexInstancia,
                  static_cast<unsigned long long>(h));
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::size_t n = std::strlen(nome);
    std::memcpy(addr.sun_path + 1, nome, n); // sun_path[0] stays 0: abstract name
    tamanho = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + n);
    return addr;
}

bool esperar(int fd, short eventos, int ms) {
    pollfd p{fd, eventos, 0};
    int r;
    do {
        r = ::poll(&p, 1, ms);
    } while (r < 0 && errno == EINTR);
    return r > 0 && (p.revents & eventos);
}

} // namespace

struct SingleInstance::Impl {
    std::filesystem::path lock;
    Descritor lockFd;
    bool outra = false;
    Descritor servidor;
    Descritor paraAcordar[2];
    std::thread escuta;
    std::function<void()> aoReceber;

    ~Impl() {
        if (escuta.joinable()) {
            char c = 'x';
            (void)!::write(paraAcordar[1].get(), &c, 1);
            escuta.join();
        }
    }

    void atender(int cliente) {
        std::string recebido;
        char buf[32];
        while (recebido.size() < textoMensagem().size() && esperar(cliente, POLLIN, kEsperaResposta)) {
            ssize_t n = ::read(cliente, buf, sizeof buf);
            if (n <= 0)
                break;
            recebido.append(buf, static_cast<std::size_t>(n));
        }
        if (recebido != textoMensagem())
            return;
        if (aoReceber)
            aoReceber();
        (void)!::send(cliente, "ok", 2, MSG_NOSIGNAL);
    }

    void laco() {
        for (;;) {
            pollfd p[2] = {{servidor.get(), POLLIN, 0}, {paraAcordar[0].get(), POLLIN, 0}};
            int r = ::poll(p, 2, -1);
            if (r < 0 && errno == EINTR)
                continue;
            if (r < 0 || (p[1].revents & POLLIN))
                return;
            if (p[0].revents & POLLIN) {
                Descritor cliente(::accept4(servidor.get(), nullptr, nullptr, SOCK_CLOEXEC));
                if (cliente.valido())
                    atender(cliente.get());
            }
        }
    }
};

SingleInstance::SingleInstance(const std::filesystem::path& pasta) : impl_(std::make_unique<Impl>()) {
    std::error_code ec;
    std::filesystem::path base = std::filesystem::weakly_canonical(pasta, ec);
    if (ec)
        base = pasta;
    impl_->lock = base / ".MainMarivelta.lock";
    impl_->lockFd = Descritor(::open(impl_->lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
    if (!impl_->lockFd.valido())
        return;
    if (::flock(impl_->lockFd.get(), LOCK_EX | LOCK_NB) != 0) {
        impl_->outra = (errno == EWOULDBLOCK);
        impl_->lockFd.fechar();
    }
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::outraEmExecucao() const {
    return impl_->outra;
}

bool SingleInstance::avisarInstanciaEmExecucao() {
    socklen_t tamanho = 0;
    sockaddr_un addr = enderecoPara(impl_->lock, tamanho);
    Descritor s(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!s.valido() || ::connect(s.get(), reinterpret_cast<sockaddr*>(&addr), tamanho) != 0)
        return false;
    const std::string& msg = textoMensagem();
    if (::send(s.get(), msg.data(), msg.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(msg.size()))
        return false;
    char resposta[2];
    std::size_t lidos = 0;
    while (lidos < sizeof resposta && esperar(s.get(), POLLIN, kEsperaResposta)) {
        ssize_t n = ::read(s.get(), resposta + lidos, sizeof resposta - lidos);
        if (n <= 0)
            break;
        lidos += static_cast<std::size_t>(n);
    }
    return lidos == sizeof resposta && std::memcmp(resposta, "ok", 2) == 0;
}

void SingleInstance::escutar(std::function<void()> aoReceber) {
    if (impl_->outra || impl_->escuta.joinable())
        return;
    impl_->aoReceber = std::move(aoReceber);
    socklen_t tamanho = 0;
    sockaddr_un addr = enderecoPara(impl_->lock, tamanho);
    Descritor s(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!s.valido() || ::bind(s.get(), reinterpret_cast<sockaddr*>(&addr), tamanho) != 0 ||
        ::listen(s.get(), 4) != 0)
        return;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return;
    impl_->paraAcordar[0] = Descritor(fds[0]);
    impl_->paraAcordar[1] = Descritor(fds[1]);
    impl_->servidor = std::move(s);
    impl_->escuta = std::thread([impl = impl_.get()] { impl->laco(); });
}

} // namespace mvf
