#include "scale/Temporizador.h"

#include <chrono>

namespace mvf {

TemporizadorThread::~TemporizadorThread() {
    {
        std::lock_guard<std::mutex> lock(fMutex);
        fEncerrar = true;
        fHabilitado = false;
    }
    fMudou.notify_all();
    if (fThread.joinable())
        fThread.join();
}

void TemporizadorThread::setAoDisparar(std::function<void()> handler) {
    std::lock_guard<std::recursive_mutex> disparo(fDisparo);
    std::lock_guard<std::mutex> lock(fMutex);
    fHandler = std::move(handler);
}

void TemporizadorThread::setIntervalo(int milissegundos) {
    {
        std::lock_guard<std::mutex> lock(fMutex);
        fIntervalo = milissegundos < 0 ? 0 : milissegundos;
    }
    fMudou.notify_all();
}

int TemporizadorThread::Intervalo() const {
    std::lock_guard<std::mutex> lock(fMutex);
    return fIntervalo;
}

void TemporizadorThread::setHabilitado(bool habilitado) {
    // Holding the tick lock makes a disable wait for a tick in progress (a tick that disables
    // its own timer holds it already, the lock is recursive).
    std::lock_guard<std::recursive_mutex> disparo(fDisparo);
    {
        std::lock_guard<std::mutex> lock(fMutex);
        fHabilitado = habilitado;
        if (habilitado && !fThread.joinable())
            fThread = std::thread([this] { executar(); });
    }
    fMudou.notify_all();
}

bool TemporizadorThread::Habilitado() const {
    std::lock_guard<std::mutex> lock(fMutex);
    return fHabilitado;
}

void TemporizadorThread::executar() {
    std::unique_lock<std::mutex> lock(fMutex);
    while (!fEncerrar) {
        if (!fHabilitado || fIntervalo <= 0) {
            fMudou.wait(lock);
            continue;
        }
        auto prazo = std::chrono::steady_clock::now() + std::chrono::milliseconds(fIntervalo);
        if (fMudou.wait_until(lock, prazo) != std::cv_status::timeout)
            continue;
        if (!fHabilitado || fEncerrar)
            continue;
        lock.unlock();
        {
            std::lock_guard<std::recursive_mutex> disparo(fDisparo);
            std::function<void()> handler;
            {
                std::lock_guard<std::mutex> l(fMutex);
                if (fHabilitado)
                    handler = fHandler;
            }
            if (handler)
                handler();
        }
        lock.lock();
    }
}

} // namespace mvf
