#include "scaleload/CodigosCarga.h"

namespace mvf::codigos {

namespace {

// The formats without EAN-13 codes count an EAN-13 item priced by weight as a weighed item and
// one priced by unit as a unit item, so the scale still prices it the right way.
bool vendidoPorPeso(TCargaBalTipoVenda tipo) {
    return tipo == TCargaBalTipoVenda::tpvPeso || tipo == TCargaBalTipoVenda::tpvEAN13;
}

} // namespace

char tipoVendaMgv(TCargaBalTipoVenda tipo) {
    switch (tipo) {
    case TCargaBalTipoVenda::tpvPeso:
        return '0';
    case TCargaBalTipoVenda::tpvUnidade:
        return '1';
    case TCargaBalTipoVenda::tpvEAN13:
        return '2';
    case TCargaBalTipoVenda::tpvEAN13Und:
        return '5';
    }
    return '0';
}

char tipoVendaLetra(TCargaBalTipoVenda tipo) {
    return vendidoPorPeso(tipo) ? 'P' : 'U';
}

char tipoVendaUrf32(TCargaBalTipoVenda tipo) {
    return vendidoPorPeso(tipo) ? '0' : '6';
}

char tipoVendaRamuza(TCargaBalTipoVenda tipo) {
    return vendidoPorPeso(tipo) ? '0' : '1';
}

char tipoValidade(TCargaBalTipoValidade tipo) {
    return tipo == TCargaBalTipoValidade::tpvMeses ? 'M' : 'D';
}

char booleano(bool value) {
    return value ? '1' : '0';
}

} // namespace mvf::codigos
