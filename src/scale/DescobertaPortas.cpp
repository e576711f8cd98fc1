#include "scale/DescobertaPortas.h"

namespace mvf {

std::vector<std::string> PortasSeriaisDisponiveis(const std::vector<std::string>& candidatos) {
    std::vector<std::string> out;
    for (const auto& c : candidatos)
        if (PortaSerialDisponivel(c))
            out.push_back(c);
    return out;
}

} // namespace mvf
