// Time from LePeso to its result against scale-sim on loopback, without the pauses the protocol
// prescribes: what the program itself adds to a reading. Target: under 5 ms per reading.
//
//   bench_scale [readings]     (scale-sim is looked up beside this build: tools/scale-sim/scale-sim)
#ifdef _WIN32
#include <cstdio>
int main() {
    std::puts("bench_scale: mede contra o scale-sim, que roda no Linux");
    return 0;
}
#else
#include "scale/Relogio.h"
#include "scale/TBalanca.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// The machine's clock, counting the time spent in prescribed pauses.
class RelogioMedido : public mvf::Relogio {
public:
    std::int64_t AgoraMs() override { return mvf::RelogioReal().AgoraMs(); }
    void Dormir(int ms) override {
        const auto inicio = std::chrono::steady_clock::now();
        mvf::RelogioReal().Dormir(ms);
        pausas += std::chrono::steady_clock::now() - inicio;
    }
    std::chrono::system_clock::time_point Hora() override { return std::chrono::system_clock::now(); }
    std::chrono::steady_clock::duration pausas{};
};

struct Simulador {
    pid_t pid = -1;
    std::string endereco;
    Simulador(const std::string& programa, const std::vector<std::string>& args) {
        int canal[2];
        if (::pipe(canal) != 0)
            return;
        pid = ::fork();
        if (pid == 0) {
            ::dup2(canal[1], STDOUT_FILENO);
            std::vector<char*> argv{const_cast<char*>(programa.c_str())};
            for (const auto& a : args)
                argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(programa.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(canal[1]);
        char c;
        while (::read(canal[0], &c, 1) == 1 && c != '\n')
            endereco += c;
        ::close(canal[0]);
    }
    ~Simulador() {
        if (pid > 0) {
            ::kill(pid, SIGTERM);
            ::waitpid(pid, nullptr, 0);
        }
    }
};

void medir(const std::string& sim, const char* rotulo, const char* modelo, mvf::TBalancaModelo m, bool pty,
           bool manterAberta, int leituras) {
    std::vector<std::string> args{"--modelo", modelo, "--peso", "1.250"};
    if (pty) {
        args.push_back("--pty");
    } else {
        args.push_back("--tcp");
        args.push_back("127.0.0.1:0");
    }
    Simulador s(sim, args);
    if (s.endereco.empty()) {
        std::printf("%s: scale-sim não iniciou\n", rotulo);
        return;
    }
    RelogioMedido relogio;
    mvf::TBalanca balanca(nullptr, &relogio);
    balanca.setModelo(m);
    balanca.setPorta(s.endereco);
    if (manterAberta)
        balanca.Ativar();
    std::vector<double> custos;
    int erros = 0;
    for (int i = 0; i < leituras; ++i) {
        relogio.pausas = {};
        const auto inicio = std::chrono::steady_clock::now();
        const double peso = balanca.LePeso(3000);
        const auto total = std::chrono::steady_clock::now() - inicio;
        if (peso != 1.25)
            ++erros;
        custos.push_back(std::chrono::duration<double, std::milli>(total - relogio.pausas).count());
    }
    std::sort(custos.begin(), custos.end());
    double soma = 0;
    for (double c : custos)
        soma += c;
    std::printf(
        "%-34s leituras %3d  média %6.3f ms  mediana %6.3f ms  p95 %6.3f ms  máx %6.3f ms  erros %d\n",
        rotulo, leituras, soma / custos.size(), custos[custos.size() / 2],
        custos[std::min(custos.size() - 1, custos.size() * 95 / 100)], custos.back(), erros);
}

} // namespace

int main(int argc, char** argv) {
    const int leituras = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    namespace fs = std::filesystem;
    const fs::path aqui = fs::read_symlink("/proc/self/exe").parent_path();
    const std::string sim = (aqui.parent_path() / "tools" / "scale-sim" / "scale-sim").string();
    if (!fs::exists(sim)) {
        std::printf("scale-sim não encontrado em %s (cmake --build ... --target scale-sim)\n", sim.c_str());
        return 1;
    }
    using M = mvf::TBalancaModelo;
    medir(sim, "Toledo TCP, porta aberta", "balToledo", M::balToledo, false, true, leituras);
    medir(sim, "Toledo TCP, abre e fecha", "balToledo", M::balToledo, false, false, leituras);
    medir(sim, "Toledo 2180 TCP (5 quadros)", "balToledo2180", M::balToledo2180, false, true, leituras);
    medir(sim, "Toledo pty, abre e fecha", "balToledo", M::balToledo, true, false, leituras);
    medir(sim, "Filizola TCP (ciclo repetido)", "balFilizola", M::balFilizola, false, true, leituras);
    return 0;
}

#endif
