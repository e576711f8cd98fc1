#include "scale/UtilPeso.h"

#include "scale/DescobertaPortas.h"
#include "scale/TBalancaModelo.h"

namespace mvf {

std::vector<std::string> getModelos() {
    std::vector<std::string> nomes;
    for (int i = 0; i < QuantidadeModelos; ++i)
        nomes.push_back(NomeModelo(static_cast<TBalancaModelo>(i)));
    return nomes;
}

std::vector<std::string> getPorta() {
    std::vector<std::string> itens;
    AcharPortasSeriais(itens, 64);
    AcharPortasUSB(itens);
    itens.push_back("LPT1");
    itens.push_back(PortaTcpExemplo);
    return itens;
}

} // namespace mvf
