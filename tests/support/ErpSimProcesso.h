#pragma once

// Starts tools/erp-sim on a free loopback port with its own certificate folder, and stops it
// when the object goes away. Header-only so the benchmarks can use it too (POSIX only).

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <csignal>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mvf::test {

class ErpSimProcesso {
public:
    ErpSimProcesso(const std::string& executavel, const std::filesystem::path& pastaCertificado,
                   int produtos = 300) {
        int saida[2];
        if (::pipe(saida) != 0)
            throw std::runtime_error("pipe");
        std::vector<std::string> args = {executavel,
                                         "--port",
                                         "0",
                                         "--cert-dir",
                                         pastaCertificado.string(),
                                         "--produtos",
                                         std::to_string(produtos)};
        pid_ = ::fork();
        if (pid_ < 0)
            throw std::runtime_error("fork");
        if (pid_ == 0) {
            ::dup2(saida[1], STDOUT_FILENO);
            ::close(saida[0]);
            ::close(saida[1]);
            std::vector<char*> argv;
            for (auto& a : args)
                argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(saida[1]);
        std::string linha;
        pollfd p{saida[0], POLLIN, 0};
        char c;
        while (linha.find('\n') == std::string::npos && ::poll(&p, 1, 20000) > 0 &&
               ::read(saida[0], &c, 1) == 1)
            linha += c;
        ::close(saida[0]);
        if (linha.rfind("PORTA ", 0) != 0) {
            parar();
            throw std::runtime_error("erp-sim não iniciou: " + linha);
        }
        porta_ = std::stoi(linha.substr(6));
        ca_ = pastaCertificado / "ca.pem";
    }
    ~ErpSimProcesso() { parar(); }
    ErpSimProcesso(const ErpSimProcesso&) = delete;
    ErpSimProcesso& operator=(const ErpSimProcesso&) = delete;

    int porta() const { return porta_; }
    std::string raiz() const { return "https://127.0.0.1:" + std::to_string(porta_); }
    std::string url() const { return raiz() + "/api/mobilidade"; }
    const std::filesystem::path& ca() const { return ca_; }

    void parar() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL); // nothing to save; a slow answer must not hold the test
            int status = 0;
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
        }
    }

private:
    pid_t pid_ = -1;
    int porta_ = 0;
    std::filesystem::path ca_;
};

} // namespace mvf::test
