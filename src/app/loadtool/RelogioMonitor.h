#pragma once

#include "app/loadtool/SinalParada.h"
#include "core/DateTimeText.h"

namespace mvf {

// The monitor's sense of time, so that tests need not wait real minutes.
class RelogioMonitor {
public:
    virtual ~RelogioMonitor() = default;
    virtual DateTime Agora() = 0;
    // Sleeps one second, or less when the stop is requested meanwhile.
    virtual void DormirUmSegundo(const SinalParada& parada) = 0;
};

// The wall clock and real seconds.
class RelogioSistema : public RelogioMonitor {
public:
    DateTime Agora() override { return DateTime::now(); }
    void DormirUmSegundo(const SinalParada& parada) override { parada.Aguardar(std::chrono::seconds(1)); }
};

} // namespace mvf
