#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

// Asked with ENQ followed by "D05"; read with the generic positions.
class TBalancaMarte : public TBalancaClass {
public:
    explicit TBalancaMarte(TBalanca* AOwner);
    void SolicitarPeso() override;
};

} // namespace mvf
