// Full catalogue synchronisation from erp-sim over HTTPS on loopback: 50,000 products, then
// a products-only fetch of a ~50 MB answer, the longest wait of a UI-like thread on the shared
// connection while products are stored (it includes the machine's scheduling delays), and the
// longest time one part of the bulk load kept the connection locked.
#include "core/DateTimeText.h"
#include "data/T_dmDados.h"
#include "data/TransacaoLote.h"
#include "data/Tutil.h"
#include "support/ErpSimProcesso.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double segundos(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

struct Pasta {
    std::filesystem::path caminho;
    explicit Pasta(const char* nome) : caminho(std::filesystem::temp_directory_path() / nome) {
        std::filesystem::remove_all(caminho);
        std::filesystem::create_directories(caminho);
    }
    ~Pasta() { std::filesystem::remove_all(caminho); }
};

double rodar(mvf::T_dmDados& dm, bool completa, double& esperaMaximaMs) {
    std::atomic<bool> fim{false};
    std::atomic<long long> maxEspera{0};
    std::thread ui([&] {
        while (!fim) {
            auto t0 = Clock::now();
            dm.ConfiguracaoInicial();
            long long us = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - t0).count();
            if (us > maxEspera)
                maxEspera = us;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    mvf::StatusDados status;
    mvf::TransacaoLote::zerarMaiorRetencao();
    auto t0 = Clock::now();
    if (completa) {
        dm.SincronizaDados(status);
        dm.ConcluirSincronizacao();
        dm.CarregarUsuarioLogado(); // as the finishing step does
    } else {
        std::string erro;
        if (!dm.GetDados("Produtos", status, erro))
            std::fprintf(stderr, "falhou: %s\n", erro.c_str());
    }
    double tempo = segundos(Clock::now() - t0);
    fim = true;
    ui.join();
    esperaMaximaMs = maxEspera / 1000.0;
    std::printf("  (maior tempo com o banco travado por uma parte da carga: %.1f ms)\n",
                mvf::TransacaoLote::maiorRetencao().count() / 1000.0);
    return tempo;
}

} // namespace

int main() {
    Pasta pasta("mvf-bench-sincronizacao");
    mvf::test::ErpSimProcesso sim(MVF_ERP_SIM, pasta.caminho / "cert", 50000);
    mvf::T_dmDados dm(pasta.caminho);
    dm.ConectarBanco();
    dm.erpConfig().baseUrl = sim.url();
    dm.erpConfig().caFile = sim.ca().string();
    dm.CarregarUsuarioLogado();
    std::string erro;
    if (!dm.RetornaUsuario("demo", "demo", erro)) {
        std::fprintf(stderr, "login: %s\n", erro.c_str());
        return 1;
    }

    double espera = 0;
    double completa = rodar(dm, true, espera);
    std::printf("sincronização completa, 50.000 produtos + cidades: %.2f s (espera máxima da UI: %.1f ms)\n",
                completa, espera);
    double repetida = rodar(dm, true, espera);
    std::printf("segunda sincronização (upsert de 50.000 produtos): %.2f s (espera máxima da UI: %.1f ms)\n",
                repetida, espera);

    mvf::ErpConfig controle;
    controle.baseUrl = sim.raiz();
    controle.caFile = sim.ca().string();
    mvf::ErpClient(controle).post("_controle/produtos?quantidade=150000", "{}", "");
    dm.RetornaUsuario("demo", "demo", erro);
    double grande = rodar(dm, false, espera);
    std::printf("produtos, resposta de ~50 MB (150.000 produtos): %.2f s (espera máxima da UI: %.1f ms)\n",
                grande, espera);
    return 0;
}
