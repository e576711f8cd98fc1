#include "app/Trabalhadores.h"

#include "AplicacaoQt.h"
#include "app/ThreadUi.h"

#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace mvf {

TEST(Trabalhadores, TheJobRunsOffTheUiThreadAndItsCompletionOnIt) {
    Trabalhadores trabalhadores;
    QThread* threadDaTarefa = nullptr;
    QThread* threadDoPasso = nullptr;
    QThread* threadDaConclusao = nullptr;
    std::optional<std::string> erroRecebido = "não chamado";
    trabalhadores.Iniciar(
        [&] {
            threadDaTarefa = QThread::currentThread();
            ExecutarNaThreadUi([&] { threadDoPasso = QThread::currentThread(); });
        },
        [&](const std::optional<std::string>& erro) {
            threadDaConclusao = QThread::currentThread();
            erroRecebido = erro;
        });
    trabalhadores.AguardarTodos();
    QThread* ui = QCoreApplication::instance()->thread();
    EXPECT_NE(threadDaTarefa, ui);
    EXPECT_EQ(threadDoPasso, ui);
    EXPECT_EQ(threadDaConclusao, ui);
    EXPECT_FALSE(erroRecebido.has_value());
}

TEST(Trabalhadores, AnErrorEndsTheJobAndReachesTheCompletionHandler) {
    Trabalhadores trabalhadores;
    std::optional<std::string> erroRecebido;
    bool depoisDoErro = false;
    trabalhadores.Iniciar(
        [&] {
            throw std::runtime_error("falha na conexão com o servidor, verifique sua rede!");
            depoisDoErro = true;
        },
        [&](const std::optional<std::string>& erro) { erroRecebido = erro; });
    trabalhadores.AguardarTodos();
    EXPECT_EQ(erroRecebido, "falha na conexão com o servidor, verifique sua rede!");
    EXPECT_FALSE(depoisDoErro);
    EXPECT_EQ(trabalhadores.EmExecucao(), 0);
}

TEST(Trabalhadores, AnErrorInAUiStepReachesTheWorker) {
    Trabalhadores trabalhadores;
    std::optional<std::string> erroRecebido;
    trabalhadores.Iniciar([] { ExecutarNaThreadUi([] { throw std::runtime_error("Erro : disco cheio"); }); },
                          [&](const std::optional<std::string>& erro) { erroRecebido = erro; });
    trabalhadores.AguardarTodos();
    EXPECT_EQ(erroRecebido, "Erro : disco cheio");
}

TEST(Trabalhadores, DestroyingTheOwnerWaitsForJobsThatStillNeedTheUiThread) {
    std::atomic<int> passos = 0;
    std::vector<int> concluidos;
    {
        Trabalhadores trabalhadores;
        for (int i = 0; i < 3; ++i)
            trabalhadores.Iniciar(
                [&] {
                    for (int k = 0; k < 5; ++k)
                        ExecutarNaThreadUi([&] { ++passos; });
                },
                [&, i](const std::optional<std::string>&) { concluidos.push_back(i); });
    }
    EXPECT_EQ(passos.load(), 15);
    EXPECT_EQ(concluidos.size(), 3u);
}

} // namespace mvf
