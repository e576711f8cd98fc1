#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

// Four CR-terminated frames per reading (gross, tare and net); the last three must agree.
class TBalancaLucasTec : public TBalancaClass {
public:
    explicit TBalancaLucasTec(TBalanca* AOwner);
    void LeSerial(int MillisecTimeOut = 500) override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

} // namespace mvf
