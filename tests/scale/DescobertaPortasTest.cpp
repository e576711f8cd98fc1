#include "scale/DescobertaPortas.h"
#include "scale/UtilPeso.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include "support/TempDir.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace mvf {
namespace {

TEST(UtilPeso, ModelosNaOrdemDosNumeros) {
    const auto modelos = getModelos();
    ASSERT_EQ(modelos.size(), 39u);
    EXPECT_EQ(modelos[0], "balNenhum");
    EXPECT_EQ(modelos[2], "balToledo");
    EXPECT_EQ(modelos[16], "balGenerica");
    EXPECT_EQ(modelos[38], "balWeightechWT3000IR_ABS");
}

TEST(UtilPeso, PortasTerminamComLptEExemploDeRede) {
    const auto portas = getPorta();
    ASSERT_GE(portas.size(), 2u);
    EXPECT_EQ(portas[portas.size() - 2], "LPT1");
    EXPECT_EQ(portas.back(), "TCP:192.168.0.100:9100");
}

#ifndef _WIN32

struct PtyAberto {
    int mestre;
    std::string caminho;
    PtyAberto() : mestre(::posix_openpt(O_RDWR | O_NOCTTY)) {
        ::grantpt(mestre);
        ::unlockpt(mestre);
        caminho = ::ptsname(mestre);
    }
    ~PtyAberto() { ::close(mestre); }
};

TEST(DescobertaPortas, ListaAsLivresEDeixaDeForaAsEmUsoEAsQueNaoSaoPortas) {
    PtyAberto livre, ocupada;
    // Another program holding the port.
    const int dono = ::open(ocupada.caminho.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_EQ(::flock(dono, LOCK_EX | LOCK_NB), 0);
    test::TempDir pasta;
    pasta.write("arquivo", "x");
    const auto achadas = PortasSeriaisDisponiveis(
        {ocupada.caminho, "/dev/nao-existe", (pasta / "arquivo").string(), livre.caminho});
    ::close(dono);
    ASSERT_EQ(achadas.size(), 1u);
    EXPECT_EQ(achadas[0], livre.caminho);
    EXPECT_EQ(PortasSeriaisDisponiveis({ocupada.caminho}).size(), 1u) << "free again once released";
}

#endif

} // namespace
} // namespace mvf
