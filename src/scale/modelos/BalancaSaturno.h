#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

class TBalancaSaturno : public TBalancaClass {
public:
    explicit TBalancaSaturno(TBalanca* AOwner);
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

} // namespace mvf
