#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

// Transmits on its own: the driver only listens.
class TBalancaLider : public TBalancaClass {
public:
    explicit TBalancaLider(TBalanca* AOwner);
    void SolicitarPeso() override;
    double LePeso(int MillisecTimeOut = 3000) override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

} // namespace mvf
