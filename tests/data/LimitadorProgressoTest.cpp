#include "data/LimitadorProgresso.h"

#include <gtest/gtest.h>

namespace mvf {
namespace {

TEST(LimitadorProgresso, PrimeiroUltimoENoMaximoUmPorIntervalo) {
    auto agora = std::chrono::steady_clock::time_point{};
    LimitadorProgresso limitador(std::chrono::milliseconds(50), [&] { return agora; });
    std::vector<long long> mostrados;
    // 1000 elements, 1 ms each.
    for (long long i = 1; i <= 1000; ++i) {
        if (limitador.mostrar(i, 1000))
            mostrados.push_back(i);
        agora += std::chrono::milliseconds(1);
    }
    ASSERT_GE(mostrados.size(), 3u);
    EXPECT_EQ(mostrados.front(), 1);
    EXPECT_EQ(mostrados.back(), 1000);
    EXPECT_EQ(mostrados[1], 51);
    EXPECT_LE(mostrados.size(), 22u);
}

TEST(LimitadorProgresso, ElementosLentosSaoTodosMostrados) {
    auto agora = std::chrono::steady_clock::time_point{};
    LimitadorProgresso limitador(std::chrono::milliseconds(50), [&] { return agora; });
    for (long long i = 1; i <= 5; ++i) {
        EXPECT_TRUE(limitador.mostrar(i, 5)) << i;
        agora += std::chrono::milliseconds(60);
    }
}

} // namespace
} // namespace mvf
