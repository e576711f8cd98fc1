#pragma once

#include "scale/TBalancaClass.h"

namespace mvf {

// WT1000 and WT3000 ABS: fixed-length frames after a line feed; they differ only in sizes.
class TBalancaWeightechQuadroFixo : public TBalancaClass {
public:
    TBalancaWeightechQuadroFixo(TBalanca* AOwner, int tamanhoQuadro, int posicaoPeso);
    double LePeso(int MillisecTimeOut = 3000) override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;

private:
    int fTamanhoQuadro;
    int fPosicaoPeso;
};

class TBalancaWeightechWT1000 : public TBalancaWeightechQuadroFixo {
public:
    explicit TBalancaWeightechWT1000(TBalanca* AOwner);
};

class TBalancaWeightechWT3000_ABS : public TBalancaWeightechQuadroFixo {
public:
    explicit TBalancaWeightechWT3000_ABS(TBalanca* AOwner);
};

// The 19-character frame of status, weight type, sign and weight.
class TBalancaWeightechWT3000IR_ABS : public TBalancaClass {
public:
    explicit TBalancaWeightechWT3000IR_ABS(TBalanca* AOwner);
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

class TBalancaWeightechWT27R_ETH : public TBalancaClass {
public:
    explicit TBalancaWeightechWT27R_ETH(TBalanca* AOwner);
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

} // namespace mvf
