#include "scale/TDispositivo.h"

#include "scale/DescobertaPortas.h"
#include "scale/Relogio.h"

#include <algorithm>
#include <cctype>

namespace mvf {

namespace {

std::string maiusculas(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool soDigitos(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

const char* nomeParidade(TSerialParity p) {
    switch (p) {
    case TSerialParity::pOdd:
        return "O";
    case TSerialParity::pEven:
        return "E";
    case TSerialParity::pMark:
        return "M";
    case TSerialParity::pSpace:
        return "S";
    default:
        return "N";
    }
}

const char* nomeParada(TSerialStop s) {
    switch (s) {
    case TSerialStop::s1eMeio:
        return "1,5";
    case TSerialStop::s2:
        return "2";
    default:
        return "1";
    }
}

const char* nomeHandShake(THandShake h) {
    switch (h) {
    case THandShake::hsXON_XOFF:
        return "XON/XOFF";
    case THandShake::hsRTS_CTS:
        return "RTS/CTS";
    case THandShake::hsDTR_DSR:
        return "DTR/DSR";
    default:
        return "Nenhum";
    }
}

std::unique_ptr<Conexao> abrirPadrao(const TDispositivo& dispositivo) {
    const std::string& porta = dispositivo.Porta();
    DescricaoPorta d = AnalisarPorta(porta);
    switch (d.Tipo) {
    case TipoPorta::Serial:
        return AbrirConexaoSerial(porta, d.Caminho, dispositivo.Configuracao());
    case TipoPorta::Tcp:
        if (d.Caminho.empty() || d.PortaTcp <= 0 || d.PortaTcp > 65535)
            throw EDispositivo("Porta TCP inválida: \"" + porta + "\" (use TCP:endereço:porta)");
        return AbrirConexaoTcp(d.Caminho, d.PortaTcp, std::max(1, dispositivo.TimeOut()) * 1000);
    case TipoPorta::Paralela:
    case TipoPorta::Raw:
    case TipoPorta::Usb:
    case TipoPorta::Bluetooth:
        throw EDispositivo(
            "A porta \"" + porta +
            "\" não pode ser usada para ler o peso: use uma porta serial ou TCP:endereço:porta");
    default:
        throw EDispositivo("Porta desconhecida: \"" + porta +
                           "\" (use COMn, o caminho da porta serial ou TCP:endereço:porta)");
    }
}

} // namespace

DescricaoPorta AnalisarPorta(const std::string& porta) {
    DescricaoPorta d;
    const std::string upper = maiusculas(porta);
    if (upper.rfind("TCP:", 0) == 0) {
        d.Tipo = TipoPorta::Tcp;
        std::string resto = porta.substr(4);
        d.PortaTcp = 9100;
        // "[::1]:9100" keeps the colons of an IPv6 address inside the brackets.
        std::string host = resto;
        std::string numero;
        if (!resto.empty() && resto[0] == '[') {
            auto fecha = resto.find(']');
            host = resto.substr(1, fecha == std::string::npos ? std::string::npos : fecha - 1);
            if (fecha != std::string::npos && fecha + 1 < resto.size() && resto[fecha + 1] == ':')
                numero = resto.substr(fecha + 2);
        } else if (auto dois = resto.rfind(':'); dois != std::string::npos) {
            host = resto.substr(0, dois);
            numero = resto.substr(dois + 1);
        }
        if (!numero.empty())
            d.PortaTcp = soDigitos(numero) && numero.size() <= 5 ? std::stoi(numero) : -1;
        d.Caminho = host;
        return d;
    }
    if (upper.rfind("COM", 0) == 0 && soDigitos(upper.substr(3))) {
        d.Tipo = TipoPorta::Serial;
        d.Caminho = porta;
        return d;
    }
    if (upper.rfind("LPT", 0) == 0) {
        d.Tipo = TipoPorta::Paralela;
    } else if (upper.rfind("RAW:", 0) == 0) {
        d.Tipo = TipoPorta::Raw;
    } else if (upper.rfind("USB", 0) == 0) {
        d.Tipo = TipoPorta::Usb;
    } else if (upper.rfind("BTH:", 0) == 0) {
        d.Tipo = TipoPorta::Bluetooth;
    } else if (!porta.empty() && (porta[0] == '/' || porta[0] == '\\')) {
        d.Tipo = TipoPorta::Serial;
    }
    d.Caminho = porta;
    return d;
}

TDispositivo::TDispositivo() : fFabrica(abrirPadrao), fRelogio(&RelogioReal()) {}

TDispositivo::~TDispositivo() {
    Desativar();
}

void TDispositivo::setRelogio(Relogio* relogio) {
    fRelogio = relogio ? relogio : &RelogioReal();
}

void TDispositivo::setPorta(const std::string& porta) {
    if (porta == fPorta)
        return;
    if (Ativo())
        throw EDispositivo("Não é possível mudar a Porta com o Dispositivo Ativo");
    fPorta = porta;
}

void TDispositivo::setHandShake(THandShake valor) {
    fConfig.HandShake = valor;
    fConfig.SoftFlow = valor == THandShake::hsXON_XOFF;
    fConfig.HardFlow = valor == THandShake::hsRTS_CTS;
}

void TDispositivo::SetDefaultValues() {
    fConfig = ConfiguracaoSerial{};
}

void TDispositivo::Ativar() {
    if (Ativo())
        return;
    fBuffer.clear();
    fConexao = fFabrica(*this);
    if (!fConexao)
        throw EDispositivo("Não foi possível abrir a porta " + fPorta);
}

void TDispositivo::Desativar() {
    fConexao.reset();
    fBuffer.clear();
}

Conexao& TDispositivo::conexao(const char* operacao) {
    if (!fConexao)
        throw EDispositivo(std::string("Porta ") + fPorta + " fechada: não é possível " + operacao);
    return *fConexao;
}

int TDispositivo::TimeOutEfetivo(int milissegundos) const {
    return milissegundos < 1 ? std::max(0, fTimeOut) * 1000 : milissegundos;
}

void TDispositivo::FalhaTempo() const {
    throw EDispositivo("Tempo esgotado esperando resposta na porta " + fPorta);
}

bool TDispositivo::Receber(int milissegundos) {
    Conexao& c = conexao("receber");
    std::string chegou = c.LerDisponivel();
    if (chegou.empty() && milissegundos > 0 && c.EsperarDados(milissegundos))
        chegou = c.LerDisponivel();
    fBuffer += chegou;
    return !chegou.empty();
}

std::string TDispositivo::LeString(int ATimeOutMilissegundos, int NumBytes, const std::string& Terminador) {
    conexao("receber");
    const int espera = TimeOutEfetivo(ATimeOutMilissegundos);
    const std::int64_t limite = fRelogio->AgoraMs() + espera;
    auto restante = [&] { return static_cast<int>(std::max<std::int64_t>(0, limite - fRelogio->AgoraMs())); };

    if (NumBytes >= 1) {
        const auto n = static_cast<std::size_t>(NumBytes);
        while (fBuffer.size() < n) {
            const int falta = restante();
            if (!Receber(falta) && falta == 0)
                FalhaTempo();
        }
        std::string out = fBuffer.substr(0, n);
        fBuffer.erase(0, n);
        return out;
    }
    if (!Terminador.empty()) {
        std::size_t achado;
        while ((achado = fBuffer.find(Terminador)) == std::string::npos) {
            const int falta = restante();
            if (!Receber(falta) && falta == 0)
                FalhaTempo();
        }
        std::string out = fBuffer.substr(0, achado);
        fBuffer.erase(0, achado + Terminador.size());
        return out;
    }
    if (fBuffer.empty())
        Receber(espera);
    else
        Receber(0);
    if (fBuffer.empty())
        FalhaTempo();
    std::string out;
    out.swap(fBuffer);
    return out;
}

void TDispositivo::EnviaString(const std::string& AString) {
    conexao("enviar").Enviar(AString);
}

void TDispositivo::Limpar() {
    fBuffer.clear();
    if (fConexao)
        fConexao->DescartarEntrada();
}

int TDispositivo::BytesParaLer() {
    if (!fConexao)
        return static_cast<int>(fBuffer.size());
    return static_cast<int>(fBuffer.size() + fConexao->BytesDisponiveis());
}

std::string TDispositivo::DeviceToString() const {
    DescricaoPorta d = AnalisarPorta(fPorta);
    if (d.Tipo == TipoPorta::Tcp)
        return "Porta: " + fPorta + ", TimeOut: " + std::to_string(fTimeOut) + "s";
    return "Porta: " + fPorta + ", Baud: " + std::to_string(fConfig.Baud) +
           ", Data: " + std::to_string(fConfig.Data) + ", Parity: " + nomeParidade(fConfig.Parity) +
           ", Stop: " + nomeParada(fConfig.Stop) + ", HandShake: " + nomeHandShake(fConfig.HandShake) +
           ", TimeOut: " + std::to_string(fTimeOut) + "s";
}

void TDispositivo::AcharPortasSeriais(std::vector<std::string>& lista, int UltimaPorta) {
    mvf::AcharPortasSeriais(lista, UltimaPorta);
}

void TDispositivo::AcharPortasUSB(std::vector<std::string>& lista) {
    mvf::AcharPortasUSB(lista);
}

bool TDispositivo::EhSerial() const {
    return fConexao && fConexao->Serial();
}

void TDispositivo::SerialPurgar() {
    fBuffer.clear();
    if (EhSerial())
        fConexao->DescartarEntrada();
}

std::string TDispositivo::SerialRecebePacote(int ATimeOutMilissegundos) {
    if (!EhSerial())
        throw EDispositivo("A porta " + fPorta + " não é uma porta serial");
    return LeString(ATimeOutMilissegundos, 0, "");
}

} // namespace mvf
