#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

class TBalancaMagna : public TBalancaClass {
public:
    explicit TBalancaMagna(TBalanca* AOwner);
    void SolicitarPeso() override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

} // namespace mvf
