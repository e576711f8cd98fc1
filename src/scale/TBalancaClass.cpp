#include "scale/TBalancaClass.h"

#include "core/NumberText.h"
#include "scale/ConversaoPeso.h"
#include "scale/HoraLocal.h"
#include "scale/Relogio.h"
#include "scale/TBalanca.h"
#include "scale/TDispositivo.h"
#include "scale/TextoResposta.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace mvf {

std::string TraduzirControles(const std::string& bytes) {
    static const char* nomes[32] = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                    "BS",  "TAB", "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                    "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                    "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};
    std::string out;
    for (unsigned char c : bytes) {
        if (c < 32)
            out += std::string("[") + nomes[c] + "]";
        else if (c == 127)
            out += "[DEL]";
        else
            out += static_cast<char>(c);
    }
    return out;
}

TBalancaClass::TBalancaClass(TBalanca* AOwner) : fpDevice(nullptr), fpOwner(AOwner) {
    if (!AOwner)
        throw std::logic_error("Essa Classe deve ser instanciada por TBalanca");
    fpDevice = &AOwner->Device();
    fpDevice->SetDefaultValues();
}

Relogio& TBalancaClass::relogio() {
    return fpDevice->relogio();
}

void TBalancaClass::Esperar(int milissegundos) {
    relogio().Dormir(milissegundos);
}

void TBalancaClass::RegistrarLog(const std::string& AString, bool Traduz, bool AdicionaTempo) {
    std::string linha = Traduz ? TraduzirControles(AString) : AString;
    bool tratado = false;
    if (fOnGravarLog)
        fOnGravarLog(linha, tratado);
    if (tratado || fArqLOG.empty())
        return;
    if (AdicionaTempo)
        linha = "-- " + FormatarHoraLog(relogio().Hora(), "dd/mm hh:nn:ss:zzz") + " - " + linha;
    try {
        std::ofstream arquivo(std::filesystem::path(reinterpret_cast<const char8_t*>(fArqLOG.c_str())),
                              std::ios::app);
        arquivo << linha << '\n';
    } catch (...) {
        // A log that cannot be written must never spoil a reading.
    }
}

void TBalancaClass::LogEnvio(const std::string& bytes) {
    RegistrarLog(" - " + FormatarHoraLog(relogio().Hora(), "hh:nn:ss:zzz") + " TX -> " + bytes);
}

void TBalancaClass::LogRecepcao(const std::string& bytes, const std::string& inicio) {
    RegistrarLog(inicio + FormatarHoraLog(relogio().Hora(), "hh:nn:ss:zzz") + " RX <- " + bytes);
}

void TBalancaClass::LogResultado() {
    LogResultado(fpUltimaResposta);
}

void TBalancaClass::LogResultado(const std::string& resposta) {
    RegistrarLog("              UltimoPesoLido: " + formatGeneralNumber(fpUltimoPesoLido) +
                 fpSeparadorLogResposta + resposta + ComplementoLogResultado());
}

void TBalancaClass::Ativar() {
    if (fAtivo)
        return;
    const std::string linha(80, '-');
    RegistrarLog("\n" + linha + "\nATIVAR - " + FormatarHoraLog(relogio().Hora(), "dd/mm/yy hh:nn:ss:zzz") +
                 " - Modelo: " + fpModeloStr + " - Porta: " + fpDevice->Porta() +
                 "         Device: " + fpDevice->DeviceToString() + "\n" + linha + "\n");
    if (!fpDevice->Porta().empty())
        fpDevice->Ativar();
    fAtivo = true;
    fpUltimaResposta.clear();
    fpUltimoPesoLido = 0;
}

void TBalancaClass::Desativar() {
    if (!fAtivo)
        return;
    if (!fpDevice->Porta().empty())
        fpDevice->Desativar();
    fAtivo = false;
}

void TBalancaClass::EnviarPedido(const std::string& pedido, bool descartar, bool registrar) {
    if (registrar)
        LogEnvio(pedido);
    if (descartar)
        fpDevice->Limpar();
    fpDevice->EnviaString(pedido);
}

void TBalancaClass::SolicitarPeso() {
    EnviarPedido("\x05");
}

void TBalancaClass::ReceberPacote(int MillisecTimeOut) {
    fpUltimaResposta = fpDevice->LeString(MillisecTimeOut, 0, "");
    LogRecepcao(fpUltimaResposta);
}

void TBalancaClass::LeSerialPadrao(int MillisecTimeOut) {
    fpUltimoPesoLido = 0;
    fpUltimaResposta.clear();
    try {
        ReceberPacote(MillisecTimeOut);
        fpUltimoPesoLido = InterpretarRepostaPeso(fpUltimaResposta);
    } catch (...) {
        fpUltimoPesoLido = peso::FalhaLeitura;
    }
    LogResultado();
}

void TBalancaClass::LeSerial(int MillisecTimeOut) {
    LeSerialPadrao(MillisecTimeOut);
}

double TBalancaClass::CicloSimples(int MillisecTimeOut) {
    SolicitarPeso();
    Esperar(200);
    LeSerial(MillisecTimeOut);
    return fpUltimoPesoLido;
}

double TBalancaClass::LePeso(int MillisecTimeOut) {
    if (fpModeloStr == "Generica")
        return EsperarPesoValido(MillisecTimeOut, true);
    return CicloSimples(MillisecTimeOut);
}

double TBalancaClass::EsperarPesoValido(int MillisecTimeOut, bool Reenviar) {
    const std::int64_t limite = relogio().AgoraMs() + MillisecTimeOut;
    double resultado = peso::Instavel;
    while (resultado == peso::Instavel && relogio().AgoraMs() < limite) {
        if (Reenviar) {
            SolicitarPeso();
            Esperar(200);
        }
        const auto restante = static_cast<int>(std::max<std::int64_t>(0, limite - relogio().AgoraMs()));
        LeSerial(std::max(1000, restante));
        resultado = fpUltimoPesoLido;
    }
    return resultado;
}

double TBalancaClass::InterpretarRepostaPeso(const std::string& aResposta) {
    if (aResposta.empty() || (fPosIni == 0 && fPosFim == 0))
        return peso::SemPeso;
    const std::string campo = texto::Trim(texto::Copy(aResposta, fPosIni, fPosFim));
    return PesoOuStatus(campo, 1000);
}

bool TBalancaClass::EnviarPrecoKg(Currency, int) {
    throw std::runtime_error("Modelo " + fpModeloStr + " não possui essa funcionalidade");
}

} // namespace mvf
