#pragma once

#include "scale/TBalancaClass.h"
#include "scale/TBalancaModelo.h"
#include "scale/TDispositivo.h"
#include "scale/Temporizador.h"

#include <functional>
#include <memory>
#include <string>

namespace mvf {

class Relogio;

using TBalancaLePeso = std::function<void(double Peso, const std::string& Resposta)>;

// A scale on a port: owns the port device, the driver of the chosen model and the monitoring
// tick. Reads on request (LePeso) or, while monitoring, whenever the scale has sent something.
class TBalanca {
public:
    // The tick defaults to a TemporizadorThread, the clock to the machine's.
    explicit TBalanca(std::unique_ptr<Temporizador> temporizador = nullptr, Relogio* relogio = nullptr);
    virtual ~TBalanca();
    TBalanca(const TBalanca&) = delete;
    TBalanca& operator=(const TBalanca&) = delete;

    TBalancaModelo Modelo() const { return fsModelo; }
    void setModelo(TBalancaModelo valor);
    std::string Porta() const { return fsDevice->Porta(); }
    void setPorta(const std::string& porta) { fsDevice->setPorta(porta); }
    int Intervalo() const { return fsIntervalo; }
    void setIntervalo(int milissegundos);
    bool MonitorarBalanca() const { return fsMonitorarBalanca; }
    void setMonitorarBalanca(bool monitorar);
    const std::string& ArqLOG() const { return fsBAL->ArqLOG(); }
    void setArqLOG(const std::string& arquivo) { fsBAL->setArqLOG(arquivo); }
    const TGravarLog& OnGravarLog() const { return fsBAL->OnGravarLog(); }
    void setOnGravarLog(TGravarLog handler) { fsBAL->setOnGravarLog(std::move(handler)); }
    int PosIni() const { return fsBAL->PosIni(); }
    void setPosIni(int valor) { fsBAL->setPosIni(valor); }
    int PosFim() const { return fsBAL->PosFim(); }
    void setPosFim(int valor) { fsBAL->setPosFim(valor); }
    TDispositivo& Device() { return *fsDevice; }
    const TBalancaLePeso& OnLePeso() const { return fsOnLePeso; }
    void setOnLePeso(TBalancaLePeso handler) { fsOnLePeso = std::move(handler); }

    double UltimoPesoLido() const { return fsBAL->UltimoPesoLido(); }
    const std::string& UltimaResposta() const { return fsBAL->UltimaResposta(); }
    bool Ativo() const { return fsAtivo; }
    void setAtivo(bool ativo);
    TBalancaClass& BAL() { return *fsBAL; }
    const std::string& ModeloStr() const { return fsBAL->ModeloStr(); }

    void Ativar();
    void Desativar();
    // One complete weighing; the component's active and monitoring states are restored
    // afterwards, also when the reading raised.
    double LePeso(int MillisecTimeOut = 3000);
    void SolicitarPeso();
    double InterpretarRepostaPeso(const std::string& aResposta);
    bool EnviarPrecoKg(Currency aValor, int aMillisecTimeOut = 3000);

    Relogio& relogio() const { return *fsRelogio; }

protected:
    virtual void AoDisparoTimer();

private:
    void AplicarIntervalo();

    std::unique_ptr<TDispositivo> fsDevice;
    std::unique_ptr<Temporizador> fsTimer;
    bool fsAtivo = false;
    TBalancaModelo fsModelo = TBalancaModelo::balNenhum;
    std::unique_ptr<TBalancaClass> fsBAL;
    TBalancaLePeso fsOnLePeso;
    bool fsMonitorarBalanca = false;
    int fsIntervalo = 200;
    Relogio* fsRelogio;
};

// The driver of a model, created for the given scale.
std::unique_ptr<TBalancaClass> CriarDriverBalanca(TBalancaModelo modelo, TBalanca* owner);

} // namespace mvf
