#include "BalancaFalsa.h"

#include "core/Locale.h"
#include "scale/ConversaoPeso.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace mvf {
namespace {

using test::BalancaRoteirizada;
using ::testing::ElementsAre;

const std::string STX = "\x02", ETX = "\x03", CR = "\r", ENQ = "\x05";

class CicloBalanca : public ::testing::Test {
protected:
    void SetUp() override { RestaurarSeparadorDecimalBalanca(); }
    ScopedLocale local{Locale::brazilian()};
};

TEST_F(CicloBalanca, LePesoAbreLeEFechaUmaBalancaInativa) {
    BalancaRoteirizada b(TBalancaModelo::balToledo);
    b.roteiro->responderEmSequencia({STX + "001250" + CR});
    double recebido = 0;
    std::string resposta;
    b->setOnLePeso([&](double p, const std::string& r) {
        recebido = p;
        resposta = r;
    });
    EXPECT_DOUBLE_EQ(b->LePeso(3000), 1.25);
    EXPECT_DOUBLE_EQ(recebido, 1.25);
    EXPECT_EQ(resposta, STX + "001250" + CR);
    EXPECT_THAT(b.roteiro->enviados, ElementsAre(ENQ));
    EXPECT_EQ(b.roteiro->aberturas, 1);
    EXPECT_FALSE(b.roteiro->aberta);
    EXPECT_FALSE(b->Ativo());
    // The single cycle pauses 200 ms between request and reading.
    EXPECT_THAT(b.relogio.dormidas, ElementsAre(200));
}

TEST_F(CicloBalanca, LePesoDeixaAbertaUmaBalancaAtiva) {
    BalancaRoteirizada b(TBalancaModelo::balToledo);
    b.roteiro->responderEmSequencia({STX + "001250" + CR});
    b->Ativar();
    EXPECT_DOUBLE_EQ(b->LePeso(3000), 1.25);
    EXPECT_TRUE(b->Ativo());
    EXPECT_TRUE(b.roteiro->aberta);
    EXPECT_EQ(b.roteiro->aberturas, 1);
}

TEST_F(CicloBalanca, UmaPortaQueNaoRespondeDaFalhaDeLeitura) {
    BalancaRoteirizada b(TBalancaModelo::balToledo);
    const auto antes = b.relogio.agora;
    EXPECT_DOUBLE_EQ(b->LePeso(3000), -9);
    EXPECT_EQ(b.relogio.agora - antes, 3200);
    EXPECT_DOUBLE_EQ(b->UltimoPesoLido(), -9);
}

TEST_F(CicloBalanca, ErroAoAbrirAPortaSaiDoLePesoComOEstadoRestaurado) {
    BalancaRoteirizada b(TBalancaModelo::balToledo);
    b->setMonitorarBalanca(true);
    b.roteiro->falharAoAbrir = true;
    EXPECT_THROW(b->LePeso(1000), EDispositivo);
    EXPECT_FALSE(b->Ativo());
    EXPECT_TRUE(b->MonitorarBalanca());
}

TEST_F(CicloBalanca, MonitoramentoPausaDuranteALeituraEVolta) {
    BalancaRoteirizada b(TBalancaModelo::balToledo);
    b->Ativar();
    b->setMonitorarBalanca(true);
    EXPECT_TRUE(b.temporizador->habilitado);
    bool habilitadoDurante = true;
    b.roteiro->aoEnviar = [&](const std::string&) {
        habilitadoDurante = b.temporizador->habilitado;
        b.roteiro->responder(STX + "001250" + CR, 5);
    };
    EXPECT_DOUBLE_EQ(b->LePeso(1000), 1.25);
    EXPECT_FALSE(habilitadoDurante);
    EXPECT_TRUE(b.temporizador->habilitado);
    EXPECT_TRUE(b->MonitorarBalanca());
}

TEST_F(CicloBalanca, MonitoramentoLeSoQuandoABalancaMandouAlgo) {
    BalancaRoteirizada b(TBalancaModelo::balToledo);
    std::vector<double> lidos;
    b->setOnLePeso([&](double p, const std::string&) { lidos.push_back(p); });
    b->setMonitorarBalanca(true);
    EXPECT_FALSE(b.temporizador->habilitado) << "inactive scale";
    b->Ativar();
    EXPECT_TRUE(b.temporizador->habilitado);
    b.temporizador->disparar();
    EXPECT_TRUE(lidos.empty());
    b.roteiro->responder(STX + "002000" + CR);
    b.temporizador->disparar();
    EXPECT_THAT(lidos, ElementsAre(2.0));
    EXPECT_TRUE(b.roteiro->enviados.empty()) << "monitoring never asks";
    EXPECT_TRUE(b.temporizador->habilitado);
    b->setIntervalo(0);
    EXPECT_FALSE(b.temporizador->habilitado);
    b->setIntervalo(300);
    EXPECT_TRUE(b.temporizador->habilitado);
    b->Desativar();
    EXPECT_FALSE(b.temporizador->habilitado);
}

TEST_F(CicloBalanca, GenericaRepeteEnquantoInstavelAteOTempo) {
    BalancaRoteirizada b(TBalancaModelo::balGenerica);
    b->setPosIni(1);
    b->setPosFim(6);
    b.roteiro->responderEmSequencia({"IIIIII"});
    const auto antes = b.relogio.agora;
    EXPECT_DOUBLE_EQ(b->LePeso(3000), -1);
    EXPECT_GE(b.relogio.agora - antes, 3000);
    EXPECT_GE(b.roteiro->enviados.size(), 2u);
}

TEST_F(CicloBalanca, GenericaParaNoPrimeiroResultadoQueNaoEInstavel) {
    BalancaRoteirizada b(TBalancaModelo::balNenhum);
    b->setPosIni(1);
    b->setPosFim(6);
    b.roteiro->responderEmSequencia({"IIIIII", "IIIIII", "001250"});
    EXPECT_DOUBLE_EQ(b->LePeso(10000), 1.25);
    EXPECT_EQ(b.roteiro->enviados.size(), 3u);

    BalancaRoteirizada zero(TBalancaModelo::balNenhum);
    zero->setPosIni(1);
    zero->setPosFim(6);
    zero.roteiro->responderEmSequencia({"000000"});
    EXPECT_DOUBLE_EQ(zero->LePeso(10000), 0);
    EXPECT_EQ(zero.roteiro->enviados.size(), 1u);
}

TEST_F(CicloBalanca, TempoNaoPositivoDevolveInstavelSemTrafego) {
    BalancaRoteirizada b(TBalancaModelo::balNenhum);
    b->Ativar();
    EXPECT_DOUBLE_EQ(b->BAL().EsperarPesoValido(0, true), -1);
    EXPECT_TRUE(b.roteiro->enviados.empty());
}

TEST_F(CicloBalanca, CadaLeituraDaGenericaEsperaAoMenosUmSegundo) {
    BalancaRoteirizada b(TBalancaModelo::balNenhum);
    b->setPosIni(1);
    b->setPosFim(6);
    b->Ativar();
    const auto antes = b.relogio.agora;
    EXPECT_DOUBLE_EQ(b->BAL().EsperarPesoValido(100, false), -9);
    EXPECT_EQ(b.relogio.agora - antes, 1000);
}

TEST_F(CicloBalanca, TrocarModeloComBalancaAtivaERecusado) {
    BalancaRoteirizada b(TBalancaModelo::balToledo);
    b->Ativar();
    try {
        b->setModelo(TBalancaModelo::balFilizola);
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Não é possível mudar o Modelo com Balanca Ativo");
    }
    EXPECT_EQ(b->Modelo(), TBalancaModelo::balToledo);
    EXPECT_EQ(b->ModeloStr(), "Toledo");
}

TEST_F(CicloBalanca, TrocarModeloLevaLogEPosicoesEReiniciaAPorta) {
    BalancaRoteirizada b(TBalancaModelo::balNenhum);
    b->setPosIni(3);
    b->setPosFim(6);
    b->setArqLOG("/tmp/x.log");
    int chamadas = 0;
    b->setOnGravarLog([&](const std::string&, bool& tratado) {
        ++chamadas;
        tratado = true;
    });
    b->Device().setBaud(4800);
    b->setModelo(TBalancaModelo::balNenhum); // same value: nothing changes
    EXPECT_EQ(b->Device().Baud(), 4800);
    b->setModelo(TBalancaModelo::balToledo);
    EXPECT_EQ(b->Device().Baud(), 9600);
    EXPECT_EQ(b->PosIni(), 3);
    EXPECT_EQ(b->PosFim(), 6);
    EXPECT_EQ(b->ArqLOG(), "/tmp/x.log");
    b->InterpretarRepostaPeso("x");
    b->BAL().RegistrarLog("linha");
    EXPECT_EQ(chamadas, 1);
}

TEST_F(CicloBalanca, EnviarPrecoKgSoExisteNaToledo) {
    BalancaRoteirizada b(TBalancaModelo::balFilizola);
    try {
        b->EnviarPrecoKg(Currency::fromDecimalText("12.34"));
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_EQ(std::string(e.what()), "Modelo " + b->ModeloStr() + " não possui essa funcionalidade");
    }
    EXPECT_FALSE(b->Ativo());

    BalancaRoteirizada t(TBalancaModelo::balToledo);
    t.roteiro->responderEmSequencia({"\x06"});
    EXPECT_TRUE(t->EnviarPrecoKg(Currency::fromDecimalText("12.345")));
    EXPECT_THAT(t.roteiro->enviados, ElementsAre(STX + "001235" + ETX));
    EXPECT_FALSE(t->Ativo());
    t.roteiro->responderEmSequencia({"\x15"});
    EXPECT_FALSE(t->EnviarPrecoKg(Currency::fromDecimalText("1234567.89")));
    EXPECT_EQ(t.roteiro->enviados.back(), STX + "123456" + ETX);
}

TEST_F(CicloBalanca, GenericaLeAsPosicoesPedidas) {
    BalancaRoteirizada b(TBalancaModelo::balGenerica);
    struct Caso {
        int ini, fim;
        std::string resposta;
        double esperado;
    };
    const Caso casos[] = {
        {0, 0, "xx001250yy", 0},
        {3, 6, "xx001250yy", 1.25},
        {3, 6, "xx01,250yy", 1.25},
        {3, 6, "xxIIIIIIyy", -1},
        {3, 6, "xxNNNNNNyy", -2},
        {3, 6, "xxSSSSSSyy", -10},
        {3, 6, "xx??????yy", 0},
        {3, 6, "", 0},
        {3, 6, "xx", 0},
        {0, 6, "001.250", 1.25},
        {3, 6, "xx01.250yy", 1.25},
    };
    for (const auto& c : casos) {
        b->setPosIni(c.ini);
        b->setPosFim(c.fim);
        EXPECT_DOUBLE_EQ(b->InterpretarRepostaPeso(c.resposta), c.esperado) << c.resposta;
    }
}

TEST_F(CicloBalanca, ArquivoDeLogRecebeBannerPedidoRespostaEResultado) {
    test::TempDir pasta;
    BalancaRoteirizada b(TBalancaModelo::balToledo);
    b->setPorta("TCP:127.0.0.1:9100");
    const std::string arquivo = (pasta / "balanca.log").string();
    b->setArqLOG(arquivo);
    b.roteiro->responderEmSequencia({STX + "001250" + CR});
    b->LePeso(1000);
    const std::string log = pasta.read("balanca.log");
    EXPECT_NE(log.find(std::string(80, '-')), std::string::npos);
    EXPECT_NE(log.find(" - Modelo: Toledo - Porta: TCP:127.0.0.1:9100         Device: "), std::string::npos);
    EXPECT_NE(log.find(" TX -> " + ENQ), std::string::npos);
    EXPECT_NE(log.find(" RX <- " + STX + "001250" + CR), std::string::npos);
    EXPECT_NE(log.find("              UltimoPesoLido: 1,25 - Resposta: " + STX + "001250" + CR +
                       " - Protocolo: Protocolo C"),
              std::string::npos);
    EXPECT_EQ(log.rfind("-- ", 0), 0u);
}

TEST_F(CicloBalanca, SemArquivoNemHandlerOLogNaoVaiParaLugarNenhum) {
    BalancaRoteirizada b(TBalancaModelo::balToledo);
    std::vector<std::string> linhas;
    b->setOnGravarLog([&](const std::string& l, bool&) { linhas.push_back(l); });
    b.roteiro->responderEmSequencia({STX + "001250" + CR});
    b->LePeso(1000);
    ASSERT_EQ(linhas.size(), 4u);
    EXPECT_NE(linhas[1].find(" TX -> "), std::string::npos);
    EXPECT_NE(linhas[2].find(" RX <- "), std::string::npos);
    EXPECT_EQ(linhas[3].rfind("              UltimoPesoLido: 1,25", 0), 0u);
}

} // namespace
} // namespace mvf
