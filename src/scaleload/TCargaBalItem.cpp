#include "scaleload/TCargaBalItem.h"

#include "core/Utf8.h"

namespace mvf {

std::int32_t TCargaBalItem::CodigoInformacaoExtra(TCargaBalModelo modelo) {
    switch (modelo) {
    case TCargaBalModelo::modFilizola:
    case TCargaBalModelo::modToledo:
    case TCargaBalModelo::modToledoMGV5:
    case TCargaBalModelo::modToledoMGV6:
    case TCargaBalModelo::modToledoMGV7:
    case TCargaBalModelo::modTriunfoRdc429:
        if (utf8::length(InformacaoExtra.Receita) < 3)
            InformacaoExtra.Codigo = 0;
        else if (InformacaoExtra.Codigo == 0)
            InformacaoExtra.Codigo = Codigo;
        break;
    default:
        break;
    }
    return InformacaoExtra.Codigo;
}

} // namespace mvf
