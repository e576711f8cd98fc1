#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

class TBalancaDigitron : public TBalancaClass {
public:
    explicit TBalancaDigitron(TBalanca* AOwner);
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

class TBalancaDigitron_UL : public TBalancaClass {
public:
    explicit TBalancaDigitron_UL(TBalanca* AOwner);
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

} // namespace mvf
