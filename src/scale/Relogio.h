#pragma once

#include <chrono>
#include <cstdint>

namespace mvf {

// Time as the scale layer sees it: a steady millisecond count for deadlines, pauses, and the
// wall-clock time for log lines. Injected so that tests never wait for real.
class Relogio {
public:
    virtual ~Relogio() = default;
    virtual std::int64_t AgoraMs() = 0;
    virtual void Dormir(int milissegundos) = 0;
    virtual std::chrono::system_clock::time_point Hora() = 0;
};

// The machine's clocks and a real sleep.
Relogio& RelogioReal();

} // namespace mvf
