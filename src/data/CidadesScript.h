#pragma once

namespace mvf {

// The fixed script that fills CIDADE with Brazil's municipalities on the first
// synchronisation: plain INSERT statements of up to ten rows each.
const char* CidadesScript();
// The number of rows the script inserts.
int CidadesQuantidade();

} // namespace mvf
