#include "AplicacaoQt.h"
#include "ServicosCargaFalsos.h"
#include "app/GanchosJanela.h"
#include "app/GerenciadorAlertas.h"
#include "app/JanelaAlerta.h"
#include "app/T_frmFerramentasMv.h"
#include "app/Trabalhadores.h"
#include "app/loadtool/ControleCargaBalanca.h"
#include "app/loadtool/SegundoPlano.h"
#include "app/pages/PaginaBalancaIntegrada.h"
#include "app/pages/PaginaConfBal.h"
#include "app/pages/PaginaLog.h"
#include "support/TempDir.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QSystemTrayIcon>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace mvf {

namespace fs = std::filesystem;

namespace {

class Variavel {
public:
    Variavel(const char* nome, const std::string& valor) : nome_(nome) {
        if (const char* v = std::getenv(nome))
            anterior_ = v;
        ::setenv(nome, valor.c_str(), 1);
    }
    ~Variavel() {
        if (anterior_)
            ::setenv(nome_, anterior_->c_str(), 1);
        else
            ::unsetenv(nome_);
    }

private:
    const char* nome_;
    std::optional<std::string> anterior_;
};

// Counts seconds instead of sleeping them, so a monitor runs its cycles at once.
class RelogioRapido : public RelogioMonitor {
public:
    DateTime Agora() override { return DateTime{2026, 12, 11, 9, 5, 3}; }
    void DormirUmSegundo(const SinalParada& parada) override {
        parada.Aguardar(std::chrono::milliseconds(1));
    }
};

} // namespace

// The real window with the program's hooks, over a folder of its own.
class ConfiguracaoJanelaTest : public ::testing::Test {
protected:
    test::TempDir dir;
    Variavel home{"MARIVELTA_HOME", dir.path().string()};
    Variavel xdg{"XDG_CONFIG_HOME", (dir / "config").string()};
    test::ServicosCargaFalsos* servicos = nullptr;
    std::unique_ptr<T_frmFerramentasMv> janela;

    void SetUp() override {
        GerenciadorAlertas::Instancia()->DefinirTempos(TemposAlerta{1, 60000, 1});
        ControleCargaBalanca::DefinirFabricaServicos([this](T_frmFerramentasMv&) {
            auto s = std::make_unique<test::ServicosCargaFalsos>();
            servicos = s.get();
            return s;
        });
        ControleCargaBalanca::DefinirRelogioMonitor(std::make_shared<RelogioRapido>());
    }

    void TearDown() override {
        janela.reset();
        ControleCargaBalanca::DefinirFabricaServicos({});
        ControleCargaBalanca::DefinirRelogioMonitor({});
        ControleCargaBalanca::DefinirCriacaoLePeso({});
        for (JanelaAlerta* j : GerenciadorAlertas::Instancia()->Janelas())
            delete j;
        GerenciadorAlertas::Instancia()->DefinirTempos(TemposAlerta{});
    }

    T_frmFerramentasMv& criar() {
        janela = std::make_unique<T_frmFerramentasMv>(FonteParametros{}, GanchosDoPrograma());
        janela->Workers().AguardarTodos();
        return *janela;
    }
    PaginaConfBal& carga() { return *janela->_abaConfBal; }
    PaginaBalancaIntegrada& balanca() { return *janela->_cxtabBalancaIntegrada; }
    ControleCargaBalanca& controle() { return ControleCargaBalanca::De(*janela); }
    std::string ini() const { return dir.read("balanca.ini"); }
    void escreverIni(const std::string& texto) { dir.write("balanca.ini", texto); }

    static QStringList mensagens() {
        QStringList r;
        for (JanelaAlerta* j : GerenciadorAlertas::Instancia()->Janelas())
            r << j->Mensagem();
        return r;
    }
};

TEST_F(ConfiguracaoJanelaTest, TheFirstStartCreatesTheFileWithTheFourLoadKeys) {
    criar();
    EXPECT_EQ(ini(), "[CONFIG]\r\nMODELO=\r\nIDMODELO=-1\r\nDIRETORIO_TXT=\r\nCAMPO=0\r\n");
    EXPECT_EQ(carga()._lblData->text(), "Útima garga : 00/00/0000 00:00:00");
    EXPECT_EQ(carga()._cbbModelo->count(), 11);
    EXPECT_EQ(carga()._cbbModelo->itemText(0), "modFilizola");
    EXPECT_EQ(carga()._cbbModelo->itemText(10), "modTriunfoRdc429");
    EXPECT_EQ(carga()._cbbModelo->currentIndex(), -1);
    EXPECT_EQ(carga()._cbbCampo->currentText(), "CodigoOriginal");
    EXPECT_EQ(carga()._edtTimerMonitor->value(), 3);
    EXPECT_EQ(balanca()._cbbBalanca->count(), 39);
    EXPECT_EQ(balanca()._cbbBalanca->currentText(), "balNenhum");
    EXPECT_EQ(balanca()._cbbBaudRate->currentText(), "9600");
    EXPECT_FALSE(janela->FInternetCheckThread);
    EXPECT_TRUE(fs::exists(dir / "RunApp.sh"));
}

TEST_F(ConfiguracaoJanelaTest, AFileIsReadIntoBothPages) {
    escreverIni(
        "[CONFIG]\r\nMODELO=modRamuza\r\nIDMODELO=8\r\nDIRETORIO_TXT=/srv/cargas\r\nCAMPO=2\r\n"
        "MONITOR_BALANCA=0\r\nTIMER_MONITOR=0x0A\r\nINICIA_WIN=2\r\nDATA=11/12/2026 08:00:00\r\n"
        "[BALANCA]\r\nMODELO=2\r\nPORTA=TCP:192.168.0.50:9100\r\nBAUD=8\r\nDATA=2\r\nBAUD_TEXT=19200\r\n"
        "DATA_TEXT=7\r\nPARITY=2\r\nSTOP=1\r\nHAND=3\r\nTIMEOUT=3000\r\nUSAR_BALANCA=0\r\n");
    criar();
    EXPECT_EQ(carga()._cbbModelo->currentText(), "modRamuza");
    EXPECT_EQ(carga()._edtDiretorio->text(), "/srv/cargas");
    EXPECT_EQ(carga()._cbbCampo->currentText(), "CodigoFabricante");
    EXPECT_EQ(carga()._edtTimerMonitor->value(), 10);
    EXPECT_EQ(carga().IntervaloMonitor(), 10);
    EXPECT_TRUE(carga()._swtchIniciaWin->isChecked());
    EXPECT_EQ(carga()._lblData->text(), "Útima garga : 11/12/2026 08:00:00");
    EXPECT_EQ(balanca()._cbbBalanca->currentText(), "balToledo");
    EXPECT_EQ(balanca()._cbbPortaSerial->currentText(), "TCP:192.168.0.50:9100");
    EXPECT_EQ(balanca()._cbbBaudRate->currentText(), "19200");
    EXPECT_EQ(balanca()._cbbDataBits->currentText(), "7");
    EXPECT_EQ(balanca()._cbbParity->currentText(), "even");
    EXPECT_EQ(balanca()._cbbStopBits->currentText(), "s1,5");
    EXPECT_EQ(balanca()._cbbHandshaking->currentText(), "DTR/DSR");
    EXPECT_EQ(balanca()._edtTimeOut->text(), "3000");
    EXPECT_FALSE(balanca()._cxcUsarBalanca->isChecked());
}

TEST_F(ConfiguracaoJanelaTest, GarbageAndMissingKeysKeepTheControlsAndIndexesOutsideTheirListSelectNothing) {
    escreverIni(
        "[CONFIG]\r\nIDMODELO=42\r\nCAMPO=7\r\nTIMER_MONITOR=muito\r\nINICIA_WIN=yes\r\nCHAVE_NOVA=1\r\n");
    criar();
    EXPECT_EQ(carga()._cbbModelo->currentIndex(), -1);
    EXPECT_EQ(carga()._cbbCampo->currentIndex(), -1);
    EXPECT_EQ(carga()._edtTimerMonitor->value(), 3);
    EXPECT_FALSE(carga()._swtchIniciaWin->isChecked());
    EXPECT_EQ(carga()._lblData->text(), "Útima garga : 00/00/0000 00:00:00");
    EXPECT_EQ(balanca()._cbbBalanca->currentText(), "balNenhum") << "no BALANCA section";
    EXPECT_EQ(balanca()._edtTimeOut->text(), "2000");
    EXPECT_EQ(
        ini(),
        "[CONFIG]\r\nIDMODELO=42\r\nCAMPO=7\r\nTIMER_MONITOR=muito\r\nINICIA_WIN=yes\r\nCHAVE_NOVA=1\r\n")
        << "reading writes nothing";
}

TEST_F(ConfiguracaoJanelaTest, SavingWritesEveryKeyButTheLoadTimeAndKeepsTheRest) {
    escreverIni("; loja 12\r\n[CONFIG]\r\nDATA=11/12/2026 08:00:00\r\nCHAVE_NOVA=1\r\n");
    criar();
    carga()._cbbModelo->setCurrentIndex(5);
    carga()._edtDiretorio->setText("/srv/Balança");
    carga()._cbbCampo->setCurrentIndex(1);
    carga()._edtTimerMonitor->setValue(7);
    balanca()._cbbBalanca->setCurrentIndex(2);
    balanca()._cbbPortaSerial->setCurrentText("COM7");
    balanca()._cbbBaudRate->setCurrentText("19200");
    balanca()._cxcUsarBalanca->setChecked(true);
    controle()._btnConfirmado4Click();
    EXPECT_EQ(ini(),
              "; loja 12\r\n[CONFIG]\r\nDATA=11/12/2026 08:00:00\r\nCHAVE_NOVA=1\r\nMODELO=modToledoMGV6\r\n"
              "IDMODELO=5\r\nDIRETORIO_TXT=/srv/Balan\xE7"
              "a\r\nCAMPO=1\r\nMONITOR_BALANCA=0\r\nTIMER_MONITOR=7\r\nINICIA_WIN=0\r\n"
              "[BALANCA]\r\nMODELO=2\r\nPORTA=COM7\r\nBAUD=8\r\nDATA=3\r\nBAUD_TEXT=19200\r\nDATA_TEXT=8\r\n"
              "PARITY=0\r\nSTOP=0\r\nHAND=0\r\nTIMEOUT=2000\r\nUSAR_BALANCA=1\r\n");
    EXPECT_TRUE(carga()._lblData->text().startsWith("Útima garga enviada para balança : "));
    EXPECT_TRUE(mensagens().contains("Gravado com sucesso!"));

    controle().CarregarConfiguracao();
    EXPECT_EQ(carga()._lblData->text(), "Útima garga : 11/12/2026 08:00:00");
    EXPECT_EQ(carga()._edtDiretorio->text(), "/srv/Balança");
}

TEST_F(ConfiguracaoJanelaTest, TheLoadTimeIsWrittenAloneAndShownAtTheNextLoad) {
    criar();
    controle().GravarDataUltimaCarga();
    IniFile f(dir / "balanca.ini");
    std::string data = f.ReadString("CONFIG", "DATA", "");
    ASSERT_TRUE(tryTextToDateTime(data).has_value()) << data;
    controle().CarregarConfiguracao();
    EXPECT_EQ(carga()._lblData->text().toStdString(), "Útima garga : " + data);
}

TEST_F(ConfiguracaoJanelaTest, TheScaleModuleIsCreatedOnceWhenSwitchedOnAndNeverRemoved) {
    int criados = 0;
    ControleCargaBalanca::DefinirCriacaoLePeso([&] { ++criados; });
    escreverIni("[BALANCA]\r\nUSAR_BALANCA=1\r\n");
    criar();
    EXPECT_EQ(criados, 1);
    controle().CarregarConfiguracao();
    EXPECT_EQ(criados, 1);
    escreverIni("[BALANCA]\r\nUSAR_BALANCA=0\r\n");
    controle().CarregarConfiguracao();
    EXPECT_TRUE(controle().LePesoCriado());
}

TEST_F(ConfiguracaoJanelaTest, AReadOnlyFileIsReportedAndKeptWhole) {
    escreverIni("[CONFIG]\r\nCAMPO=1\r\n");
    criar();
    fs::permissions(dir / "balanca.ini",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    carga()._cbbCampo->setCurrentIndex(2);
    controle()._btn1Click();
    fs::permissions(dir / "balanca.ini", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(ini(), "[CONFIG]\r\nCAMPO=1\r\n");
    bool achou = false;
    for (const QString& m : mensagens())
        achou = achou || (m.startsWith("Erro: ") && m.contains("balanca.ini"));
    EXPECT_TRUE(achou) << mensagens().join(" | ").toStdString();
}

TEST_F(ConfiguracaoJanelaTest, SaveRegistersOrRemovesTheLogOnStartAndRestartsTheMonitor) {
    criar();
    fs::path entrada = dir / "config" / "autostart" / "Vuzurevedev Marivelta.desktop";
    carga()._edtDiretorio->setText(QString::fromStdString(dir.path().string()));
    carga()._swtchIniciaWin->setChecked(true);
    carga()._swtchMonitorDeCarga->setChecked(true);
    controle()._btn1Click();
    ASSERT_TRUE(fs::exists(entrada));
    EXPECT_NE(test::readFile(entrada).find((dir / "RunApp.sh").string()), std::string::npos);
    ASSERT_TRUE(janela->FInternetCheckThread) << "the monitor starts after saving";
    auto* primeiro = janela->FInternetCheckThread.get();

    carga()._swtchIniciaWin->setChecked(false);
    controle()._btn1Click();
    EXPECT_FALSE(fs::exists(entrada)) << mensagens().join(" | ").toStdString();
    ASSERT_TRUE(janela->FInternetCheckThread);
    EXPECT_NE(janela->FInternetCheckThread.get(), primeiro) << "stopped before saving, a new one after";
    IniFile f(dir / "balanca.ini");
    EXPECT_TRUE(f.ReadBool("CONFIG", "MONITOR_BALANCA", false));
    EXPECT_FALSE(f.ReadBool("CONFIG", "INICIA_WIN", true));
}

TEST_F(ConfiguracaoJanelaTest, ChoosingAFolderSavesAtOnceAndCancellingChangesNothing) {
    criar();
    controle().EscolherPasta = [] { return QString(); };
    controle()._edtDiretorioPropertiesButtonClick();
    EXPECT_EQ(carga()._edtDiretorio->text(), "");
    EXPECT_FALSE(mensagens().contains("Gravado com sucesso!"));
    controle().EscolherPasta = [this] { return QString::fromStdString(dir.path().string()); };
    controle()._edtDiretorioPropertiesButtonClick();
    EXPECT_EQ(IniFile(dir / "balanca.ini").ReadString("CONFIG", "DIRETORIO_TXT", ""), dir.path().string());
    EXPECT_TRUE(mensagens().contains("Gravado com sucesso!"));
}

TEST_F(ConfiguracaoJanelaTest, TheMonitorGeneratesTheLoadWhenTheErpReturnsProductsAndLogsFailures) {
    escreverIni("[CONFIG]\r\nIDMODELO=0\r\nDIRETORIO_TXT=" + dir.path().string() +
                "\r\nCAMPO=0\r\nMONITOR_BALANCA=1\r\nTIMER_MONITOR=1\r\n");
    criar();
    ASSERT_TRUE(servicos);
    ProdutoCarga p;
    p.codigo = "7";
    p.descricao = "PAO FRANCES";
    p.unidade = "KG";
    servicos->produtos = {p};
    ASSERT_TRUE(janela->FInternetCheckThread);
    ASSERT_TRUE(test::Aguardar([&] { return fs::exists(dir / "CADTXT.TXT"); }));
    EXPECT_TRUE(test::Aguardar([&] {
        return carga()._lblUltimoMonitoramento->text() == "Última verificação : 11/12/2026 09:05:03";
    }));
    EXPECT_TRUE(test::Aguardar(
        [&] { return carga()._lblUltimaSincFrente->text().toStdString() == servicos->ultimaSincronia; }));

    servicos->loginAceito = false;
    EXPECT_TRUE(test::Aguardar(
        [&] { return janela->_abaLog->_cxmLog->toPlainText().endsWith("Usuário ou senha inválidos"); }));
    janela->FInternetCheckThread->Terminate();
    janela->FInternetCheckThread->WaitFor();
    janela->FInternetCheckThread.reset();
}

TEST_F(ConfiguracaoJanelaTest, StartUpShowsTheWindowOrSendsItToTheNotificationArea) {
    criar();
    SegundoPlano& plano = SegundoPlano::De(*janela);
    plano.TemAreaNotificacao = [] { return true; };
    EXPECT_EQ(janela->windowOpacity(), 0.0);
    plano._tmrMinimizarTimer();
    EXPECT_TRUE(janela->FnEncerrar) << "switch off: closing ends the program";
    EXPECT_EQ(janela->windowOpacity(), 1.0);
    EXPECT_TRUE(janela->isVisible());
}

TEST_F(ConfiguracaoJanelaTest, InBackgroundModeTheWindowLivesInTheTrayUntilEncerrar) {
    escreverIni("[CONFIG]\r\nINICIA_WIN=1\r\n");
    criar();
    SegundoPlano& plano = SegundoPlano::De(*janela);
    plano.TemAreaNotificacao = [] { return true; };
    plano._tmrMinimizarTimer();
    EXPECT_FALSE(janela->FnEncerrar);
    EXPECT_FALSE(janela->isVisible());
    EXPECT_TRUE(plano.trycn1->isVisible());
    EXPECT_TRUE(mensagens().contains("Ferramenta Marivelta ativo em segundo plano!"));

    plano.Abrir1->trigger();
    EXPECT_TRUE(janela->isVisible());
    EXPECT_FALSE(plano.trycn1->isVisible());

    EXPECT_FALSE(janela->close()) << "closing hides it again";
    EXPECT_FALSE(janela->isVisible());
    EXPECT_TRUE(plano.trycn1->isVisible());

    bool encerrada = false;
    QObject::connect(janela.get(), &T_frmFerramentasMv::encerrada, [&] { encerrada = true; });
    plano.Encerrar1->trigger();
    EXPECT_TRUE(janela->FnEncerrar);
    EXPECT_TRUE(encerrada);
}

TEST_F(ConfiguracaoJanelaTest, WithoutANotificationAreaTheWindowIsMinimisedNotLost) {
    escreverIni("[CONFIG]\r\nINICIA_WIN=1\r\n");
    criar();
    SegundoPlano& plano = SegundoPlano::De(*janela);
    plano.TemAreaNotificacao = [] { return false; };
    plano._tmrMinimizarTimer();
    EXPECT_TRUE(janela->isVisible());
    EXPECT_TRUE(janela->isMinimized());
    EXPECT_FALSE(janela->close());
}

} // namespace mvf
