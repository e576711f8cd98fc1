#include "AplicacaoQt.h"
#include "app/GanchosJanela.h"
#include "app/GerenciadorAlertas.h"
#include "app/JanelaAlerta.h"
#include "app/ServicosDados.h"
#include "app/T_frmFerramentasMv.h"
#include "app/Trabalhadores.h"
#include "app/loadtool/ControleCargaBalanca.h"
#include "app/pages/PaginaConfBal.h"
#include "app/pages/PaginaLog.h"
#include "core/IniFile.h"
#include "data/TUsuarioLogado.h"
#include "data/T_dmDados.h"
#include "support/ErpSimProcesso.h"
#include "support/TempDir.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace mvf {

namespace fs = std::filesystem;

namespace {

class Home {
public:
    explicit Home(const fs::path& pasta) {
        if (const char* v = std::getenv("MARIVELTA_HOME"))
            anterior_ = v;
        ::setenv("MARIVELTA_HOME", pasta.c_str(), 1);
    }
    ~Home() {
        if (anterior_)
            ::setenv("MARIVELTA_HOME", anterior_->c_str(), 1);
        else
            ::unsetenv("MARIVELTA_HOME");
    }

private:
    std::optional<std::string> anterior_;
};

class RelogioRapido : public RelogioMonitor {
public:
    DateTime Agora() override { return DateTime::now(); }
    void DormirUmSegundo(const SinalParada& parada) override {
        parada.Aguardar(std::chrono::milliseconds(1));
    }
};

std::size_t linhas(const std::string& texto) {
    std::size_t n = 0;
    for (std::size_t p = texto.find("\r\n"); p != std::string::npos; p = texto.find("\r\n", p + 2))
        ++n;
    return n;
}

} // namespace

// The program's window over a real banco.db, with the products coming from erp-sim over HTTPS.
class GeracaoCargaErpSim : public ::testing::Test {
protected:
    test::TempDir home;
    Home variavel{home.path()};
    std::unique_ptr<test::ErpSimProcesso> erp;
    std::unique_ptr<T_dmDados> dados;
    std::unique_ptr<T_frmFerramentasMv> janela;
    fs::path cargas = home / "cargas";

    void SetUp() override {
        GerenciadorAlertas::Instancia()->DefinirTempos(TemposAlerta{1, 60000, 1});
        fs::create_directories(cargas);
        erp = std::make_unique<test::ErpSimProcesso>(MVF_ERP_SIM, home / "cert", 25);
        dados = std::make_unique<T_dmDados>(home.path());
        dados->ConectarBanco();
        dados->erpConfig().baseUrl = erp->url();
        dados->erpConfig().caFile = erp->ca().string();
        std::string erro;
        ASSERT_TRUE(dados->RetornaUsuario("demo", "demo", erro)) << erro;
        ASSERT_EQ(UsuarioLogado().NomeLogin, "demo");
    }

    void TearDown() override {
        janela.reset();
        ControleCargaBalanca::DefinirRelogioMonitor({});
        for (JanelaAlerta* j : GerenciadorAlertas::Instancia()->Janelas())
            delete j;
        GerenciadorAlertas::Instancia()->DefinirTempos(TemposAlerta{});
    }

    void abrir(const std::string& ini) {
        home.write("balanca.ini", ini);
        janela =
            std::make_unique<T_frmFerramentasMv>(FonteParametrosDe(*dados), GanchosDoPrograma(), dados.get());
        janela->Workers().AguardarTodos();
    }

    static QStringList mensagens() {
        QStringList r;
        for (JanelaAlerta* j : GerenciadorAlertas::Instancia()->Janelas())
            r << j->Mensagem();
        return r;
    }
};

TEST_F(GeracaoCargaErpSim, GerarArquivoFetchesTheProductsAndWritesTheLoad) {
    abrir("[CONFIG]\r\nIDMODELO=8\r\nDIRETORIO_TXT=" + cargas.string() + "\r\nCAMPO=0\r\n");
    QTest::mouseClick(janela->_abaConfBal->_btn2, Qt::LeftButton);
    ASSERT_TRUE(mensagens().isEmpty()) << mensagens().join(" | ").toStdString();

    std::string ramuza = test::readFile(cargas / "RAMUZA_ORIGINAL.TXT");
    auto q = dados->getInstanciaQuery();
    q->setSQL("SELECT count(*) AS N FROM PRODUTO WHERE ATIVO = 'S' AND COD_ORIG <> ''");
    q->open();
    std::int64_t ativos = q->fieldByName("N").asInteger();
    ASSERT_GT(ativos, 0);
    EXPECT_EQ(linhas(ramuza), static_cast<std::size_t>(ativos));

    std::string data = IniFile(home / "balanca.ini").ReadString("CONFIG", "DATA", "");
    EXPECT_FALSE(data.empty());
    EXPECT_EQ(janela->_abaConfBal->_lblData->text().toStdString(), "Útima garga : " + data);
    EXPECT_TRUE(janela->_abaConfBal->_btn2->isEnabled());
}

TEST_F(GeracaoCargaErpSim, TheMonitorWritesTheLoadWhenTheErpReturnsProducts) {
    ControleCargaBalanca::DefinirRelogioMonitor(std::make_shared<RelogioRapido>());
    abrir("[CONFIG]\r\nIDMODELO=5\r\nDIRETORIO_TXT=" + cargas.string() +
          "\r\nCAMPO=0\r\nMONITOR_BALANCA=1\r\nTIMER_MONITOR=1\r\n");
    ASSERT_TRUE(janela->FInternetCheckThread);
    EXPECT_TRUE(test::Aguardar([&] { return fs::exists(cargas / "ITENSMGV.TXT"); }, 30000));
    EXPECT_TRUE(test::Aguardar(
        [&] {
            return janela->_abaConfBal->_lblUltimaSincFrente->text().startsWith(
                "Data da ultima sicronização : ");
        },
        30000));
    EXPECT_TRUE(janela->_abaLog->_cxmLog->toPlainText().contains("Produtos Atualizados - "));

    // The ERP goes away: the failure lands in the log, the program goes on.
    erp.reset();
    EXPECT_TRUE(test::Aguardar(
        [&] {
            QStringList l = janela->_abaLog->_cxmLog->toPlainText().split('\n');
            return !l.isEmpty() && !l.last().startsWith("Produtos Atualizados") && !l.last().isEmpty();
        },
        30000))
        << janela->_abaLog->_cxmLog->toPlainText().toStdString();
    janela->close();
}

} // namespace mvf
