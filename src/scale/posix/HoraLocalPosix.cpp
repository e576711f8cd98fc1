#include "scale/HoraLocal.h"

namespace mvf {

std::tm HoraLocal(std::chrono::system_clock::time_point momento) {
    std::time_t segundos = std::chrono::system_clock::to_time_t(momento);
    std::tm t{};
    ::localtime_r(&segundos, &t);
    return t;
}

} // namespace mvf
