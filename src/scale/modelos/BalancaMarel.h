#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

class TBalancaMarelCG62XL : public TBalancaClass {
public:
    explicit TBalancaMarelCG62XL(TBalanca* AOwner);
    double LePeso(int MillisecTimeOut = 3000) override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

} // namespace mvf
