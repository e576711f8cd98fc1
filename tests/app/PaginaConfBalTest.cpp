#include "app/pages/PaginaConfBal.h"
#include "AplicacaoQt.h"
#include "app/T_frmFerramentasMv.h"
#include "app/Trabalhadores.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace mvf {

TEST(PaginaConfBal, TheAttentionNoticeIsWrittenInTheBracketMarkupAndShownAsRichText) {
    const QStringList linhas = PaginaConfBal::TextoAtencao().split('\n');
    ASSERT_EQ(linhas.size(), 7);
    EXPECT_EQ(linhas[0], "[B][COLOR=#FF0000]ATENÇÃO[/COLOR][/B]");
    EXPECT_EQ(linhas[2],
              "[B][COLOR=#FF0000]COLOQUE A TAXA NO CAMPO CODIGO DE FABRICANTE \"0,000\"[/COLOR][/B]");
    EXPECT_EQ(linhas[3], "exemplo");
    EXPECT_EQ(linhas[4], "[I][COLOR=#3C3C3C]NOME DO PRODUTO VC30[/COLOR][/I]");
    EXPECT_EQ(linhas[5], "");
    EXPECT_EQ(linhas[6], "");
    EXPECT_EQ(PaginaConfBal::MarcacaoParaHtml("[B][COLOR=#FF0000]A & B[/COLOR][/B]  x\n[I]<y>[/I]"),
              "<b><span style=\"color:#FF0000\">A &amp; B</span></b>&nbsp; x<br><i>&lt;y&gt;</i>");
    EXPECT_EQ(PaginaConfBal::TextoDicaRamuza(), "Dica RAMUZA : Usuario : SUPERVISOR - Senha : 142536");
}

TEST(PaginaConfBal, ControlsCaptionsAndProgress) {
    T_frmFerramentasMv janela(FonteParametros{});
    janela.Workers().AguardarTodos();
    PaginaConfBal& p = *janela._abaConfBal;
    EXPECT_EQ(p._cbbCampo->count(), 3);
    EXPECT_EQ(p._cbbCampo->itemText(2), "CodigoFabricante");
    EXPECT_EQ(p._swtchMonitorDeCarga->text(), "Ativa monitoramento de pasta");
    EXPECT_EQ(p._swtchIniciaWin->text(), "Iniciar Junto com Windows");
    EXPECT_EQ(p._edtTimerMonitor->value(), 3);
    EXPECT_EQ(p._btn1->text(), "Salvar");
    EXPECT_EQ(p._btn2->text(), "Gerar arquivo");
    EXPECT_EQ(p._lblData->text(), "Útima garga : 00/00/0000 00:00:00");
    EXPECT_EQ(p._pro1->format(), "...");

    p._edtTimerMonitor->setValue(12);
    EXPECT_EQ(p.IntervaloMonitor(), 12);
    p.CargaBal1Progresso("Gerando produto 000042 PAO", 3, 8);
    EXPECT_EQ(p._pro1->format(), "Gerando produto 000042 PAO");
    EXPECT_EQ(p._pro1->maximum(), 8);
    EXPECT_EQ(p._pro1->value(), 3);
    p.MostrarMarca("processando");
    EXPECT_EQ(p._swtchMonitorDeCarga->toolTip(), "processando");
}

} // namespace mvf
