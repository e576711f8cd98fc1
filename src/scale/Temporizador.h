#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace mvf {

// A repeating tick for monitoring a scale. A host supplies the one that fits its event loop;
// TemporizadorThread serves programs without one.
class Temporizador {
public:
    virtual ~Temporizador() = default;
    virtual void setAoDisparar(std::function<void()> handler) = 0;
    virtual void setIntervalo(int milissegundos) = 0;
    virtual int Intervalo() const = 0;
    virtual void setHabilitado(bool habilitado) = 0;
    virtual bool Habilitado() const = 0;
};

// Ticks on a thread of its own, started the first time it is enabled. Disabling it from another
// thread waits for a tick in progress to end.
class TemporizadorThread : public Temporizador {
public:
    TemporizadorThread() = default;
    ~TemporizadorThread() override;

    void setAoDisparar(std::function<void()> handler) override;
    void setIntervalo(int milissegundos) override;
    int Intervalo() const override;
    void setHabilitado(bool habilitado) override;
    bool Habilitado() const override;

private:
    void executar();

    mutable std::mutex fMutex;
    std::condition_variable fMudou;
    std::recursive_mutex fDisparo;
    std::function<void()> fHandler;
    int fIntervalo = 1000;
    bool fHabilitado = false;
    bool fEncerrar = false;
    std::thread fThread;
};

} // namespace mvf
