#include "scale/DescobertaPortas.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

namespace mvf {

namespace {

// ttyUSB10 after ttyUSB9.
bool ordemNatural(const std::string& a, const std::string& b) {
    auto corte = [](const std::string& s) {
        std::size_t i = s.size();
        while (i > 0 && s[i - 1] >= '0' && s[i - 1] <= '9')
            --i;
        return i;
    };
    const std::size_t ia = corte(a), ib = corte(b);
    const std::string pa = a.substr(0, ia), pb = b.substr(0, ib);
    if (pa != pb)
        return pa < pb;
    const std::string na = a.substr(ia), nb = b.substr(ib);
    if (na.size() != nb.size())
        return na.size() < nb.size();
    return na < nb;
}

std::vector<std::string> nosComPrefixo(const std::string& pasta, const std::vector<std::string>& prefixos) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& entrada : std::filesystem::directory_iterator(pasta, ec)) {
        const std::string nome = entrada.path().filename().string();
        for (const auto& p : prefixos)
            if (nome.rfind(p, 0) == 0 && nome.size() > p.size())
                out.push_back(entrada.path().string());
    }
    std::sort(out.begin(), out.end(), ordemNatural);
    return out;
}

} // namespace

bool PortaSerialDisponivel(const std::string& caminho) {
    const int fd = ::open(caminho.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    termios t{};
    // A node without a serial line behind it fails here; one held by another program fails the lock.
    const bool ok = ::tcgetattr(fd, &t) == 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return ok;
}

void AcharPortasSeriais(std::vector<std::string>& lista, int UltimaPorta) {
    std::vector<std::string> candidatos;
    for (int i = 0; i < UltimaPorta; ++i)
        candidatos.push_back("/dev/ttyS" + std::to_string(i));
    for (const auto& c : nosComPrefixo("/dev", {"ttyUSB", "ttyACM", "ttyAMA", "rfcomm"}))
        candidatos.push_back(c);
    for (const auto& p : PortasSeriaisDisponiveis(candidatos))
        lista.push_back(p);
}

void AcharPortasUSB(std::vector<std::string>& lista) {
    for (const auto& c : nosComPrefixo("/dev/usb", {"lp"}))
        lista.push_back("USB:" + std::filesystem::path(c).filename().string());
}

} // namespace mvf
