#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace mvf {

// A stop request that a sleeping thread sees at once.
class SinalParada {
public:
    void Sinalizar();
    bool Sinalizado() const;
    // Waits up to the time given; true when the stop was requested (before or during the wait).
    bool Aguardar(std::chrono::milliseconds tempo) const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable cv_;
    bool sinalizado_ = false;
};

} // namespace mvf
