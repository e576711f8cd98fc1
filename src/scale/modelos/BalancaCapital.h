#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

class TBalancaCapital : public TBalancaClass {
public:
    explicit TBalancaCapital(TBalanca* AOwner);
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

} // namespace mvf
