#include "platform/SingleInstance.h"

#include "support/TempDir.h"

#include <chrono>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

namespace mvf {

namespace {

// Counts the instance messages a running program received.
struct Recebidas {
    std::mutex m;
    std::condition_variable cv;
    int total = 0;

    std::function<void()> aoReceber() {
        return [this] {
            std::lock_guard lock(m);
            ++total;
            cv.notify_all();
        };
    }
    int valor() {
        std::lock_guard lock(m);
        return total;
    }
};

} // namespace

TEST(SingleInstance, TheFirstClaimWinsAndTheSecondIsToldSo) {
    test::TempDir pasta;
    SingleInstance primeira(pasta.path());
    EXPECT_FALSE(primeira.outraEmExecucao());
    SingleInstance segunda(pasta.path());
    EXPECT_TRUE(segunda.outraEmExecucao());
}

TEST(SingleInstance, TheClaimIsFreedWhenTheRunningProgramGoesAway) {
    test::TempDir pasta;
    {
        SingleInstance primeira(pasta.path());
        ASSERT_FALSE(primeira.outraEmExecucao());
    }
    SingleInstance depois(pasta.path());
    EXPECT_FALSE(depois.outraEmExecucao());
}

TEST(SingleInstance, TheSecondStartDeliversTheMessageToTheRunningOne) {
    test::TempDir pasta;
    Recebidas recebidas;
    SingleInstance primeira(pasta.path());
    primeira.escutar(recebidas.aoReceber());

    SingleInstance segunda(pasta.path());
    ASSERT_TRUE(segunda.outraEmExecucao());
    // Delivery is confirmed only after the running program handled the message.
    EXPECT_TRUE(segunda.avisarInstanciaEmExecucao());
    EXPECT_EQ(recebidas.valor(), 1);
    EXPECT_TRUE(segunda.avisarInstanciaEmExecucao());
    EXPECT_EQ(recebidas.valor(), 2);
}

TEST(SingleInstance, NoRunningWindowMeansTheMessageIsNotDelivered) {
    test::TempDir pasta;
    SingleInstance primeira(pasta.path()); // holds the claim but does not listen
    SingleInstance segunda(pasta.path());
    ASSERT_TRUE(segunda.outraEmExecucao());
    EXPECT_FALSE(segunda.avisarInstanciaEmExecucao());
}

TEST(SingleInstance, TheListenerStopsCleanlyWithMessagesPending) {
    test::TempDir pasta;
    Recebidas recebidas;
    {
        SingleInstance primeira(pasta.path());
        primeira.escutar(recebidas.aoReceber());
    }
    SingleInstance segunda(pasta.path());
    EXPECT_FALSE(segunda.outraEmExecucao());
    EXPECT_FALSE(segunda.avisarInstanciaEmExecucao());
    EXPECT_EQ(recebidas.valor(), 0);
}

} // namespace mvf
