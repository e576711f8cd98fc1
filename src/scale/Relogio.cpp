#include "scale/Relogio.h"

#include <thread>

namespace mvf {

namespace {

class RelogioDoSistema : public Relogio {
public:
    std::int64_t AgoraMs() override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    void Dormir(int milissegundos) override {
        if (milissegundos > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(milissegundos));
    }
    std::chrono::system_clock::time_point Hora() override { return std::chrono::system_clock::now(); }
};

} // namespace

Relogio& RelogioReal() {
    static RelogioDoSistema relogio;
    return relogio;
}

} // namespace mvf
