#pragma once

#include "scaleload/TCargaBalItem.h"

#include <cstdint>
#include <string>

// Companion records of the Toledo MGV family: the files the item record refers to by code.
namespace mvf::mgv {

// TXINFO.TXT, 946 characters.
std::string registroInformacaoExtra(std::int32_t codigo, const TCargaBalInformacaoExtra& info);
// TARA.TXT: 30 characters (MGV5 Ver1, MGV5, Triunfo) or 38 (MGV6, MGV7).
std::string registroTaraCurto(const TCargaBalTaras& tara);
std::string registroTaraLongo(const TCargaBalTaras& tara);
// TXFORN.TXT, 384 characters.
std::string registroFornecedor(const TCargaBalFornecedor& fornecedor);
// FRACIONA.TXT and CONSERVA.TXT, 272 characters.
std::string registroFracionador(const TCargaBalFracionador& fracionador);
std::string registroConservacao(const TCargaBalConservacao& conservacao);
// CAMPEXT1.TXT and CAMPEXT2.TXT, 384 characters.
std::string registroCampoExtra(const TCargaBalExtra1& extra);
// TXTECLAS.TXT: a key line (291 characters) and a keyboard header (105 characters).
std::string registroTecla(const TCargaBalItem& item);
std::string registroCabecalhoTeclado(const TCargaBalTeclado& teclado);
// DEPTO.TXT, 42 characters.
std::string registroDepartamento(const TCargaBalSetor& setor);

} // namespace mvf::mgv
