#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

// Precision and Lenke transmit on their own: the request sends nothing.
class TBalancaPrecision : public TBalancaClass {
public:
    explicit TBalancaPrecision(TBalanca* AOwner);
    void SolicitarPeso() override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

class TBalancaLenkeLK2500 : public TBalancaClass {
public:
    explicit TBalancaLenkeLK2500(TBalanca* AOwner);
    void SolicitarPeso() override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

} // namespace mvf
