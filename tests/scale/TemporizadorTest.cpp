#include "scale/Temporizador.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>

namespace mvf {
namespace {

TEST(TemporizadorThread, DisparaSoHabilitadoEComIntervalo) {
    TemporizadorThread t;
    std::promise<void> disparou;
    std::atomic<int> vezes{0};
    t.setAoDisparar([&] {
        if (vezes++ == 0)
            disparou.set_value();
    });
    t.setIntervalo(0);
    t.setHabilitado(true);
    t.setIntervalo(1);
    ASSERT_EQ(disparou.get_future().wait_for(std::chrono::seconds(5)), std::future_status::ready);
    t.setHabilitado(false);
    const int depois = vezes;
    EXPECT_FALSE(t.Habilitado());
    EXPECT_EQ(vezes, depois) << "no tick after disable returned";
}

TEST(TemporizadorThread, DesabilitarEsperaOTiqueEmAndamento) {
    TemporizadorThread t;
    std::promise<void> entrou;
    std::promise<void> liberar;
    auto liberado = liberar.get_future().share();
    std::atomic<bool> terminou{false};
    std::atomic<int> vezes{0};
    t.setAoDisparar([&] {
        if (vezes++ > 0)
            return;
        entrou.set_value();
        liberado.wait();
        terminou = true;
    });
    t.setIntervalo(1);
    t.setHabilitado(true);
    ASSERT_EQ(entrou.get_future().wait_for(std::chrono::seconds(5)), std::future_status::ready);
    auto desabilitar = std::async(std::launch::async, [&] { t.setHabilitado(false); });
    EXPECT_EQ(desabilitar.wait_for(std::chrono::milliseconds(20)), std::future_status::timeout);
    liberar.set_value();
    desabilitar.get();
    EXPECT_TRUE(terminou);
}

} // namespace
} // namespace mvf
