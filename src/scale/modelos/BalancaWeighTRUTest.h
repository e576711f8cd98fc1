#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

// Answers "{RW}" with a bracketed weight; its numbers always use the comma.
class TBalancaWeighTRUTest : public TBalancaClass {
public:
    explicit TBalancaWeighTRUTest(TBalanca* AOwner);
    void SolicitarPeso() override;
    void LeSerial(int MillisecTimeOut = 500) override;
    double LePeso(int MillisecTimeOut = 3000) override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

} // namespace mvf
