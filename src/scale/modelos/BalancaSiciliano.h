#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

// Two layouts, IP09 and IP10 (gross and tare), told apart by where the ETX falls.
class TBalancaSiciliano : public TBalancaClass {
public:
    explicit TBalancaSiciliano(TBalanca* AOwner);
    double InterpretarRepostaPeso(const std::string& aResposta) override;
    const std::string& Protocolo() const { return fpProtocolo; }

protected:
    std::string ComplementoLogResultado() const override;

private:
    std::string fpProtocolo = "Não Definido";
};

} // namespace mvf
