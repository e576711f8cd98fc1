#pragma once

#include <chrono>
#include <functional>

namespace mvf {

// Thins progress hand-offs of a long loop: element 1, then at most one every interval, and
// always the last element. The clock is injectable for tests.
class LimitadorProgresso {
public:
    using Relogio = std::function<std::chrono::steady_clock::time_point()>;

    explicit LimitadorProgresso(
        std::chrono::milliseconds intervalo = std::chrono::milliseconds(50),
        Relogio relogio = [] { return std::chrono::steady_clock::now(); })
        : intervalo_(intervalo), relogio_(std::move(relogio)) {}

    // Whether element i (from 1) of n is to be shown; records the moment when it is.
    bool mostrar(long long i, long long n) {
        auto agora = relogio_();
        if (i == 1 || i == n || !mostrouAlguma_ || agora - ultima_ >= intervalo_) {
            ultima_ = agora;
            mostrouAlguma_ = true;
            return true;
        }
        return false;
    }

private:
    std::chrono::milliseconds intervalo_;
    Relogio relogio_;
    std::chrono::steady_clock::time_point ultima_{};
    bool mostrouAlguma_ = false;
};

} // namespace mvf
