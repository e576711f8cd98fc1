#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

// Sends its weight digits in reverse order.
class TBalancaAFTS : public TBalancaClass {
public:
    explicit TBalancaAFTS(TBalanca* AOwner);
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

} // namespace mvf
