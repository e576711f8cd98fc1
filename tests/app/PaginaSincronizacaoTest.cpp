#include "app/pages/PaginaSincronizacao.h"

#include "JanelaFixture.h"
#include "app/ThreadUi.h"
#include "app/pages/ImagemAnimada.h"
#include "app/pages/PaginaConfBal.h"
#include "app/pages/PaginaLog.h"
#include "app/pages/PaginaLogin.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <stdexcept>
#include <vector>

namespace mvf {

namespace {

// The synchronisation page over a stand-in data layer that reports a few steps, optionally fails
// after them, and records what the page showed at each step.
class SincronizacaoFixture : public test::JanelaFixture {
protected:
    std::vector<std::string> passos = {"Obtendo autorização...", "Vendedores...", "Vendedores - 1 de 2",
                                       "Produtos...", "Produtos - 2 de 2"};
    std::string falha; // thrown after the steps when not empty
    std::vector<std::string> statusVistos;
    bool botaoHabilitadoDuranteExecucao = true;
    bool animadoDuranteExecucao = false;
    int conclusoes = 0;
    std::string ultima = "Data da ultima sicronização : 11/12/2026 10:00:00";

    PaginaSincronizacao& pagina() { return *janela->_abaSincronizacao; }

    void SetUp() override {
        test::JanelaFixture::SetUp();
        criar();
        ServicoSincronizacao s;
        s.Sincronizar = [this](StatusDados& status) {
            for (const std::string& passo : passos) {
                status.setTexto(passo);
                ExecutarNaThreadUi([this] {
                    statusVistos.push_back(pagina()._lblStatus->text().toStdString());
                    botaoHabilitadoDuranteExecucao = pagina()._btnSincronizar->isEnabled();
                    animadoDuranteExecucao = pagina()._imgSinc->animado();
                });
            }
            if (!falha.empty())
                throw std::runtime_error(falha);
            status.produtosAtualizados(10, "Produtos Atualizados - 11/12/2026 10:00:00");
        };
        s.Concluir = [this] {
            ++conclusoes;
            return ultima;
        };
        pagina().setServico(s);
    }

    void sincronizar() {
        QTest::mouseClick(pagina()._btnSincronizar, Qt::LeftButton);
        janela->Workers().AguardarTodos();
    }
};

} // namespace

using Sincronizacao = SincronizacaoFixture;

TEST_F(Sincronizacao, ShowsEachStepWhileRunningAndFinishesEverywhere) {
    lembrado = {"S", "caixa01", "s3nh@"};
    ultimaSincronia = ultima; // what the stored-login reload reads afterwards
    sincronizar();
    EXPECT_EQ(statusVistos, passos);
    EXPECT_FALSE(botaoHabilitadoDuranteExecucao);
    EXPECT_TRUE(animadoDuranteExecucao);
    EXPECT_EQ(conclusoes, 1);
    // At rest again, with the success picture and the new last-synchronisation line on both pages.
    EXPECT_TRUE(pagina()._btnSincronizar->isEnabled());
    EXPECT_FALSE(pagina()._imgSinc->animado());
    EXPECT_TRUE(pagina()._lblStatus->text().isEmpty());
    EXPECT_TRUE(pagina()._imgSucesso->isVisibleTo(&pagina()));
    EXPECT_EQ(pagina()._lblDataHoraSinc->text().toStdString(), ultima);
    EXPECT_EQ(janela->_abaConfBal->_lblUltimaSincFrente->text().toStdString(), ultima);
    EXPECT_EQ(mensagensNaTela(), QStringList{"Dados sincronizado com sucesso!"});
    EXPECT_EQ(janela->_abaLog->_cxmLog->toPlainText(), "Produtos Atualizados - 11/12/2026 10:00:00");
    EXPECT_EQ(janela->_abaLogin->_edtLogin->text(), "caixa01"); // the stored login was reloaded
}

class SincronizacaoFalha : public SincronizacaoFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(SincronizacaoFalha, StopsShowsWhyAndDoesNotFinish) {
    falha = GetParam();
    pagina()._lblDataHoraSinc->setText("antes");
    janela->_abaConfBal->_lblUltimaSincFrente->setText("antes");
    sincronizar();
    EXPECT_EQ(conclusoes, 0);
    EXPECT_EQ(mensagensNaTela(), QStringList{QString::fromUtf8(GetParam())});
    EXPECT_TRUE(pagina()._btnSincronizar->isEnabled());
    EXPECT_FALSE(pagina()._imgSinc->animado());
    EXPECT_TRUE(pagina()._lblStatus->text().isEmpty());
    EXPECT_FALSE(pagina()._imgSucesso->isVisibleTo(&pagina()));
    EXPECT_EQ(pagina()._lblDataHoraSinc->text(), "antes");
    EXPECT_EQ(janela->_abaConfBal->_lblUltimaSincFrente->text(), "antes");
    EXPECT_TRUE(janela->_abaLog->_cxmLog->toPlainText().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Falhas, SincronizacaoFalha,
                         ::testing::Values("falha na conexão com o servidor, verifique sua rede!",
                                           "Empresa sem permissão",
                                           "[json.exception.parse_error.101] parse error"));

TEST_F(Sincronizacao, TheSuccessPictureHidesWhenTheNextRunStarts) {
    sincronizar();
    ASSERT_TRUE(pagina()._imgSucesso->isVisibleTo(&pagina()));
    falha = "Empresa sem permissão";
    QTest::mouseClick(pagina()._btnSincronizar, Qt::LeftButton);
    bool visivelDurante = pagina()._imgSucesso->isVisibleTo(&pagina());
    janela->Workers().AguardarTodos();
    EXPECT_FALSE(visivelDurante);
    EXPECT_FALSE(pagina()._imgSucesso->isVisibleTo(&pagina()));
}

} // namespace mvf
