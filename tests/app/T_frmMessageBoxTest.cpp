#include "app/T_frmMessageBox.h"

#include "AplicacaoQt.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace mvf {

namespace {

struct Acao {
    const char* nome;
    std::function<void(T_frmMessageBox&)> agir;
    int resultado;
};

void PrintTo(const Acao& a, std::ostream* os) {
    *os << a.nome;
}

} // namespace

class T_frmMessageBoxResultado : public ::testing::TestWithParam<Acao> {};

// The dialog runs modally; the user's action is played once the modal loop is up.
TEST_P(T_frmMessageBoxResultado, OnlyConfirmaConfirms) {
    T_frmMessageBox dialogo;
    dialogo._lblTitulo->setText(QString::fromUtf8("Exclusão"));
    dialogo._lblMessagem->setText("Deseja excluir esse registro?");
    QTimer::singleShot(0, &dialogo, [&] { GetParam().agir(dialogo); });
    EXPECT_EQ(dialogo.exec(), GetParam().resultado);
}

INSTANTIATE_TEST_SUITE_P(
    Acoes, T_frmMessageBoxResultado,
    ::testing::Values(
        Acao{"Confirma", [](T_frmMessageBox& d) { QTest::mouseClick(d.cxButton1, Qt::LeftButton); }, 1},
        Acao{"Cancelar", [](T_frmMessageBox& d) { QTest::mouseClick(d.cxButton2, Qt::LeftButton); }, 2},
        Acao{"Fechar", [](T_frmMessageBox& d) { QTest::mouseClick(d.Image1, Qt::LeftButton); }, 2},
        Acao{"Esc", [](T_frmMessageBox& d) { QTest::keyClick(&d, Qt::Key_Escape); }, 2},
        Acao{"EscNumBotao", [](T_frmMessageBox& d) { QTest::keyClick(d.cxButton1, Qt::Key_Escape); }, 2},
        Acao{"FecharJanela", [](T_frmMessageBox& d) { d.close(); }, 2}));

TEST(T_frmMessageBox, IsABorderlessModalDialogOfItsSizeWithItsCaptions) {
    T_frmMessageBox dialogo;
    EXPECT_EQ(dialogo.size(), QSize(533, 251));
    EXPECT_TRUE(dialogo.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(dialogo.isModal());
    EXPECT_EQ(dialogo.cxButton1->text(), "Confirma");
    EXPECT_EQ(dialogo.cxButton2->text(), "Cancelar");
    EXPECT_EQ(dialogo.cxButton1->size(), QSize(150, 32));
    EXPECT_EQ(dialogo.Image1->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(dialogo._lblMessagem->height(), 63);
    EXPECT_TRUE(dialogo._lblMessagem->wordWrap());
}

TEST(T_frmMessageBox, ConfirmarReportsTheChoice) {
    bool confirmado = false;
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<T_frmMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->_lblTitulo->text(), "Limpar");
        EXPECT_EQ(d->_lblMessagem->text(), "Deseja limpar a lista de etiquetas?");
        d->cxButton1Click();
    });
    confirmado = T_frmMessageBox::Confirmar(nullptr, "Limpar", "Deseja limpar a lista de etiquetas?");
    EXPECT_TRUE(confirmado);
}

} // namespace mvf
