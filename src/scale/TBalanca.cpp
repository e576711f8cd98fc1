#include "scale/TBalanca.h"

#include "scale/Relogio.h"
#include "scale/Temporizador.h"

#include <stdexcept>

namespace mvf {

TBalanca::TBalanca(std::unique_ptr<Temporizador> temporizador, Relogio* relogio)
    : fsDevice(std::make_unique<TDispositivo>()), fsTimer(std::move(temporizador)),
      fsRelogio(relogio ? relogio : &RelogioReal()) {
    fsDevice->setRelogio(fsRelogio);
    fsDevice->setPorta("COM1");
    fsDevice->setTimeOut(1);
    if (!fsTimer)
        fsTimer = std::make_unique<TemporizadorThread>();
    fsTimer->setHabilitado(false);
    fsTimer->setAoDisparar([this] { AoDisparoTimer(); });
    fsTimer->setIntervalo(fsIntervalo);
    fsBAL = std::make_unique<TBalancaClass>(this);
}

TBalanca::~TBalanca() {
    try {
        Desativar();
    } catch (...) {
    }
    fsTimer->setHabilitado(false);
    fsTimer.reset();
    fsBAL.reset();
    fsDevice.reset();
}

void TBalanca::setModelo(TBalancaModelo valor) {
    if (valor == fsModelo)
        return;
    if (fsAtivo)
        throw std::runtime_error("Não é possível mudar o Modelo com Balanca Ativo");
    std::string arqLog;
    TGravarLog gravarLog;
    int posIni = 0, posFim = 0;
    if (fsBAL) {
        arqLog = fsBAL->ArqLOG();
        gravarLog = fsBAL->OnGravarLog();
        posIni = fsBAL->PosIni();
        posFim = fsBAL->PosFim();
    }
    fsBAL.reset();
    fsBAL = CriarDriverBalanca(valor, this);
    // Positions left at 0 and 0 mean "not set": a driver with its own positions keeps them.
    if (posIni != 0 || posFim != 0) {
        fsBAL->setPosIni(posIni);
        fsBAL->setPosFim(posFim);
    }
    fsBAL->setArqLOG(arqLog);
    fsBAL->setOnGravarLog(std::move(gravarLog));
    fsModelo = valor;
}

void TBalanca::AplicarIntervalo() {
    fsTimer->setIntervalo(fsIntervalo);
    fsIntervalo = fsTimer->Intervalo();
    fsTimer->setHabilitado(fsMonitorarBalanca && fsAtivo && fsIntervalo > 0);
}

void TBalanca::setIntervalo(int milissegundos) {
    fsIntervalo = milissegundos;
    AplicarIntervalo();
}

void TBalanca::setMonitorarBalanca(bool monitorar) {
    fsMonitorarBalanca = monitorar;
    AplicarIntervalo();
}

void TBalanca::setAtivo(bool ativo) {
    if (ativo)
        Ativar();
    else
        Desativar();
}

void TBalanca::Ativar() {
    if (fsAtivo)
        return;
    fsBAL->Ativar();
    fsAtivo = true;
    AplicarIntervalo();
}

void TBalanca::Desativar() {
    if (!fsAtivo)
        return;
    fsTimer->setHabilitado(false);
    fsBAL->Desativar();
    fsAtivo = false;
}

double TBalanca::LePeso(int MillisecTimeOut) {
    const bool estavaAtivo = fsAtivo;
    const bool monitorava = fsMonitorarBalanca;
    auto restaurar = [&] {
        setAtivo(estavaAtivo);
        setMonitorarBalanca(monitorava);
    };
    double resultado = 0;
    try {
        setMonitorarBalanca(false);
        if (!fsAtivo)
            Ativar();
        resultado = fsBAL->LePeso(MillisecTimeOut);
        if (fsOnLePeso)
            fsOnLePeso(fsBAL->UltimoPesoLido(), fsBAL->UltimaResposta());
    } catch (...) {
        restaurar();
        throw;
    }
    restaurar();
    return resultado;
}

void TBalanca::SolicitarPeso() {
    fsBAL->SolicitarPeso();
}

double TBalanca::InterpretarRepostaPeso(const std::string& aResposta) {
    return fsBAL->InterpretarRepostaPeso(aResposta);
}

bool TBalanca::EnviarPrecoKg(Currency aValor, int aMillisecTimeOut) {
    const bool estavaAtivo = fsAtivo;
    bool resultado = false;
    try {
        if (!fsAtivo)
            Ativar();
        resultado = fsBAL->EnviarPrecoKg(aValor, aMillisecTimeOut);
    } catch (...) {
        setAtivo(estavaAtivo);
        throw;
    }
    setAtivo(estavaAtivo);
    return resultado;
}

void TBalanca::AoDisparoTimer() {
    fsTimer->setHabilitado(false);
    if (fsDevice->Ativo() && fsDevice->BytesParaLer() > 0) {
        fsBAL->LeSerial(500);
        if (fsOnLePeso)
            fsOnLePeso(fsBAL->UltimoPesoLido(), fsBAL->UltimaResposta());
    }
    fsTimer->setHabilitado(true);
}

} // namespace mvf
