#include "scale/HoraLocal.h"

#include <cstdio>

namespace mvf {

std::string FormatarHoraLog(std::chrono::system_clock::time_point momento, const std::string& padrao) {
    const std::tm t = HoraLocal(momento);
    using namespace std::chrono;
    const int ms = static_cast<int>(duration_cast<milliseconds>(momento.time_since_epoch()).count() % 1000);
    std::string out;
    char buffer[12];
    auto dois = [&](int v) {
        std::snprintf(buffer, sizeof buffer, "%02d", v);
        out += buffer;
    };
    for (std::size_t i = 0; i < padrao.size();) {
        auto tem = [&](const char* p) {
            return padrao.compare(i, std::char_traits<char>::length(p), p) == 0;
        };
        if (tem("zzz")) {
            std::snprintf(buffer, sizeof buffer, "%03d", ms < 0 ? ms + 1000 : ms);
            out += buffer;
            i += 3;
        } else if (tem("dd")) {
            dois(t.tm_mday);
            i += 2;
        } else if (tem("mm")) {
            dois(t.tm_mon + 1);
            i += 2;
        } else if (tem("yy")) {
            dois(t.tm_year % 100);
            i += 2;
        } else if (tem("hh")) {
            dois(t.tm_hour);
            i += 2;
        } else if (tem("nn")) {
            dois(t.tm_min);
            i += 2;
        } else if (tem("ss")) {
            dois(t.tm_sec);
            i += 2;
        } else {
            out += padrao[i++];
        }
    }
    return out;
}

} // namespace mvf
