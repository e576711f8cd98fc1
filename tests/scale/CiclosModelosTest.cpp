#include "BalancaFalsa.h"

#include "core/Locale.h"
#include "scale/ConversaoPeso.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace mvf {
namespace {

using test::BalancaRoteirizada;
using ::testing::ElementsAre;
using M = TBalancaModelo;

const std::string STX = "\x02", ETX = "\x03", CR = "\r", ENQ = "\x05";

class CicloModelo : public ::testing::Test {
protected:
    void SetUp() override { RestaurarSeparadorDecimalBalanca(); }
    ScopedLocale local{Locale::brazilian()};
};

TEST_F(CicloModelo, CadaModeloPedeOPesoDoSeuJeito) {
    struct Caso {
        M modelo;
        std::vector<std::string> pedido;
    };
    const Caso casos[] = {
        {M::balToledo, {ENQ}},      {M::balMagna, {"P"}},        {M::balMagellan, {"W"}},
        {M::balUranoUDC, {"\x04"}}, {M::balMarte, {ENQ, "D05"}}, {M::balWeighTRUTest, {"{RW}"}},
        {M::balPrecision, {}},      {M::balLenkeLK2500, {}},     {M::balLider, {}},
        {M::balLibratek, {}},       {M::balToledo2090, {ENQ}},   {M::balTrentin, {ENQ}},
    };
    for (const auto& c : casos) {
        BalancaRoteirizada b(c.modelo);
        b->Ativar();
        b->SolicitarPeso();
        EXPECT_EQ(b.roteiro->enviados, c.pedido) << NomeModelo(c.modelo);
    }
}

TEST_F(CicloModelo, Toledo2090NaoDescartaOQueJaChegou) {
    BalancaRoteirizada b(M::balToledo2090);
    b->Ativar();
    b.roteiro->responder("lixo" + CR);
    b->SolicitarPeso();
    b.roteiro->responder(STX + "ax 0001250abcde" + CR);
    b->BAL().LeSerial(1000);
    EXPECT_DOUBLE_EQ(b->UltimoPesoLido(), 1.25);

    BalancaRoteirizada t(M::balToledo);
    t->Ativar();
    t.roteiro->responder("velho");
    t->SolicitarPeso();
    t.roteiro->responder(STX + "001250" + CR);
    t->BAL().LeSerial(1000);
    EXPECT_EQ(t->UltimaResposta(), STX + "001250" + CR);
}

TEST_F(CicloModelo, Toledo2180ExigeOsTresUltimosQuadrosIguais) {
    const std::string q1 = "`001.000" + CR, q2 = "`001.250" + CR, q3 = "`001.260" + CR;
    BalancaRoteirizada b(M::balToledo2180);
    b.roteiro->responderEmSequencia({q1 + q1 + q2 + q2 + q2});
    EXPECT_DOUBLE_EQ(b->LePeso(1000), 1.25);

    BalancaRoteirizada instavel(M::balToledoTi420);
    instavel.roteiro->responderEmSequencia({q2 + q2 + q2 + q2 + q3});
    EXPECT_DOUBLE_EQ(instavel->LePeso(1000), -1);

    BalancaRoteirizada corte(M::balToledo2180);
    corte.roteiro->responderEmSequencia({q2 + q2 + q2});
    EXPECT_DOUBLE_EQ(corte->LePeso(1000), -9);
}

TEST_F(CicloModelo, Toledo2180AceitaQuadrosPartidosEmPacotes) {
    BalancaRoteirizada b(M::balToledo2180);
    b->Ativar();
    b.roteiro->aoEnviar = [&](const std::string&) {
        b.roteiro->responder("`001.2", 5);
        b.roteiro->responder("50" + CR + "`001.250" + CR + "`001.250" + CR + "`001", 10);
        b.roteiro->responder(".250" + CR + "`001.250" + CR, 30);
    };
    EXPECT_DOUBLE_EQ(b->LePeso(1000), 1.25);
}

TEST_F(CicloModelo, LucasTecLeQuatroQuadros) {
    const std::string q = STX + "L 1,250 kg L T 0,000 kg T B 1,250 kg B " + CR;
    const std::string outro = STX + "L 1,000 kg L T 0,000 kg T B 1,000 kg B " + CR;
    BalancaRoteirizada b(M::balLucasTec);
    b.roteiro->responderEmSequencia({outro + q + q + q});
    EXPECT_DOUBLE_EQ(b->LePeso(1000), 1.25);

    BalancaRoteirizada diferente(M::balLucasTec);
    diferente.roteiro->responderEmSequencia({q + q + q + outro});
    EXPECT_DOUBLE_EQ(diferente->LePeso(1000), -1);

    BalancaRoteirizada falha(M::balLucasTec);
    falha.roteiro->responderEmSequencia({q + q});
    EXPECT_DOUBLE_EQ(falha->LePeso(1000), -9);
    EXPECT_FALSE(falha->UltimaResposta().empty()) << "the error's message";
}

TEST_F(CicloModelo, UranoPOPEsperaMaisEFazUmaLeitura) {
    BalancaRoteirizada b(M::balUranoPOP);
    b.roteiro->responderEmSequencia({"PESO L: 1,250kg   "});
    EXPECT_DOUBLE_EQ(b->LePeso(3000), 1.25);
    EXPECT_THAT(b.relogio.dormidas, ElementsAre(600));
    EXPECT_EQ(b.roteiro->enviados.size(), 1u);
}

TEST_F(CicloModelo, LiderSoEscutaERepeteEnquantoInstavel) {
    BalancaRoteirizada b(M::balLider);
    b->Ativar();
    b.roteiro->responder(" 1.250I" + STX, 100);
    b.roteiro->responder(" 1.250E" + STX, 1500);
    EXPECT_DOUBLE_EQ(b->LePeso(5000), 1.25);
    EXPECT_TRUE(b.roteiro->enviados.empty());
}

TEST_F(CicloModelo, LibratekEscutaAtePesoPositivoOuTempo) {
    BalancaRoteirizada b(M::balLibratek);
    b->Ativar();
    b.roteiro->responder("US,GS, 001.250 kg", 100);
    b.roteiro->responder("ST,GS, 000.000 kg", 300);
    b.roteiro->responder("ST,GS, 001.250 kg", 500);
    EXPECT_DOUBLE_EQ(b->LePeso(3000), 1.25);
    EXPECT_TRUE(b.roteiro->enviados.empty());

    BalancaRoteirizada instavel(M::balLibratek);
    instavel->Ativar();
    instavel.roteiro->responder("US,GS, 001.250 kg", 100);
    const auto antes = instavel.relogio.agora;
    EXPECT_DOUBLE_EQ(instavel->LePeso(2000), -9) << "the last read timed out";
    EXPECT_EQ(instavel.relogio.agora - antes, 2000);
}

TEST_F(CicloModelo, TrentinLeDaPortaSerialDireto) {
    BalancaRoteirizada b(M::balTrentin, true);
    b.roteiro->responderEmSequencia({STX + "x0001250" + CR});
    std::vector<std::string> log;
    b->setOnGravarLog([&](const std::string& l, bool&) { log.push_back(l); });
    EXPECT_DOUBLE_EQ(b->LePeso(1000), 1.25);
    EXPECT_EQ(log.size(), 1u) << "only the banner; requests and answers are not logged";

    BalancaRoteirizada tcp(M::balTrentin, false);
    tcp.roteiro->responderEmSequencia({STX + "x0001250" + CR});
    EXPECT_DOUBLE_EQ(tcp->LePeso(1000), -9);
}

TEST_F(CicloModelo, TruTestLeOQueEstaEsperandoComPoucoTempo) {
    BalancaRoteirizada b(M::balWeighTRUTest);
    b.roteiro->responderEmSequencia({"[U]", "[1.250]"}, 50);
    EXPECT_DOUBLE_EQ(b->LePeso(5000), 1.25);
    EXPECT_EQ(b.roteiro->enviados.size(), 2u);

    BalancaRoteirizada mudo(M::balWeighTRUTest);
    mudo->Ativar();
    const auto antes = mudo.relogio.agora;
    mudo->BAL().LeSerial(5000);
    EXPECT_DOUBLE_EQ(mudo->UltimoPesoLido(), -9);
    EXPECT_EQ(mudo.relogio.agora - antes, 200) << "its own short wait, not the one given";
}

TEST_F(CicloModelo, ModelosDeCicloRepetidoPedemDeNovoEnquantoInstavel) {
    struct Caso {
        M modelo;
        std::string instavel, estavel;
        double peso;
    };
    const Caso casos[] = {
        {M::balFilizola, STX + "IIIIII" + ETX, STX + "001250" + ETX, 1.25},
        {M::balUrano, " xPESO L: 1,250kg", "PESO L: 1,250kg", 1.25},
        {M::balRinnert, "+IIIIII", "+01.250", 1.25},
        {M::balMarelCG62XL, STX + std::string(13, 'x') + "IIIIIIIII",
         STX + std::string(13, 'x') + "  1.250  ", 1.25},
        {M::balWeightechWT1000, "\n1" + std::string(17, ' ') + "001.250",
         "\n0" + std::string(17, ' ') + "001.250", 1.25},
    };
    for (const auto& c : casos) {
        BalancaRoteirizada b(c.modelo);
        b.roteiro->responderEmSequencia({c.instavel, c.estavel});
        EXPECT_DOUBLE_EQ(b->LePeso(5000), c.peso) << NomeModelo(c.modelo);
        EXPECT_EQ(b.roteiro->enviados.size(), 2u) << NomeModelo(c.modelo);
    }
}

TEST_F(CicloModelo, ModelosDeCicloSimplesNaoRepetem) {
    BalancaRoteirizada b(M::balDigitron);
    b.roteiro->responderEmSequencia({"IIIIII", "000125"});
    EXPECT_DOUBLE_EQ(b->LePeso(5000), -1);
    EXPECT_EQ(b.roteiro->enviados.size(), 1u);
}

} // namespace
} // namespace mvf
