#pragma once

#include "scaleload/TCargaBalItem.h"

#include <string>

// Item and nutrition records of the Toledo MGV family (TXITENS.TXT, ITENSMGV.TXT, INFNUTRI.TXT).
namespace mvf::mgv {

// 320 characters, modToledo.
std::string registroItemToledo(const TCargaBalItem& item);
// 113 characters, modToledoMGV5Ver1.
std::string registroItemVer1(const TCargaBalItem& item);
// 150 characters, MGV5, MGV6, MGV7 and Triunfo; normalises the item's extra-information code.
std::string registroItem(TCargaBalItem& item, TCargaBalModelo modelo);
// 45 characters for MGV5 Ver1, MGV5 and MGV6; MGV7 and Triunfo add their RDC 429 blocks.
std::string registroNutricional(const TCargaBalNutricional& nutri, TCargaBalModelo modelo);

} // namespace mvf::mgv
