#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

// Talks to the serial port directly; on any other port its readings fail.
class TBalancaTrentin : public TBalancaClass {
public:
    explicit TBalancaTrentin(TBalanca* AOwner);
    void SolicitarPeso() override;
    void LeSerial(int MillisecTimeOut = 500) override;
    double LePeso(int MillisecTimeOut = 3000) override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;

private:
    std::string fpProtocolo = "Não Definido";
    int fpDecimais = 1000;
};

} // namespace mvf
