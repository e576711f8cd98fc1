#include "BalancaFalsa.h"

#include "scale/TDispositivo.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace mvf {
namespace {

using test::RelogioFalso;
using test::RoteiroBalanca;

// A device on a scripted link, for the receive modes.
struct DispositivoRoteirizado {
    RelogioFalso relogio;
    std::shared_ptr<RoteiroBalanca> roteiro = std::make_shared<RoteiroBalanca>();
    TDispositivo dispositivo;

    DispositivoRoteirizado() {
        roteiro->relogio = &relogio;
        dispositivo.setRelogio(&relogio);
        auto r = roteiro;
        dispositivo.setFabricaConexao(
            [r](const TDispositivo&) { return std::make_unique<test::ConexaoRoteirizada>(r, true); });
        dispositivo.Ativar();
    }
};

TEST(LeString, PorQuantidadeEsperaTodosOsBytes) {
    DispositivoRoteirizado d;
    d.roteiro->responder("abc", 10);
    d.roteiro->responder("defgh", 50);
    EXPECT_EQ(d.dispositivo.LeString(1000, 5), "abcde");
    EXPECT_EQ(d.dispositivo.BytesParaLer(), 3);
    EXPECT_EQ(d.dispositivo.LeString(1000, 3), "fgh");
}

TEST(LeString, PorTerminadorDevolveOAntesEGuardaODepois) {
    DispositivoRoteirizado d;
    d.roteiro->responder("um\r", 10);
    d.roteiro->responder("dois\rtr", 20);
    d.roteiro->responder("es\r", 30);
    EXPECT_EQ(d.dispositivo.LeString(1000, 0, "\r"), "um");
    EXPECT_EQ(d.dispositivo.LeString(1000, 0, "\r"), "dois");
    EXPECT_EQ(d.dispositivo.LeString(1000, 0, "\r"), "tres");
}

TEST(LeString, PacoteDevolveOQueChegouSemEsperarMais) {
    DispositivoRoteirizado d;
    d.roteiro->responder("parte1", 100);
    d.roteiro->responder("parte2", 500);
    const auto antes = d.relogio.agora;
    EXPECT_EQ(d.dispositivo.LeString(1000), "parte1");
    EXPECT_EQ(d.relogio.agora - antes, 100);
    EXPECT_EQ(d.dispositivo.LeString(1000), "parte2");
}

TEST(LeString, NadaChegandoNoTempoELevantaErro) {
    DispositivoRoteirizado d;
    for (int modo = 0; modo < 3; ++modo) {
        const auto antes = d.relogio.agora;
        EXPECT_THROW(d.dispositivo.LeString(300, modo == 0 ? 4 : 0, modo == 1 ? "\r" : ""), EDispositivo);
        EXPECT_EQ(d.relogio.agora - antes, 300) << modo;
    }
    // Incomplete frames also time out, keeping what came for the next call.
    d.roteiro->responder("ab", 10);
    EXPECT_THROW(d.dispositivo.LeString(300, 0, "\r"), EDispositivo);
    EXPECT_EQ(d.dispositivo.LeString(300), "ab");
}

TEST(LeString, TempoAbaixoDeUmUsaOTimeOutDoDispositivo) {
    DispositivoRoteirizado d;
    d.dispositivo.setTimeOut(2);
    const auto antes = d.relogio.agora;
    EXPECT_THROW(d.dispositivo.LeString(0), EDispositivo);
    EXPECT_EQ(d.relogio.agora - antes, 2000);
}

TEST(LeString, LimparDescartaOQueEsperava) {
    DispositivoRoteirizado d;
    d.roteiro->responder("velho\rresto");
    EXPECT_EQ(d.dispositivo.LeString(100, 0, "\r"), "velho");
    d.dispositivo.Limpar();
    EXPECT_EQ(d.dispositivo.BytesParaLer(), 0);
    d.roteiro->responder("novo", 5);
    EXPECT_EQ(d.dispositivo.LeString(100), "novo");
}

TEST(Dispositivo, PortaNaoMudaComODispositivoAtivo) {
    DispositivoRoteirizado d;
    try {
        d.dispositivo.setPorta("COM2");
        FAIL();
    } catch (const EDispositivo& e) {
        EXPECT_STREQ(e.what(), "Não é possível mudar a Porta com o Dispositivo Ativo");
    }
    d.dispositivo.Desativar();
    d.dispositivo.setPorta("COM2");
    EXPECT_EQ(d.dispositivo.Porta(), "COM2");
}

TEST(Dispositivo, TiposDePortaPeloTexto) {
    struct Caso {
        const char* porta;
        TipoPorta tipo;
        const char* caminho;
        int tcp;
    };
    const Caso casos[] = {
        {"COM1", TipoPorta::Serial, "COM1", 9100},
        {"com12", TipoPorta::Serial, "com12", 9100},
        {"/dev/ttyUSB0", TipoPorta::Serial, "/dev/ttyUSB0", 9100},
        {"TCP:192.168.0.10:4001", TipoPorta::Tcp, "192.168.0.10", 4001},
        {"TCP:balanca.local", TipoPorta::Tcp, "balanca.local", 9100},
        {"tcp:[::1]:9200", TipoPorta::Tcp, "::1", 9200},
        {"TCP:host:porta", TipoPorta::Tcp, "host", -1},
        {"LPT1", TipoPorta::Paralela, "LPT1", 9100},
        {"RAW:Impressora", TipoPorta::Raw, "RAW:Impressora", 9100},
        {"USB:lp0", TipoPorta::Usb, "USB:lp0", 9100},
        {"BTH:00:11", TipoPorta::Bluetooth, "BTH:00:11", 9100},
        {"qualquer", TipoPorta::Desconhecida, "qualquer", 9100},
    };
    for (const auto& c : casos) {
        const DescricaoPorta d = AnalisarPorta(c.porta);
        EXPECT_EQ(d.Tipo, c.tipo) << c.porta;
        EXPECT_EQ(d.Caminho, c.caminho) << c.porta;
        EXPECT_EQ(d.PortaTcp, c.tcp) << c.porta;
    }
}

TEST(Dispositivo, PortasQueNaoLeemPesoFalhamComMensagemClara) {
    for (const char* porta :
         {"LPT1", "RAW:Impressora", "USB:lp0", "BTH:00:11", "qualquer", "TCP:host:porta"}) {
        TDispositivo d;
        d.setPorta(porta);
        try {
            d.Ativar();
            FAIL() << porta;
        } catch (const EDispositivo& e) {
            EXPECT_NE(std::string(e.what()).find(porta), std::string::npos) << e.what();
        }
        EXPECT_FALSE(d.Ativo());
    }
}

TEST(Dispositivo, ResumoDasConfiguracoes) {
    TDispositivo d;
    d.setBaud(4800);
    d.setData(7);
    d.setParity(TSerialParity::pEven);
    d.setStop(TSerialStop::s2);
    d.setHandShake(THandShake::hsRTS_CTS);
    EXPECT_EQ(d.DeviceToString(),
              "Porta: COM1, Baud: 4800, Data: 7, Parity: E, Stop: 2, HandShake: RTS/CTS, TimeOut: 1s");
    EXPECT_TRUE(d.HardFlow());
    d.SetDefaultValues();
    EXPECT_EQ(d.Baud(), 9600);
    EXPECT_EQ(d.HandShake(), THandShake::hsNenhum);
}

#ifndef _WIN32

// The scale's side of a pseudo-terminal.
struct Pty {
    int mestre = -1;
    std::string caminho;
    Pty() {
        mestre = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(mestre);
        ::unlockpt(mestre);
        caminho = ::ptsname(mestre);
    }
    ~Pty() { ::close(mestre); }
    void escrever(const std::string& s) const {
        ASSERT_EQ(::write(mestre, s.data(), s.size()), (ssize_t)s.size());
    }
    std::string ler(int ms = 1000) const {
        pollfd p{mestre, POLLIN, 0};
        if (::poll(&p, 1, ms) <= 0)
            return {};
        char b[256];
        ssize_t n = ::read(mestre, b, sizeof b);
        return n > 0 ? std::string(b, static_cast<std::size_t>(n)) : std::string();
    }
};

TEST(PortaSerial, PseudoTerminalEnviaERecebeBytesCrus) {
    Pty pty;
    TDispositivo d;
    d.setPorta(pty.caminho);
    d.setBaud(4800);
    d.setParity(TSerialParity::pEven);
    d.Ativar();
    EXPECT_TRUE(d.EhSerial());
    d.EnviaString(std::string("\x05\r\n\x03", 4));
    EXPECT_EQ(pty.ler(), std::string("\x05\r\n\x03", 4));
    pty.escrever(std::string("\x02 1,250\r\x03\x7f", 10));
    EXPECT_EQ(d.LeString(1000, 10), std::string("\x02 1,250\r\x03\x7f", 10));
    EXPECT_THROW(d.LeString(50), EDispositivo);
}

TEST(PortaSerial, VelocidadesDaListaAbremTodas) {
    Pty pty;
    for (int baud : {110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600}) {
        TDispositivo d;
        d.setPorta(pty.caminho);
        d.setBaud(baud);
        EXPECT_NO_THROW(d.Ativar()) << baud;
    }
    TDispositivo invalida;
    invalida.setPorta(pty.caminho);
    invalida.setBaud(0);
    EXPECT_THROW(invalida.Ativar(), EDispositivo);
}

TEST(PortaSerial, UmaPortaEmUsoNaoAbre) {
    Pty pty;
    TDispositivo primeiro, segundo;
    primeiro.setPorta(pty.caminho);
    segundo.setPorta(pty.caminho);
    primeiro.Ativar();
    try {
        segundo.Ativar();
        FAIL();
    } catch (const EDispositivo& e) {
        EXPECT_NE(std::string(e.what()).find("em uso"), std::string::npos) << e.what();
    }
    primeiro.Desativar();
    EXPECT_NO_THROW(segundo.Ativar());
}

TEST(PortaSerial, PortaInexistenteFalhaComONome) {
    TDispositivo d;
    d.setPorta("/dev/nao-existe-balanca");
    try {
        d.Ativar();
        FAIL();
    } catch (const EDispositivo& e) {
        EXPECT_NE(std::string(e.what()).find("/dev/nao-existe-balanca"), std::string::npos);
    }
}

#endif

} // namespace
} // namespace mvf
