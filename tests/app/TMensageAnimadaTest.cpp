#include "app/TMensageAnimada.h"

#include "AplicacaoQt.h"
#include "app/GerenciadorAlertas.h"
#include "app/JanelaAlerta.h"

#include <QLabel>
#include <QPointer>
#include <gtest/gtest.h>
#include <thread>

namespace mvf {

namespace {

class TMensageAnimadaTest : public ::testing::Test {
protected:
    void SetUp() override {
        gerenciador()->DefinirTempos(TemposAlerta{1, 60000, 1}); // stay until a test lets them go
    }
    void TearDown() override {
        gerenciador()->DefinirTempos(TemposAlerta{1, 1, 1});
        const QList<JanelaAlerta*> abertas = gerenciador()->Janelas();
        for (JanelaAlerta* j : abertas)
            delete j;
        gerenciador()->DefinirTempos(TemposAlerta{});
    }
    static GerenciadorAlertas* gerenciador() { return GerenciadorAlertas::Instancia(); }
    static JanelaAlerta* ultima() {
        return gerenciador()->Janelas().isEmpty() ? nullptr : gerenciador()->Janelas().last();
    }
};

} // namespace

struct CorDoTipo {
    MsgBoxTypes tipo;
    QColor cor;
};

class CorPorTipoTest : public ::testing::TestWithParam<CorDoTipo> {};

TEST_P(CorPorTipoTest, EachKindPaintsItsBackground) {
    TMensageAnimada::CorPorTipo(GetParam().tipo);
    EXPECT_EQ(TMensageAnimada::CorAtual(), GetParam().cor);
}

INSTANTIATE_TEST_SUITE_P(Tipos, CorPorTipoTest,
                         ::testing::Values(CorDoTipo{MsgBoxTypes::mabtAlerta, QColor(37, 73, 104)},
                                           CorDoTipo{MsgBoxTypes::mabtErro, QColor(229, 0, 0)},
                                           CorDoTipo{MsgBoxTypes::mabtOk, QColor(34, 177, 76)}));

TEST(CorPorTipo, AnUnknownKindKeepsThePreviousColour) {
    TMensageAnimada::CorPorTipo(MsgBoxTypes::mabtOk);
    TMensageAnimada::CorPorTipo(static_cast<MsgBoxTypes>(7));
    EXPECT_EQ(TMensageAnimada::CorAtual(), QColor(34, 177, 76));
}

TEST_F(TMensageAnimadaTest, ANoticeShowsItsTextsOnItsKindsBackgroundWithoutTakingTheFocus) {
    GerenciadorAlertas* g =
        TMensageAnimada::Show("Campo obrigatório", "Informe o nome da etiqueta", MsgBoxTypes::mabtErro);
    EXPECT_EQ(g, gerenciador());
    JanelaAlerta* j = ultima();
    ASSERT_NE(j, nullptr);
    EXPECT_TRUE(j->isVisible());
    EXPECT_EQ(j->Titulo(), QString::fromUtf8("Campo obrigatório"));
    EXPECT_EQ(j->Mensagem(), "Informe o nome da etiqueta");
    EXPECT_EQ(j->Fundo(), QColor(229, 0, 0));
    EXPECT_EQ(j->width(), 400);
    EXPECT_GE(j->height(), 95);
    EXPECT_TRUE(j->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(j->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_FALSE(j->isModal());
}

TEST_F(TMensageAnimadaTest, AnEmptyTitleShowsOnlyTheMessage) {
    TMensageAnimada::Show("", "Gravado com sucesso!", MsgBoxTypes::mabtOk);
    JanelaAlerta* j = ultima();
    ASSERT_NE(j, nullptr);
    EXPECT_FALSE(j->findChild<QLabel*>("_lblTituloAlerta")->isVisibleTo(j));
    EXPECT_TRUE(j->findChild<QLabel*>("_lblMensagemAlerta")->isVisibleTo(j));
}

TEST_F(TMensageAnimadaTest, NoticesStackWithoutOverlapAndStayPutWhenOneGoesAway) {
    TMensageAnimada::Show("", "um", MsgBoxTypes::mabtOk);
    TMensageAnimada::Show("", "dois", MsgBoxTypes::mabtErro);
    TMensageAnimada::Show("", "três", MsgBoxTypes::mabtOk);
    ASSERT_EQ(gerenciador()->Janelas().size(), 3);
    QList<QPointer<JanelaAlerta>> janelas;
    for (JanelaAlerta* j : gerenciador()->Janelas())
        janelas.append(j);
    for (int a = 0; a < 3; ++a)
        for (int b = a + 1; b < 3; ++b)
            EXPECT_FALSE(janelas[a]->geometry().intersects(janelas[b]->geometry())) << a << " " << b;
    // Each notice keeps the colour of its own kind.
    EXPECT_EQ(janelas[0]->Fundo(), QColor(34, 177, 76));
    EXPECT_EQ(janelas[1]->Fundo(), QColor(229, 0, 0));

    QRect primeira = janelas[0]->geometry();
    QRect terceira = janelas[2]->geometry();
    delete janelas[1].data();
    ASSERT_TRUE(test::Aguardar([&] { return gerenciador()->Janelas().size() == 2; }));
    EXPECT_EQ(janelas[0]->geometry(), primeira);
    EXPECT_EQ(janelas[2]->geometry(), terceira);

    // The freed slot is taken by the next notice.
    TMensageAnimada::Show("", "quatro", MsgBoxTypes::mabtOk);
    for (JanelaAlerta* j : {janelas[0].data(), janelas[2].data()})
        EXPECT_FALSE(ultima()->geometry().intersects(j->geometry()));
}

TEST(TemposAlerta, UsersSeeAFadeOf100MsAndTwoSecondsOnScreen) {
    TemposAlerta padrao;
    EXPECT_EQ(padrao.aparecerMs, 100);
    EXPECT_EQ(padrao.exibirMs, 2000);
    EXPECT_EQ(padrao.sumirMs, 100);
}

TEST_F(TMensageAnimadaTest, ANoticeGoesAwayByItselfAfterItsTime) {
    gerenciador()->DefinirTempos(TemposAlerta{1, 5, 1});
    TMensageAnimada::Show("", "Dados sincronizado com sucesso!", MsgBoxTypes::mabtOk);
    QPointer<JanelaAlerta> j = ultima();
    ASSERT_TRUE(j);
    EXPECT_TRUE(test::Aguardar([&] { return j.isNull(); }));
    EXPECT_TRUE(gerenciador()->Janelas().isEmpty());
}

TEST_F(TMensageAnimadaTest, ANoticeFromAWorkerThreadIsShownOnTheUiThread) {
    std::thread worker([] { TMensageAnimada::Show("", "Erro ao criar a tarefa!", MsgBoxTypes::mabtErro); });
    worker.join();
    ASSERT_TRUE(test::Aguardar([&] { return ultima() != nullptr; }));
    EXPECT_EQ(ultima()->thread(), QCoreApplication::instance()->thread());
    EXPECT_EQ(ultima()->Mensagem(), "Erro ao criar a tarefa!");
    EXPECT_EQ(ultima()->Fundo(), QColor(229, 0, 0));
}

} // namespace mvf
