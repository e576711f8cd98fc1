#pragma once

#include "scaleload/CargaBalTipos.h"
#include "scaleload/ECargaBal.h"
#include "scaleload/TCargaBalItens.h"

#include <functional>
#include <string>
#include <vector>

namespace mvf {

// Progress of a generation run: a message, the current step and the total.
using TCargaBalProgresso = std::function<void(std::string Mensagem, int ProgressoAtual, int ProgressoTotal)>;

// Turns the products into the load files of one scale model. Synchronous: GerarArquivos()
// builds every line in memory, then writes the files one by one, each through a temporary
// file in the target folder so the scale software never sees a partial file.
class TCargaBal {
public:
    TCargaBalModelo Modelo() const { return modelo_; }
    void SetModelo(TCargaBalModelo modelo) { modelo_ = modelo; }

    // Display name of the model; empty for a value outside the models.
    std::string ModeloStr() const { return GetModeloStr(); }
    std::string GetModeloStr() const;

    TCargaBalItens& Produtos() { return produtos_; }
    const TCargaBalItens& Produtos() const { return produtos_; }

    const TCargaBalProgresso& OnProgresso() const { return onProgresso_; }
    void SetOnProgresso(TCargaBalProgresso handler) { onProgresso_ = std::move(handler); }

    // Full paths of the files the last run wrote, in writing order.
    const std::vector<std::string>& ArquivosGerados() const { return arquivosGerados_; }

    // Writes the load into the folder ADiretorio (UTF-8). Throws ECargaBal for a missing folder
    // or an empty product list, before anything is written; FileWriteError for a file that
    // cannot be written (the files written before it stay, and are listed).
    void GerarArquivos(const std::string& ADiretorio);

    // "Gerando produto %6.6d %s".
    static std::string MensagemProduto(std::int32_t codigo, const std::string& descricao);

private:
    void progresso(const std::string& mensagem, int atual, int total) const;

    TCargaBalModelo modelo_ = TCargaBalModelo::modFilizola;
    TCargaBalItens produtos_;
    TCargaBalProgresso onProgresso_;
    std::vector<std::string> arquivosGerados_;
};

} // namespace mvf
