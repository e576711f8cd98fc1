#include "app/loadtool/SinalParada.h"

namespace mvf {

void SinalParada::Sinalizar() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        sinalizado_ = true;
    }
    cv_.notify_all();
}

bool SinalParada::Sinalizado() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return sinalizado_;
}

bool SinalParada::Aguardar(std::chrono::milliseconds tempo) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return cv_.wait_for(lock, tempo, [this] { return sinalizado_; });
}

} // namespace mvf
