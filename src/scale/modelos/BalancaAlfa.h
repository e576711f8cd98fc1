#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

class TBalancaAlfa : public TBalancaClass {
public:
    explicit TBalancaAlfa(TBalanca* AOwner);
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

} // namespace mvf
