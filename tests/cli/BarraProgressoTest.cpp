#include "cli/BarraProgresso.h"

#include <gtest/gtest.h>

#include <sstream>

namespace mvf::cli {
namespace {

std::size_t contar(const std::string& texto, const std::string& trecho) {
    std::size_t n = 0;
    for (std::size_t p = texto.find(trecho); p != std::string::npos; p = texto.find(trecho, p + 1))
        ++n;
    return n;
}

TEST(BarraProgresso, RedrawsOnlyWhenThePercentageMoves) {
    std::ostringstream out;
    BarraProgresso barra(out, 10);
    barra.atualizar("Iniciando a geração dos arquivos", 0, 1000);
    for (int i = 0; i < 1000; ++i)
        barra.atualizar("Gerando produto " + std::to_string(i), i, 1000);
    barra.atualizar("Terminado", 1000, 1000);
    barra.concluir();
    const std::string texto = out.str();
    EXPECT_EQ(contar(texto, "\r"), 101u); // 0% .. 99% once each, then 100%
    EXPECT_NE(texto.find("\r[##########] 100% Terminado"), std::string::npos);
    EXPECT_NE(texto.find("\r[#####.....]  50% Gerando produto 500"), std::string::npos);
    EXPECT_EQ(texto.back(), '\n');
}

TEST(BarraProgresso, NothingDrawnNothingEnded) {
    std::ostringstream out;
    BarraProgresso barra(out);
    barra.concluir();
    EXPECT_TRUE(out.str().empty());
    barra.atualizar("Terminado", 0, 0); // no items: a full bar, not a division by zero
    EXPECT_NE(out.str().find("100%"), std::string::npos);
}

} // namespace
} // namespace mvf::cli
