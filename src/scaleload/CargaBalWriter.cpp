#include "scaleload/CargaBalWriter.h"

#include "core/Locale.h"
#include "scaleload/FilizolaWriter.h"
#include "scaleload/MgvWriter.h"
#include "scaleload/RamuzaWriter.h"
#include "scaleload/UranoWriter.h"
#include "scaleload/Urf32Writer.h"

namespace mvf {

std::unique_ptr<CargaBalWriter> criarCargaBalWriter(TCargaBalModelo modelo) {
    using M = TCargaBalModelo;
    switch (modelo) {
    case M::modFilizola:
        return std::make_unique<FilizolaWriter>();
    case M::modToledo:
    case M::modToledoMGV5:
    case M::modToledoMGV6:
    case M::modToledoMGV7:
    case M::modToledoMGV5Ver1:
    case M::modTriunfoRdc429:
        return std::make_unique<MgvWriter>(modelo);
    case M::modUrano:
    case M::modUranoS:
        return std::make_unique<UranoWriter>(modelo, Locale::current().decimalSeparator);
    case M::modUranoURF32: {
        const Locale locale = Locale::current();
        return std::make_unique<Urf32Writer>(locale.thousandSeparator, locale.decimalSeparator);
    }
    case M::modRamuza:
        return std::make_unique<RamuzaWriter>();
    }
    return nullptr;
}

} // namespace mvf
