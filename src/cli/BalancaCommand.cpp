#include "cli/Commands.h"

#include "core/Locale.h"
#include "scale/ConfiguracaoPorta.h"
#include "scale/LeituraTexto.h"
#include "scale/TBalanca.h"
#include "scale/TBalancaModelo.h"

#include <charconv>
#include <iostream>
#include <map>
#include <optional>
#include <stdexcept>

namespace mvf::cli {

namespace {

// A mistake in the command line: printed with the usage, exit code 2.
struct ErroUso : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void uso() {
    std::cerr << "uso:\n"
                 "  mvf balanca interpretar --modelo M --hex HEX [--hex HEX ...] [--pos-ini N --pos-fim N]"
                 " [--decimal C]\n"
                 "  mvf balanca ler --modelo M --porta P [--baud N] [--data N]"
                 " [--paridade none|odd|even|mark|space] [--stop 1|1.5|2]"
                 " [--handshake nenhum|xonxoff|rtscts|dtrdsr] [--timeout MS]\n"
                 "M: o número do modelo (0 a 38) ou o nome (balToledo)\n";
}

// Options given as "--name value"; --hex may repeat.
struct Opcoes {
    std::map<std::string, std::string> valores;
    std::vector<std::string> hex;

    std::optional<std::string> get(const std::string& nome) const {
        auto it = valores.find(nome);
        if (it == valores.end())
            return std::nullopt;
        return it->second;
    }
};

Opcoes lerOpcoes(const std::vector<std::string>& args, std::size_t inicio,
                 const std::vector<std::string>& permitidas) {
    Opcoes o;
    for (std::size_t i = inicio; i < args.size(); ++i) {
        const std::string& nome = args[i];
        bool conhecida = false;
        for (const auto& p : permitidas)
            conhecida = conhecida || p == nome;
        if (!conhecida)
            throw ErroUso("opção desconhecida: " + nome);
        if (i + 1 >= args.size())
            throw ErroUso("falta o valor de " + nome);
        const std::string& valor = args[++i];
        if (nome == "--hex")
            o.hex.push_back(valor);
        else
            o.valores[nome] = valor;
    }
    return o;
}

int inteiro(const std::string& nome, const std::string& texto) {
    int valor = 0;
    auto [p, ec] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (ec != std::errc() || p != texto.data() + texto.size())
        throw ErroUso("valor inválido para " + nome + ": " + texto);
    return valor;
}

TBalancaModelo modelo(const Opcoes& o) {
    auto texto = o.get("--modelo");
    if (!texto)
        throw ErroUso("informe o modelo com --modelo");
    auto m = ModeloPorTexto(*texto);
    if (!m)
        throw ErroUso("modelo desconhecido: " + *texto + " (use 0 a 38 ou o nome, como balToledo)");
    return *m;
}

std::string bytesDeHex(const std::string& hex) {
    std::string out;
    int metade = -1;
    for (char c : hex) {
        if (c == ' ' || c == '\t' || c == ':' || c == '-')
            continue;
        int v;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        else
            throw ErroUso("hexadecimal inválido: " + hex);
        if (metade < 0) {
            metade = v;
        } else {
            out += static_cast<char>(metade * 16 + v);
            metade = -1;
        }
    }
    if (metade >= 0)
        throw ErroUso("hexadecimal com número ímpar de dígitos: " + hex);
    return out;
}

// The shortest text that reads back to the same value, with "." as the decimal point.
std::string textoValor(double valor) {
    if (valor == 0)
        valor = 0; // no "-0"
    char buffer[64];
    auto [p, ec] = std::to_chars(buffer, buffer + sizeof buffer, valor);
    return ec == std::errc() ? std::string(buffer, p) : "nan";
}

void aplicarPosicoes(TBalanca& balanca, const Opcoes& o) {
    if (auto v = o.get("--pos-ini"))
        balanca.setPosIni(inteiro("--pos-ini", *v));
    if (auto v = o.get("--pos-fim"))
        balanca.setPosFim(inteiro("--pos-fim", *v));
}

int interpretar(const std::vector<std::string>& args) {
    Opcoes o = lerOpcoes(args, 1, {"--modelo", "--hex", "--pos-ini", "--pos-fim", "--decimal"});
    const TBalancaModelo m = modelo(o);
    if (o.hex.empty())
        throw ErroUso("informe ao menos uma resposta com --hex");
    std::vector<std::string> respostas;
    for (const auto& h : o.hex)
        respostas.push_back(bytesDeHex(h));

    std::optional<ScopedLocale> localDecimal;
    if (auto d = o.get("--decimal")) {
        if (d->size() != 1)
            throw ErroUso("--decimal espera um único caractere");
        Locale l = Locale::current();
        l.decimalSeparator = (*d)[0];
        l.thousandSeparator = l.decimalSeparator == '.' ? ',' : '.';
        localDecimal.emplace(l);
    }
    TBalanca balanca;
    balanca.setModelo(m);
    aplicarPosicoes(balanca, o);
    for (const auto& r : respostas) {
        double valor;
        try {
            valor = balanca.InterpretarRepostaPeso(r);
        } catch (const std::exception&) {
            // As a reading does: a parser that gives up is a failed reading.
            valor = -9;
        }
        std::cout << textoValor(valor) << "\n";
    }
    return 0;
}

TSerialParity paridade(const std::string& t) {
    static const std::map<std::string, TSerialParity> m = {{"none", TSerialParity::pNone},
                                                           {"odd", TSerialParity::pOdd},
                                                           {"even", TSerialParity::pEven},
                                                           {"mark", TSerialParity::pMark},
                                                           {"space", TSerialParity::pSpace}};
    auto it = m.find(t);
    if (it == m.end())
        throw ErroUso("paridade inválida: " + t);
    return it->second;
}

TSerialStop parada(const std::string& t) {
    if (t == "1")
        return TSerialStop::s1;
    if (t == "1.5" || t == "1,5")
        return TSerialStop::s1eMeio;
    if (t == "2")
        return TSerialStop::s2;
    throw ErroUso("stop bits inválido: " + t);
}

THandShake handshake(const std::string& t) {
    static const std::map<std::string, THandShake> m = {{"nenhum", THandShake::hsNenhum},
                                                        {"xonxoff", THandShake::hsXON_XOFF},
                                                        {"rtscts", THandShake::hsRTS_CTS},
                                                        {"dtrdsr", THandShake::hsDTR_DSR}};
    auto it = m.find(t);
    if (it == m.end())
        throw ErroUso("handshake inválido: " + t);
    return it->second;
}

std::string umaLinha(std::string texto) {
    std::string out;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') {
            out += ' ';
            ++i;
        } else if (texto[i] == '\r' || texto[i] == '\n') {
            out += ' ';
        } else {
            out += texto[i];
        }
    }
    return out;
}

int ler(const std::vector<std::string>& args) {
    Opcoes o = lerOpcoes(args, 1,
                         {"--modelo", "--porta", "--baud", "--data", "--paridade", "--stop", "--handshake",
                          "--timeout", "--pos-ini", "--pos-fim"});
    const TBalancaModelo m = modelo(o);
    auto porta = o.get("--porta");
    if (!porta)
        throw ErroUso("informe a porta com --porta (COM1, /dev/ttyUSB0, TCP:endereço:porta)");
    const int timeout = o.get("--timeout") ? inteiro("--timeout", *o.get("--timeout")) : 3000;

    TBalanca balanca;
    // The model first: a new driver puts the port settings back to their defaults.
    balanca.setModelo(m);
    aplicarPosicoes(balanca, o);
    TDispositivo& d = balanca.Device();
    if (auto v = o.get("--handshake"))
        d.setHandShake(handshake(*v));
    if (auto v = o.get("--paridade"))
        d.setParity(paridade(*v));
    if (auto v = o.get("--stop"))
        d.setStop(parada(*v));
    if (auto v = o.get("--data"))
        d.setData(inteiro("--data", *v));
    if (auto v = o.get("--baud"))
        d.setBaud(inteiro("--baud", *v));
    balanca.setPorta(*porta);

    double lido = 0;
    std::string legivel;
    balanca.setOnLePeso([&](double peso, const std::string& resposta) {
        lido = peso;
        legivel = RespostaLegivel(resposta);
    });
    balanca.LePeso(timeout);
    std::cout << FormatarPeso(lido) << "\n"
              << legivel << "\n"
              << umaLinha(MensagemLeitura(balanca.UltimoPesoLido())) << "\n";
    return lido > 0 ? 0 : 1;
}

} // namespace

int runBalanca(const std::vector<std::string>& args) {
    try {
        if (args.empty())
            throw ErroUso("informe o subcomando: interpretar ou ler");
        if (args[0] == "interpretar")
            return interpretar(args);
        if (args[0] == "ler")
            return ler(args);
        throw ErroUso("subcomando desconhecido: " + args[0]);
    } catch (const ErroUso& e) {
        std::cerr << "mvf balanca: " << e.what() << "\n";
        uso();
        return 2;
    }
}

} // namespace mvf::cli
