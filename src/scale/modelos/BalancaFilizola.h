#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

class TBalancaFilizola : public TBalancaClass {
public:
    explicit TBalancaFilizola(TBalanca* AOwner);
    double LePeso(int MillisecTimeOut = 3000) override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

} // namespace mvf
