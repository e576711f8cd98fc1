#pragma once

#include "scale/TBalancaClass.h"

#include <array>

namespace mvf {

// Scales that take tare, zero and display commands (the Toledo checkout scales).
class TBalancaSelfCheckout : public TBalancaClass {
public:
    explicit TBalancaSelfCheckout(TBalanca* AOwner);
    void AtivarTara();
    void DesativarTara();
    void ZerarDispositivo();
    void LigarDisplay();
    void DesligarDisplay();

private:
    void Comando(const std::string& bytes, const std::string& rotulo);
};

// Toledo: recognises its five frame layouts (Eth, A, B, P03, C) by shape. The protocol and
// the divisor for weights without a separator persist from read to read.
class TBalancaToledo : public TBalancaSelfCheckout {
public:
    explicit TBalancaToledo(TBalanca* AOwner);
    void LeSerial(int MillisecTimeOut = 500) override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;
    bool EnviarPrecoKg(Currency aValor, int aMillisecTimeOut = 3000) override;

    const std::string& Protocolo() const { return fpProtocolo; }
    int Decimais() const { return fpDecimais; }

protected:
    std::string ComplementoLogResultado() const override;

private:
    std::string fpProtocolo = "Não Definido";
    int fpDecimais = 1000;
};

class TBalancaToledo2090 : public TBalancaClass {
public:
    explicit TBalancaToledo2090(TBalanca* AOwner);
    void SolicitarPeso() override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

class TBalancaToledo2090N : public TBalancaClass {
public:
    explicit TBalancaToledo2090N(TBalanca* AOwner);
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

// Five CR-terminated frames per reading; the last three must agree.
class TBalancaToledo2180 : public TBalancaClass {
public:
    explicit TBalancaToledo2180(TBalanca* AOwner);
    void LeSerial(int MillisecTimeOut = 500) override;
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

class TBalancaToledoTi420 : public TBalancaToledo2180 {
public:
    explicit TBalancaToledoTi420(TBalanca* AOwner);
};

class TBalancaToledo9091_8530_8540 : public TBalancaClass {
public:
    explicit TBalancaToledo9091_8530_8540(TBalanca* AOwner);
    double InterpretarRepostaPeso(const std::string& aResposta) override;
};

class TBalancaToledoBCS21 : public TBalancaClass {
public:
    explicit TBalancaToledoBCS21(TBalanca* AOwner);
    double InterpretarRepostaPeso(const std::string& aResposta) override;

private:
    int fpDecimais = 1000;
};

} // namespace mvf
