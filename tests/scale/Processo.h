#pragma once

#ifndef _WIN32

#include <csignal>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace mvf::test {

// A helper program started for a test: its first output line is read, and it is stopped when
// the object goes away.
class Processo {
public:
    explicit Processo(const std::vector<std::string>& argumentos) {
        int canal[2];
        if (::pipe(canal) != 0)
            throw std::runtime_error("pipe");
        fPid = ::fork();
        if (fPid == 0) {
            ::dup2(canal[1], STDOUT_FILENO);
            ::close(canal[0]);
            ::close(canal[1]);
            std::vector<char*> argv;
            for (const auto& a : argumentos)
                argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(canal[1]);
        fSaida = ::fdopen(canal[0], "r");
        char linha[512] = {};
        if (!std::fgets(linha, sizeof linha, fSaida))
            throw std::runtime_error("o simulador não respondeu: " + argumentos[0]);
        fPrimeiraLinha = linha;
        while (!fPrimeiraLinha.empty() && (fPrimeiraLinha.back() == '\n' || fPrimeiraLinha.back() == '\r'))
            fPrimeiraLinha.pop_back();
    }
    ~Processo() {
        ::kill(fPid, SIGTERM);
        int status = 0;
        ::waitpid(fPid, &status, 0);
        if (fSaida)
            std::fclose(fSaida);
    }
    Processo(const Processo&) = delete;
    Processo& operator=(const Processo&) = delete;

    const std::string& PrimeiraLinha() const { return fPrimeiraLinha; }

private:
    pid_t fPid = -1;
    std::FILE* fSaida = nullptr;
    std::string fPrimeiraLinha;
};

// Runs a command and returns its output and exit code.
inline std::pair<std::string, int> Executar(const std::string& comando) {
    std::FILE* p = ::popen(comando.c_str(), "r");
    std::string saida;
    char buffer[512];
    while (p && std::fgets(buffer, sizeof buffer, p))
        saida += buffer;
    const int status = p ? ::pclose(p) : -1;
    return {saida, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

} // namespace mvf::test

#endif
