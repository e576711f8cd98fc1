#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

class TBalancaMagellan : public TBalancaClass {
public:
    explicit TBalancaMagellan(TBalanca* AOwner);
    void SolicitarPeso() override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;

private:
    int fpDecimais = 1000;
};

} // namespace mvf
