#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

class TBalancaRinnert : public TBalancaClass {
public:
    explicit TBalancaRinnert(TBalanca* AOwner);
    double LePeso(int MillisecTimeOut = 3000) override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;

protected:
    // Rinnert reads the field as it comes; Muller keeps only the digits of an unterminated one.
    virtual bool SoDigitosSemETX() const { return false; }
};

class TBalancaMuller : public TBalancaRinnert {
public:
    explicit TBalancaMuller(TBalanca* AOwner);

protected:
    bool SoDigitosSemETX() const override { return true; }
};

} // namespace mvf
