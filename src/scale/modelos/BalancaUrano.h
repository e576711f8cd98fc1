#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

class TBalancaUrano : public TBalancaClass {
public:
    explicit TBalancaUrano(TBalanca* AOwner);
    double LePeso(int MillisecTimeOut = 3000) override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

// Urano's frames, asked for with EOT.
class TBalancaUranoUDC : public TBalancaUrano {
public:
    explicit TBalancaUranoUDC(TBalanca* AOwner);
    void SolicitarPeso() override;
};

// The POP line: one longer pause and a single reading.
class TBalancaUranoPOP : public TBalancaClass {
public:
    explicit TBalancaUranoPOP(TBalanca* AOwner);
    double LePeso(int MillisecTimeOut = 3000) override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

} // namespace mvf
