#pragma once

#include "scale/Conexao.h"
#include "scale/ConfiguracaoPorta.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace mvf {

class Relogio;

// The port a scale hangs on: "COM1", a device path ("/dev/ttyUSB0", a pseudo-terminal) or
// "TCP:host:port". Holds the serial settings, opens and closes the link, and receives with a
// time-out by byte count, up to a terminator, or one packet.
class TDispositivo {
public:
    // Opens the link a device names; replaceable so that tests can script a scale.
    using FabricaConexao = std::function<std::unique_ptr<Conexao>(const TDispositivo&)>;

    TDispositivo();
    ~TDispositivo();
    TDispositivo(const TDispositivo&) = delete;
    TDispositivo& operator=(const TDispositivo&) = delete;

    const std::string& Porta() const { return fPorta; }
    void setPorta(const std::string& porta);

    int Baud() const { return fConfig.Baud; }
    void setBaud(int valor) { fConfig.Baud = valor; }
    int Data() const { return fConfig.Data; }
    void setData(int valor) { fConfig.Data = valor; }
    TSerialParity Parity() const { return fConfig.Parity; }
    void setParity(TSerialParity valor) { fConfig.Parity = valor; }
    TSerialStop Stop() const { return fConfig.Stop; }
    void setStop(TSerialStop valor) { fConfig.Stop = valor; }
    THandShake HandShake() const { return fConfig.HandShake; }
    void setHandShake(THandShake valor);
    bool HardFlow() const { return fConfig.HardFlow; }
    bool SoftFlow() const { return fConfig.SoftFlow; }
    const ConfiguracaoSerial& Configuracao() const { return fConfig; }
    // Seconds; the receive time-out used when a call gives none.
    int TimeOut() const { return fTimeOut; }
    void setTimeOut(int segundos) { fTimeOut = segundos; }
    void SetDefaultValues();

    void Ativar();
    void Desativar();
    bool Ativo() const { return fConexao != nullptr; }

    // NumBytes >= 1: exactly that many bytes. Else with a terminator: the bytes before it (it is
    // consumed, what follows stays for the next call). Else one packet: what is waiting, or the
    // first bytes to arrive. A time-out below 1 means TimeOut. Raises EDispositivo when nothing
    // arrives in time.
    std::string LeString(int ATimeOutMilissegundos = 0, int NumBytes = 0, const std::string& Terminador = "");
    void EnviaString(const std::string& AString);
    void Limpar();
    int BytesParaLer();
    std::string DeviceToString() const;

    // The serial port behind the device, for drivers that talk to it directly.
    bool EhSerial() const;
    void SerialPurgar();
    std::string SerialRecebePacote(int ATimeOutMilissegundos);

    // Port discovery, as the settings page uses it.
    static void AcharPortasSeriais(std::vector<std::string>& lista, int UltimaPorta = 64);
    static void AcharPortasUSB(std::vector<std::string>& lista);

    void setFabricaConexao(FabricaConexao fabrica) { fFabrica = std::move(fabrica); }
    void setRelogio(Relogio* relogio);
    Relogio& relogio() const { return *fRelogio; }

private:
    Conexao& conexao(const char* operacao);
    // Moves what is waiting into the buffer, waiting up to the milliseconds given when nothing is.
    bool Receber(int milissegundos);
    int TimeOutEfetivo(int milissegundos) const;
    [[noreturn]] void FalhaTempo() const;

    std::string fPorta = "COM1";
    ConfiguracaoSerial fConfig;
    int fTimeOut = 1;
    std::unique_ptr<Conexao> fConexao;
    std::string fBuffer;
    FabricaConexao fFabrica;
    Relogio* fRelogio;
};

} // namespace mvf
