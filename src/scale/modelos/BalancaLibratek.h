#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

// Transmits on its own; the driver keeps listening until a positive weight or the time-out.
class TBalancaLibratek : public TBalancaClass {
public:
    explicit TBalancaLibratek(TBalanca* AOwner);
    void SolicitarPeso() override;
    void LeSerial(int MillisecTimeOut = 500) override;
    double LePeso(int MillisecTimeOut = 3000) override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;

    // Where the weight sits in its frames, unless the settings say otherwise.
    static constexpr int PosIniPadrao = 7;
    static constexpr int PosFimPadrao = 9;

private:
    std::string Campo(const std::string& aResposta) const;
};

class TBalancaLibratekWT3000IR : public TBalancaClass {
public:
    explicit TBalancaLibratekWT3000IR(TBalanca* AOwner);
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

} // namespace mvf
