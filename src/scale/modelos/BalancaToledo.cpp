#include "scale/modelos/BalancaToledo.h"

#include "core/NumberText.h"
#include "scale/ConversaoPeso.h"
#include "scale/HoraLocal.h"
#include "scale/Relogio.h"
#include "scale/TDispositivo.h"
#include "scale/TextoResposta.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace mvf {

using namespace texto;

namespace {

constexpr char STX = '\x02';
constexpr char ETX = '\x03';
constexpr char CR = '\r';
constexpr char ACK = '\x06';

const std::string sSTX(1, STX);
const std::string sETX(1, ETX);
const std::string sCR(1, CR);

bool bit3(char c) {
    return (static_cast<unsigned char>(c) & 0x08) != 0;
}

// Lines as a text list reads them: CR, LF or CR LF end a line; no empty line after the last break.
std::vector<std::string> linhas(const std::string& s) {
    std::vector<std::string> out;
    std::string atual;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' || s[i] == '\n') {
            out.push_back(atual);
            atual.clear();
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
                ++i;
        } else {
            atual += s[i];
        }
    }
    if (!atual.empty())
        out.push_back(atual);
    return out;
}

} // namespace

// ---------------------------------------------------------------- self-checkout commands

TBalancaSelfCheckout::TBalancaSelfCheckout(TBalanca* AOwner) : TBalancaClass(AOwner) {}

void TBalancaSelfCheckout::Comando(const std::string& bytes, const std::string& rotulo) {
    RegistrarLog(" - " + FormatarHoraLog(relogio().Hora(), "hh:nn:ss:zzz") + rotulo);
    Device().EnviaString(bytes);
}

void TBalancaSelfCheckout::AtivarTara() {
    Comando("T", " Ativar Tara");
}
void TBalancaSelfCheckout::DesativarTara() {
    Comando("T", " Desativar Tara");
}
void TBalancaSelfCheckout::ZerarDispositivo() {
    Comando("Z", " Zerar Dispositivo");
}
void TBalancaSelfCheckout::LigarDisplay() {
    Comando("L", " LigarDisplay");
}
void TBalancaSelfCheckout::DesligarDisplay() {
    Comando("L", " DesligarDisplay");
}

// ---------------------------------------------------------------- Toledo

TBalancaToledo::TBalancaToledo(TBalanca* AOwner) : TBalancaSelfCheckout(AOwner) {
    fpModeloStr = "Toledo";
}

void TBalancaToledo::LeSerial(int MillisecTimeOut) {
    LeSerialPadrao(MillisecTimeOut);
}

std::string TBalancaToledo::ComplementoLogResultado() const {
    return " - Protocolo: " + fpProtocolo;
}

double TBalancaToledo::InterpretarRepostaPeso(const std::string& aResposta) {
    if (aResposta.empty())
        return peso::SemPeso;
    const std::string& r = aResposta;
    const int tamanho = Tamanho(r);
    const int P = PosUltimo(sSTX, r);

    std::string campo;
    if (Copy(r, P + 1, 2) == "02" && Em(r, P + 60) == ETX) {
        int E = Pos(sETX, r, P + 1);
        if (E == 0)
            E = tamanho + 1;
        else
            fpProtocolo = "Protocolo Eth";
        fpUltimaResposta = Copy(r, P, E - P);
        campo = Trim(Copy(r, P + 6, 6));
    } else if (Em(r, P + 21) == CR) {
        fpProtocolo = "Protocolo A";
        if (bit3(Em(r, 9)))
            fpDecimais = 100;
        campo = Trim(Copy(r, P + 2, 6));
    } else if (Pos(sETX, r, P + 1) > 0) {
        const int E = Pos(sETX, r, P + 1);
        fpProtocolo = "Protocolo B";
        campo = Trim(Copy(r, P + 1, E - P - 1));
    } else if ((tamanho >= 17 && r[0] == STX && Em(r, 17) == CR) || [&] {
                   const int Q = Pos(sSTX, r);
                   int C = Pos(sCR, r, Q + 1);
                   if (C == 0)
                       C = tamanho + 1;
                   return C - Q == 16;
               }()) {
        fpProtocolo = "Protocolo P03";
        const int Q = Pos(sSTX, r);
        int E = Pos(sCR, r, Q + 1);
        if (E == 0)
            E = tamanho;
        const std::string quadro = Copy(r, Q, E - Q + 1);
        if (bit3(Em(quadro, 2)))
            fpDecimais = 100;
        campo = Copy(quadro, 5, 6);
    } else {
        int E = Pos(sCR, r, P + 1);
        if (E == 0)
            E = tamanho + 1;
        else
            fpProtocolo = "Protocolo C";
        campo = Remover(Trim(Copy(r, P + 1, E - P - 1)), "kg");
    }

    campo = Trim(campo);
    bool comMenos = false;
    if (!campo.empty()) {
        campo = Substituir(campo, "+III,III", "IIIII");
        campo = Substituir(campo, "-III,III", "NNNNN");
        campo = Substituir(campo, "+SSS,SSS", "SSSSS");
        comMenos = campo.find('-') != std::string::npos;
        campo = Remover(Remover(campo, "+"), "-");
    }
    if (campo.empty())
        return peso::SemPeso;
    double valor = 0;
    if (ConverterPeso(campo, fpDecimais, valor)) {
        // A signed field is a weight below zero, never the same weight above it.
        if (comMenos && valor != 0)
            return peso::Negativo;
        return valor;
    }
    // Toledo adds two letters of its own to the common ones.
    switch (Trim(campo)[0]) {
    case 'C':
        return peso::ToledoC;
    case 'E':
        return peso::ToledoE;
    default:
        return LetraStatus(campo, peso::SemPeso);
    }
}

bool TBalancaToledo::EnviarPrecoKg(Currency aValor, int aMillisecTimeOut) {
    // Cents, halves away from zero.
    const std::int64_t decimosMilesimos = aValor.ticks();
    const std::int64_t absoluto = decimosMilesimos < 0 ? -decimosMilesimos : decimosMilesimos;
    std::int64_t centavos = (absoluto + 50) / 100;
    if (decimosMilesimos < 0)
        centavos = -centavos;
    std::string digitos = std::to_string(centavos);
    if (digitos.size() < 6)
        digitos.insert(0, 6 - digitos.size(), '0');
    else
        digitos.resize(6);
    const std::string quadro = sSTX + digitos + sETX;
    EnviarPedido(quadro);
    Esperar(200);
    try {
        fpUltimaResposta = Device().LeString(aMillisecTimeOut, 0, "");
    } catch (const EDispositivo&) {
        return false;
    }
    LogRecepcao(fpUltimaResposta);
    return fpUltimaResposta == std::string(1, ACK);
}

// ---------------------------------------------------------------- Toledo 2090

TBalancaToledo2090::TBalancaToledo2090(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Toledo 2090";
}

void TBalancaToledo2090::SolicitarPeso() {
    EnviarPedido("\x05", false);
}

double TBalancaToledo2090::InterpretarRepostaPeso(const std::string& aResposta) {
    if (aResposta.empty())
        return peso::FalhaLeitura;
    const auto lista = linhas(aResposta);
    if (lista.size() < 2)
        return peso::FalhaLeitura;
    const std::string& linha = lista[1];
    const int tamanho = Tamanho(linha);
    if (!(Em(linha, 2) == STX || Em(linha, 1) == STX) || (tamanho != 17 && tamanho != 16))
        return peso::FalhaLeitura;
    const double divisor = tamanho == 16 ? 1000 : 100;
    const std::string campo = Copy(linha, 5, 7);
    if (campo.empty())
        return peso::FalhaLeitura;
    double valor = 0;
    if (!ConverterPeso(campo, divisor, valor))
        return peso::FalhaLeitura;
    const char status = Em(linha, 3);
    if (status == 'r' || status == 'R')
        return -valor;
    if (status == 's' || status == 'S')
        return peso::Sobrecarga;
    return valor;
}

// ---------------------------------------------------------------- Toledo 2090N

TBalancaToledo2090N::TBalancaToledo2090N(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Toledo 2090N";
}

double TBalancaToledo2090N::InterpretarRepostaPeso(const std::string& aResposta) {
    const std::string& r = aResposta;
    const int P = Pos(sSTX, r);
    int E = Pos(sETX, r, P + 1);
    if (E == 0)
        E = Tamanho(r) + 1;
    fpUltimaResposta = Copy(r, P, E - P);
    const std::string campoPeso = Trim(Copy(r, P + 4, 6));
    const std::string campoTara = Trim(Copy(r, P + 10, 6));
    if (campoPeso.empty())
        return peso::SemPeso;
    double valor = 0, tara = 0;
    if (!ConverterPeso(campoPeso, 1000, valor) || !ConverterDecimal(campoTara, tara))
        return peso::SemPeso;
    const char status = static_cast<char>(Minusculas(std::string(1, Em(r, 3)))[0]);
    if (tara <= 0) {
        if (status == 'x')
            return peso::Instavel;
        if (status == 'r')
            return peso::Negativo;
        if (status == 's')
            return peso::Sobrecarga;
        return valor;
    }
    if (status == 'y')
        return peso::Instavel;
    if (status == 's')
        return peso::SemPeso;
    return valor;
}

// ---------------------------------------------------------------- Toledo 2180 / Ti420

TBalancaToledo2180::TBalancaToledo2180(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Toledo 2180";
}

void TBalancaToledo2180::LeSerial(int MillisecTimeOut) {
    fpUltimoPesoLido = 0;
    fpUltimaResposta.clear();
    std::array<double, 5> leituras{};
    try {
        for (double& leitura : leituras) {
            fpUltimaResposta = Device().LeString(MillisecTimeOut, 0, sCR);
            LogRecepcao(fpUltimaResposta);
            leitura = InterpretarRepostaPeso(fpUltimaResposta);
        }
        fpUltimoPesoLido =
            (leituras[2] == leituras[3] && leituras[3] == leituras[4]) ? leituras[4] : peso::Instavel;
    } catch (...) {
        fpUltimoPesoLido = peso::FalhaLeitura;
    }
    LogResultado();
}

double TBalancaToledo2180::InterpretarRepostaPeso(const std::string& aResposta) {
    if (aResposta.empty())
        return peso::SemPeso;
    const int crase = Pos("`", aResposta);
    const std::string campo = crase == 0 ? std::string("I") : Copy(aResposta, crase + 1, 6);
    double valor = 0;
    return ConverterDecimal(campo, valor) ? valor : peso::SemPeso;
}

TBalancaToledoTi420::TBalancaToledoTi420(TBalanca* AOwner) : TBalancaToledo2180(AOwner) {
    fpModeloStr = "Toledo Ti420";
}

// ---------------------------------------------------------------- Toledo 9091 8530 8540

TBalancaToledo9091_8530_8540::TBalancaToledo9091_8530_8540(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Toledo 9091 8530 8540";
}

double TBalancaToledo9091_8530_8540::InterpretarRepostaPeso(const std::string& aResposta) {
    if (aResposta.empty() || Pos(sSTX, aResposta) == 0)
        return peso::FalhaLeitura;
    const std::string campo = Em(aResposta, 4) == ' ' ? Copy(aResposta, 5, 6) : Copy(aResposta, 4, 6);
    std::int32_t valor = 0;
    return tryParseInteger(campo, valor) ? valor : 0;
}

// ---------------------------------------------------------------- Toledo BCS21

TBalancaToledoBCS21::TBalancaToledoBCS21(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Toledo BCS21";
}

double TBalancaToledoBCS21::InterpretarRepostaPeso(const std::string& aResposta) {
    if (aResposta.empty())
        return peso::SemPeso;
    const int S = PosUltimo(sSTX, aResposta);
    const int C = Pos(sCR, aResposta, S + 1);
    const int fim = C == 0 ? Tamanho(aResposta) : C - 1;
    const std::string quadro = TrocarSeparador(Trim(Copy(aResposta, S + 1, fim - S)));
    const std::string status = Maiusculas(Copy(quadro, 1, 2));
    if (status == "S+") {
        double valor = 0;
        return ConverterDecimal(Copy(quadro, 3, 8), valor) ? valor : peso::FalhaLeitura;
    }
    if (status == "S-")
        return peso::Negativo;
    if (status == "D+" || status == "D-")
        return peso::Instavel;
    return peso::SemPeso;
}

} // namespace mvf
