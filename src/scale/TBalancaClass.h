#pragma once

#include "core/Currency.h"

#include <functional>
#include <string>

namespace mvf {

class TBalanca;
class TDispositivo;
class Relogio;

// A log line on its way out; a handler that sets Tratado keeps it from the log file.
using TGravarLog = std::function<void(const std::string& ALogLine, bool& Tratado)>;

// The generic scale driver and the base of every model: the request/receive cycle all models
// share, the weight-result value of each read and the log lines.
//
// Weight-result value: above 0 the weight in kilograms; 0 no weight (or nothing usable), -1
// unstable, -2 negative, -9 read failed, -10 overload, -11 and -12 model-specific states.
class TBalancaClass {
public:
    explicit TBalancaClass(TBalanca* AOwner);
    virtual ~TBalancaClass() = default;
    TBalancaClass(const TBalancaClass&) = delete;
    TBalancaClass& operator=(const TBalancaClass&) = delete;

    // Reads until the result is other than unstable or the time-out passes; each read waits
    // at least a second. With Reenviar a request goes before every read.
    virtual double EsperarPesoValido(int MillisecTimeOut, bool Reenviar = true);
    virtual void Ativar();
    virtual void Desativar();
    virtual void SolicitarPeso();
    virtual void LeSerial(int MillisecTimeOut = 500);
    virtual double LePeso(int MillisecTimeOut = 3000);
    virtual double InterpretarRepostaPeso(const std::string& aResposta);
    virtual bool EnviarPrecoKg(Currency aValor, int aMillisecTimeOut = 3000);

    bool Ativo() const { return fAtivo; }
    const std::string& ArqLOG() const { return fArqLOG; }
    void setArqLOG(const std::string& arquivo) { fArqLOG = arquivo; }
    const TGravarLog& OnGravarLog() const { return fOnGravarLog; }
    void setOnGravarLog(TGravarLog handler) { fOnGravarLog = std::move(handler); }
    int PosIni() const { return fPosIni; }
    void setPosIni(int valor) { fPosIni = valor; }
    int PosFim() const { return fPosFim; }
    void setPosFim(int valor) { fPosFim = valor; }
    const std::string& ModeloStr() const { return fpModeloStr; }
    double UltimoPesoLido() const { return fpUltimoPesoLido; }
    const std::string& UltimaResposta() const { return fpUltimaResposta; }

    void RegistrarLog(const std::string& AString, bool Traduz = false, bool AdicionaTempo = true);

protected:
    TDispositivo& Device() { return *fpDevice; }
    Relogio& relogio();
    void Esperar(int milissegundos);

    // " - hh:nn:ss:zzz TX -> bytes" and " - hh:nn:ss:zzz RX <- bytes".
    void LogEnvio(const std::string& bytes);
    void LogRecepcao(const std::string& bytes, const std::string& inicio = " - ");
    // "UltimoPesoLido: ..." with the last response (or the text given) and the driver's tail.
    void LogResultado();
    void LogResultado(const std::string& resposta);
    // What a model appends to its result line (" - Protocolo: ...").
    virtual std::string ComplementoLogResultado() const { return ""; }

    // Discards pending input, logs and sends a request.
    void EnviarPedido(const std::string& pedido, bool descartar = true, bool registrar = true);
    // One packet into UltimaResposta, logged; receive errors propagate.
    void ReceberPacote(int MillisecTimeOut);
    // The base reception: one packet parsed; any error becomes -9.
    void LeSerialPadrao(int MillisecTimeOut);
    // The single cycle: request, 200 ms, one read with the whole time-out.
    double CicloSimples(int MillisecTimeOut);

    TDispositivo* fpDevice;
    TBalanca* fpOwner;
    std::string fpModeloStr = "Generica";
    double fpUltimoPesoLido = 0;
    std::string fpUltimaResposta;
    // Between the weight and the response in the result line.
    std::string fpSeparadorLogResposta = " - Resposta: ";

private:
    bool fAtivo = false;
    TGravarLog fOnGravarLog;
    std::string fArqLOG;
    int fPosIni = 0;
    int fPosFim = 0;
};

// Control bytes of a response written as bracketed names ("[STX]") for a readable line.
std::string TraduzirControles(const std::string& bytes);

} // namespace mvf
