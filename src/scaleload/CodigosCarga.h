#pragma once

#include "scaleload/CargaBalTipos.h"

#include <string_view>

// The code each load format writes for an enumeration value.
namespace mvf::codigos {

// MGV family: "0" weight, "1" unit, "2" EAN-13, "5" EAN-13 by unit.
char tipoVendaMgv(TCargaBalTipoVenda tipo);
// Filizola, Urano, Urano S: "P" / "U".
char tipoVendaLetra(TCargaBalTipoVenda tipo);
// URF32: "0" / "6".
char tipoVendaUrf32(TCargaBalTipoVenda tipo);
// Ramuza: "0" / "1".
char tipoVendaRamuza(TCargaBalTipoVenda tipo);

char tipoValidade(TCargaBalTipoValidade tipo);
char booleano(bool value);

} // namespace mvf::codigos
