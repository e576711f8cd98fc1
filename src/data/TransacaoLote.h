#pragma once

#include "data/SqliteConnection.h"

#include <chrono>
#include <mutex>

namespace mvf {

// Groups the many single-row writes of a bulk load into few transactions. While a part is
// open the connection is locked for this thread; ceder() ends the part after a short while so
// the UI thread and other workers are not kept waiting, and pausar() ends it before a callback
// so a callback never runs while the connection is locked.
class TransacaoLote {
public:
    // What happens to an open part when the work ends with an error.
    enum class NaFalha { Gravar, Desfazer };

    explicit TransacaoLote(SqliteConnection& conexao, NaFalha naFalha = NaFalha::Gravar,
                           std::chrono::milliseconds fatia = std::chrono::milliseconds(25));
    ~TransacaoLote();
    TransacaoLote(const TransacaoLote&) = delete;
    TransacaoLote& operator=(const TransacaoLote&) = delete;

    // Makes sure a part is open (locks and begins when none is).
    void garantir();
    // Commits and unlocks when the open part is older than the slice.
    void ceder();
    // Commits and unlocks the open part, if any.
    void pausar();
    // Same as pausar(), named for the end of the work.
    void concluir() { pausar(); }

    // The longest time any part kept the connection locked since the last reset (benchmarks).
    static std::chrono::microseconds maiorRetencao();
    static void zerarMaiorRetencao();

private:
    SqliteConnection& conexao_;
    NaFalha naFalha_;
    std::chrono::milliseconds fatia_;
    std::unique_lock<std::recursive_mutex> trava_;
    std::chrono::steady_clock::time_point inicio_;
    bool aberta_ = false;
    int excecoesNaCriacao_;
};

} // namespace mvf
