#pragma once

#include "scaleload/CargaBalArquivos.h"
#include "scaleload/TCargaBalItens.h"

#include <cstddef>
#include <functional>
#include <memory>

namespace mvf {

// Called after the lines of the item at the 0-based position have been added.
using CargaBalAposItem = std::function<void(std::size_t posicao, const TCargaBalItem& item)>;

// One file family: visits the items in list order and adds their lines to the role lists.
class CargaBalWriter {
public:
    virtual ~CargaBalWriter() = default;
    virtual void Gerar(TCargaBalItens& itens, CargaBalListas& listas, const CargaBalAposItem& aposItem) = 0;
};

// The writer of a model; null for a value outside the models.
std::unique_ptr<CargaBalWriter> criarCargaBalWriter(TCargaBalModelo modelo);

} // namespace mvf
