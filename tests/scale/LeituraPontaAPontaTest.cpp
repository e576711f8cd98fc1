// Real readings: the driver on a TCP socket or a pseudo-terminal, scale-sim at the other end.
#if !defined(_WIN32) && defined(MVF_SCALE_SIM)

#include "Processo.h"

#include "core/Locale.h"
#include "scale/ConversaoPeso.h"
#include "scale/TBalanca.h"

#include <gtest/gtest.h>

namespace mvf {
namespace {

using M = TBalancaModelo;

struct Leitura {
    M modelo;
    std::string passos;
    double esperado;
    int posIni = 0, posFim = 0;
};

std::ostream& operator<<(std::ostream& os, const Leitura& l) {
    return os << NomeModelo(l.modelo) << " " << l.passos;
}

double lerDoSimulador(const Leitura& l, bool pty, int timeout = 3000) {
    std::vector<std::string> args{MVF_SCALE_SIM, "--modelo", NomeModelo(l.modelo), "--sequencia", l.passos};
    if (pty) {
        args.push_back("--pty");
    } else {
        args.push_back("--tcp");
        args.push_back("127.0.0.1:0");
    }
    test::Processo sim(args);
    TBalanca balanca;
    balanca.setModelo(l.modelo);
    if (l.posIni || l.posFim) {
        balanca.setPosIni(l.posIni);
        balanca.setPosFim(l.posFim);
    }
    balanca.setPorta(sim.PrimeiraLinha());
    balanca.Device().setTimeOut(3);
    return balanca.LePeso(timeout);
}

class PontaAPonta : public ::testing::TestWithParam<Leitura> {
protected:
    void SetUp() override { RestaurarSeparadorDecimalBalanca(); }
    ScopedLocale local{Locale::brazilian()};
};

// One reading per kind of cycle: single, repeated, listening only, the special ones, and the
// multi-frame receptions.
const Leitura porTcp[] = {
    {M::balToledo, "1.250", 1.25},
    {M::balFilizola, "instavel;2.5", 2.5},
    {M::balGenerica, "1.250", 1.25, 1, 6},
    {M::balLider, "3.000", 3},
    {M::balUranoPOP, "1.250", 1.25},
    {M::balLibratek, "0.750", 0.75},
    {M::balToledo2180, "1.250", 1.25},
    {M::balLucasTec, "1.250", 1.25},
    {M::balWeighTRUTest, "instavel;1.250", 1.25},
    {M::balMagna, "1.250", 1.25},
    {M::balMarte, "1.250", 1.25, 1, 6},
    {M::balToledo, "negativo", -2},
    {M::balToledo, "sobrecarga", -10},
    {M::balToledo, "1.250/partido", 1.25},
    {M::balToledo, "lixo", 0},
};

TEST_P(PontaAPonta, LeOPesoDoSimuladorPorTcp) {
    EXPECT_DOUBLE_EQ(lerDoSimulador(GetParam(), false), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Tcp, PontaAPonta, ::testing::ValuesIn(porTcp));

class PontaAPontaPty : public PontaAPonta {};

const Leitura porPty[] = {
    {M::balToledo, "1.250", 1.25},      {M::balTrentin, "2.000", 2},           {M::balLider, "1.500", 1.5},
    {M::balToledoTi420, "1.250", 1.25}, {M::balUrano, "instavel;1.250", 1.25},
};

TEST_P(PontaAPontaPty, LeOPesoDoSimuladorPorPseudoTerminal) {
    EXPECT_DOUBLE_EQ(lerDoSimulador(GetParam(), true), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Pty, PontaAPontaPty, ::testing::ValuesIn(porPty));

TEST(PontaAPontaSilencio, BalancaMudaDaFalhaDeLeituraNoTempo) {
    ScopedLocale local{Locale::brazilian()};
    EXPECT_DOUBLE_EQ(lerDoSimulador({M::balToledo, "silencio", -9}, false, 300), -9);
}

TEST(PontaAPontaSilencio, TrentinPorTcpFalha) {
    ScopedLocale local{Locale::brazilian()};
    EXPECT_DOUBLE_EQ(lerDoSimulador({M::balTrentin, "1.000", -9}, false, 300), -9);
}

TEST(PontaAPontaSilencio, PortaAbertaEntreLeiturasSeguidas) {
    ScopedLocale local{Locale::brazilian()};
    test::Processo sim(
        {MVF_SCALE_SIM, "--modelo", "balToledo", "--tcp", "127.0.0.1:0", "--sequencia", "1.000;2.000;3.000"});
    TBalanca balanca;
    balanca.setModelo(M::balToledo);
    balanca.setPorta(sim.PrimeiraLinha());
    balanca.Ativar();
    EXPECT_DOUBLE_EQ(balanca.LePeso(2000), 1);
    EXPECT_DOUBLE_EQ(balanca.LePeso(2000), 2);
    EXPECT_DOUBLE_EQ(balanca.LePeso(2000), 3);
    EXPECT_TRUE(balanca.Ativo());
}

#ifdef MVF_CLI

TEST(ComandoBalanca, LerImprimePesoRespostaEMensagem) {
    test::Processo sim({MVF_SCALE_SIM, "--modelo", "balToledo", "--tcp", "127.0.0.1:0", "--peso", "1.250"});
    auto [saida, codigo] = test::Executar(std::string("LANG=C ") + MVF_CLI +
                                          " balanca ler --modelo balToledo --porta " + sim.PrimeiraLinha());
    EXPECT_EQ(codigo, 0);
    EXPECT_EQ(saida, "1,250\n#2 0 0 1 2 5 0 #13 \nLeitura OK !\n");
}

TEST(ComandoBalanca, LerPorPseudoTerminalComConfiguracoesSeriais) {
    test::Processo sim({MVF_SCALE_SIM, "--modelo", "2", "--pty", "--peso", "0.5"});
    auto [saida, codigo] = test::Executar(
        std::string("LANG=C ") + MVF_CLI + " balanca ler --modelo 2 --porta " + sim.PrimeiraLinha() +
        " --baud 4800 --data 7 --paridade even --stop 2 --handshake xonxoff");
    EXPECT_EQ(codigo, 0);
    EXPECT_EQ(saida.substr(0, 6), "0,500\n");
}

TEST(ComandoBalanca, LerSemPesoSaiComUm) {
    test::Processo sim(
        {MVF_SCALE_SIM, "--modelo", "balToledo", "--tcp", "127.0.0.1:0", "--sequencia", "instavel"});
    auto [saida, codigo] =
        test::Executar(std::string("LANG=C ") + MVF_CLI + " balanca ler --modelo balToledo --porta " +
                       sim.PrimeiraLinha() + " --timeout 500");
    EXPECT_EQ(codigo, 1);
    EXPECT_NE(saida.find("Peso Instavel !"), std::string::npos) << saida;
}

TEST(ComandoBalanca, InterpretarImprimeUmValorPorResposta) {
    auto [saida, codigo] = test::Executar(
        std::string(MVF_CLI) + " balanca interpretar --modelo balToledo --hex '02 30 30 31 32 35 30 0D'"
                               " --hex '02494949494949 0d' --hex '' --hex 022D3030302E3530300D");
    EXPECT_EQ(codigo, 0);
    EXPECT_EQ(saida, "1.25\n-1\n0\n-2\n");
}

TEST(ComandoBalanca, InterpretarComPosicoesEDecimal) {
    auto [saida, codigo] = test::Executar(
        std::string(MVF_CLI) + " balanca interpretar --modelo 16 --pos-ini 3 --pos-fim 6"
                               " --hex 78783030313235307979 --hex 787830312e3235307979 --decimal .");
    EXPECT_EQ(codigo, 0);
    EXPECT_EQ(saida, "1.25\n1.25\n");
    auto [s2, c2] =
        test::Executar(std::string(MVF_CLI) +
                       " balanca interpretar --modelo balToledo9091_8530_8540 --hex 023030203030313235300d");
    EXPECT_EQ(s2, "1250\n");
}

TEST(ComandoBalanca, ErrosDeUsoSaemComDois) {
    for (const char* args :
         {"balanca interpretar --modelo 39 --hex 00", "balanca interpretar --modelo 2 --hex 0",
          "balanca interpretar --modelo 2", "balanca ler --modelo 2", "balanca pesar",
          "balanca ler --modelo 2 --porta COM1 --paridade x"}) {
        auto [saida, codigo] = test::Executar(std::string(MVF_CLI) + " " + args + " 2>/dev/null");
        EXPECT_EQ(codigo, 2) << args;
    }
}

TEST(ComandoBalanca, PortaQueNaoAbreSaiComUm) {
    auto [saida, codigo] =
        test::Executar(std::string(MVF_CLI) + " balanca ler --modelo 2 --porta /dev/nao-existe 2>&1");
    EXPECT_EQ(codigo, 1);
    EXPECT_NE(saida.find("/dev/nao-existe"), std::string::npos);
}

#endif

} // namespace
} // namespace mvf

#endif
