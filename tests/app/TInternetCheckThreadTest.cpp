#include "app/loadtool/TInternetCheckThread.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <vector>

namespace mvf {

namespace {

// Counts the one-second sleeps instead of sleeping.
class RelogioFalso : public RelogioMonitor {
public:
    DateTime Agora() override { return DateTime{2026, 12, 11, 9, 5, 3}; }
    void DormirUmSegundo(const SinalParada&) override { ++dormidos; }
    std::atomic<long long> dormidos{0};
};

} // namespace

TEST(TInternetCheckThread, ChecksAtOnceThenEveryIntervalReadAfreshEachCycle) {
    auto relogio = std::make_shared<RelogioFalso>();
    std::vector<long long> verificacoes; // sleeps counted at each check
    std::vector<std::string> legendas;
    std::vector<int> intervalos = {3, 1, 2};
    std::size_t ciclo = 0;
    TInternetCheckThread* monitor = nullptr;
    std::promise<void> criado;
    std::shared_future<void> pronto = criado.get_future().share();

    DependenciasMonitor dep;
    dep.Relogio = relogio;
    dep.ProcessarProdutoApiBalanca = [&] {
        pronto.wait();
        verificacoes.push_back(relogio->dormidos.load());
        if (verificacoes.size() == 4)
            monitor->Terminate();
    };
    dep.MostrarUltimaVerificacao = [&](const std::string& texto) { legendas.push_back(texto); };
    dep.IntervaloMinutos = [&] { return intervalos[std::min(ciclo++, intervalos.size() - 1)]; };
    {
        TInternetCheckThread m(dep);
        monitor = &m;
        criado.set_value();
        m.WaitFor();
        EXPECT_TRUE(m.Finished());
    }
    EXPECT_EQ(verificacoes, (std::vector<long long>{0, 180, 240, 360}));
    ASSERT_EQ(legendas.size(), 3u) << "no caption once the stop was asked for";
    EXPECT_EQ(legendas[0], "Última verificação : 11/12/2026 09:05:03");
}

TEST(TInternetCheckThread, AnIntervalOfZeroOrLessMeansNoPause) {
    EXPECT_EQ(TInternetCheckThread::SegundosIntervalo(0), 0);
    EXPECT_EQ(TInternetCheckThread::SegundosIntervalo(-5), 0);
    EXPECT_EQ(TInternetCheckThread::SegundosIntervalo(3), 180);
    EXPECT_EQ(TInternetCheckThread::SegundosIntervalo(2147483647), 2147483647LL * 60);
}

TEST(TInternetCheckThread, ACycleThatFailsIsReportedAndTheLoopGoesOn) {
    auto relogio = std::make_shared<RelogioFalso>();
    std::vector<std::string> erros;
    int chamadas = 0;
    TInternetCheckThread* monitor = nullptr;
    std::promise<void> criado;
    std::shared_future<void> pronto = criado.get_future().share();
    DependenciasMonitor dep;
    dep.Relogio = relogio;
    dep.ProcessarProdutoApiBalanca = [&] {
        pronto.wait();
        if (++chamadas == 2)
            monitor->Terminate();
        throw std::runtime_error("sem threads");
    };
    dep.RegistrarErro = [&](const std::string& e) { erros.push_back(e); };
    dep.IntervaloMinutos = [] { return 1; };
    TInternetCheckThread m(dep);
    monitor = &m;
    criado.set_value();
    m.WaitFor();
    EXPECT_EQ(chamadas, 2);
    EXPECT_EQ(erros, (std::vector<std::string>{"sem threads", "sem threads"}));
}

TEST(TInternetCheckThread, StopsAtOnceInTheMiddleOfALongInterval) {
    std::promise<void> verificou;
    DependenciasMonitor dep; // the real clock: an hour of one-second sleeps
    dep.IntervaloMinutos = [] { return 60; };
    dep.MostrarUltimaVerificacao = [&, primeira = true](const std::string&) mutable {
        if (std::exchange(primeira, false))
            verificou.set_value();
    };
    auto monitor = std::make_unique<TInternetCheckThread>(dep);
    verificou.get_future().wait();
    monitor.reset(); // would take an hour if the sleep ignored the stop
    SUCCEED();
}

// The caption is handed to a "UI thread" (this test's thread) and waited for; stopping from that
// thread must keep serving it.
TEST(TInternetCheckThread, WaitingOnTheUiThreadServesThePendingHandOff) {
    std::mutex mutex;
    std::condition_variable cv;
    std::deque<std::function<void()>> fila;
    std::promise<void> emEspera;
    bool avisado = false;
    std::string mostrada;

    DependenciasMonitor dep;
    dep.Relogio = std::make_shared<RelogioFalso>();
    dep.IntervaloMinutos = [] { return 0; };
    dep.MostrarUltimaVerificacao = [&](const std::string& texto) {
        bool feito = false;
        std::unique_lock<std::mutex> lock(mutex);
        fila.push_back([&, texto] {
            mostrada = texto;
            feito = true;
        });
        if (!std::exchange(avisado, true))
            emEspera.set_value();
        cv.wait(lock, [&] { return feito; });
    };
    dep.ServirUi = [&] {
        std::unique_lock<std::mutex> lock(mutex);
        while (!fila.empty()) {
            auto passo = std::move(fila.front());
            fila.pop_front();
            passo();
        }
        cv.notify_all();
    };
    TInternetCheckThread m(dep);
    emEspera.get_future().wait(); // the monitor now waits for this thread
    m.Terminate();
    m.WaitFor();
    EXPECT_TRUE(m.Finished());
    EXPECT_EQ(mostrada, "Última verificação : 11/12/2026 09:05:03");
}

} // namespace mvf
