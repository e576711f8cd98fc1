#include "app/loadtool/TInternetCheckThread.h"

#include <exception>

namespace mvf {

TInternetCheckThread::TInternetCheckThread(DependenciasMonitor dependencias) : dep_(std::move(dependencias)) {
    thread_ = std::thread([this] { Execute(); });
}

TInternetCheckThread::~TInternetCheckThread() {
    Terminate();
    WaitFor();
}

void TInternetCheckThread::Terminate() {
    parada_.Sinalizar();
}

void TInternetCheckThread::WaitFor() {
    if (!thread_.joinable())
        return;
    while (!terminou_.load()) {
        if (dep_.ServirUi)
            dep_.ServirUi();
        fim_.Aguardar(std::chrono::milliseconds(dep_.ServirUi ? 10 : 1000));
    }
    thread_.join();
}

std::string TInternetCheckThread::TextoUltimaVerificacao(const DateTime& momento) {
    return "Última verificação : " + dateTimeToDisplay(momento);
}

long long TInternetCheckThread::SegundosIntervalo(int minutos) {
    if (minutos <= 0)
        return 0;
    long long milissegundos = static_cast<long long>(minutos) * 60 * 1000;
    return milissegundos / 1000;
}

void TInternetCheckThread::Execute() {
    while (!parada_.Sinalizado()) {
        try {
            if (dep_.ProcessarProdutoApiBalanca)
                dep_.ProcessarProdutoApiBalanca();
            if (!parada_.Sinalizado() && dep_.MostrarUltimaVerificacao)
                dep_.MostrarUltimaVerificacao(TextoUltimaVerificacao(dep_.Relogio->Agora()));
        } catch (const std::exception& e) {
            if (dep_.RegistrarErro)
                dep_.RegistrarErro(e.what());
        } catch (...) {
            if (dep_.RegistrarErro)
                dep_.RegistrarErro("Erro desconhecido no monitoramento");
        }
        long long segundos = SegundosIntervalo(dep_.IntervaloMinutos ? dep_.IntervaloMinutos() : 0);
        for (long long i = 0; i < segundos && !parada_.Sinalizado(); ++i)
            dep_.Relogio->DormirUmSegundo(parada_);
    }
    terminou_.store(true);
    fim_.Sinalizar();
}

} // namespace mvf
