#include "data/TransacaoLote.h"

#include <atomic>
#include <exception>

namespace mvf {

namespace {

std::atomic<long long> maiorRetencaoUs{0};

void registrarRetencao(std::chrono::steady_clock::time_point inicio) {
    long long us =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - inicio)
            .count();
    long long atual = maiorRetencaoUs.load();
    while (us > atual && !maiorRetencaoUs.compare_exchange_weak(atual, us)) {
    }
}

} // namespace

std::chrono::microseconds TransacaoLote::maiorRetencao() {
    return std::chrono::microseconds(maiorRetencaoUs.load());
}

void TransacaoLote::zerarMaiorRetencao() {
    maiorRetencaoUs = 0;
}

TransacaoLote::TransacaoLote(SqliteConnection& conexao, NaFalha naFalha, std::chrono::milliseconds fatia)
    : conexao_(conexao), naFalha_(naFalha), fatia_(fatia), excecoesNaCriacao_(std::uncaught_exceptions()) {}

TransacaoLote::~TransacaoLote() {
    if (!aberta_)
        return;
    const bool falhou = std::uncaught_exceptions() > excecoesNaCriacao_;
    try {
        if (falhou && naFalha_ == NaFalha::Desfazer)
            conexao_.exec("ROLLBACK");
        else
            conexao_.exec("COMMIT");
    } catch (const std::exception&) {
        try {
            conexao_.exec("ROLLBACK");
        } catch (const std::exception&) {
            // SQLite already ended the transaction
        }
    }
}

void TransacaoLote::garantir() {
    if (aberta_)
        return;
    trava_ = conexao_.lock();
    try {
        conexao_.exec("BEGIN IMMEDIATE");
    } catch (...) {
        trava_.unlock();
        throw;
    }
    aberta_ = true;
    inicio_ = std::chrono::steady_clock::now();
}

void TransacaoLote::ceder() {
    if (aberta_ && std::chrono::steady_clock::now() - inicio_ >= fatia_)
        pausar();
}

void TransacaoLote::pausar() {
    if (!aberta_)
        return;
    aberta_ = false;
    try {
        conexao_.exec("COMMIT");
    } catch (...) {
        try {
            conexao_.exec("ROLLBACK");
        } catch (const std::exception&) {
        }
        trava_.unlock();
        throw;
    }
    registrarRetencao(inicio_);
    trava_.unlock();
}

} // namespace mvf
