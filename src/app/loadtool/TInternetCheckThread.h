#pragma once

#include "app/MonitorThread.h"
#include "app/loadtool/RelogioMonitor.h"
#include "app/loadtool/SinalParada.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace mvf {

// What the monitor loop calls. The caption hand-off runs on the UI thread and is waited for; the
// interval is read from a value the UI thread keeps current, never from the control itself.
struct DependenciasMonitor {
    // Starts one background product run unless one is under way; returns at once.
    std::function<void()> ProcessarProdutoApiBalanca;
    // Shows the "Última verificação : ..." caption (a blocking hand-off to the UI thread).
    std::function<void(const std::string& texto)> MostrarUltimaVerificacao;
    // The interval shown on the page at this moment, in minutes.
    std::function<int()> IntervaloMinutos;
    // A failure of a cycle (the loop goes on).
    std::function<void(const std::string& erro)> RegistrarErro;
    // Runs the UI thread's pending hand-offs while WaitFor() blocks the UI thread.
    std::function<void()> ServirUi;
    std::shared_ptr<RelogioMonitor> Relogio = std::make_shared<RelogioSistema>();
};

// The load monitor: from its creation on, one product check, the last-check caption, then the
// interval in one-second sleeps that end at once when it is asked to stop.
class TInternetCheckThread : public MonitorThread {
public:
    explicit TInternetCheckThread(DependenciasMonitor dependencias);
    // Asks the loop to end and waits for it.
    ~TInternetCheckThread() override;

    void Terminate() override;
    // Waits for the loop to end. On the UI thread it keeps serving the loop's hand-offs, so a
    // caption update under way cannot block the wait.
    void WaitFor() override;
    bool Terminated() const { return parada_.Sinalizado(); }
    bool Finished() const { return terminou_.load(); }

    static std::string TextoUltimaVerificacao(const DateTime& momento);
    // Whole seconds of an interval in minutes; none for 0 or less.
    static long long SegundosIntervalo(int minutos);

private:
    void Execute();

    DependenciasMonitor dep_;
    SinalParada parada_;
    SinalParada fim_;
    std::atomic<bool> terminou_{false};
    std::thread thread_;
};

} // namespace mvf
