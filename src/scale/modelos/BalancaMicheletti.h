#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

class TBalancaMicheletti : public TBalancaClass {
public:
    explicit TBalancaMicheletti(TBalanca* AOwner);
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

} // namespace mvf
