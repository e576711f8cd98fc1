#pragma once

#include <string>
#include <string_view>

namespace mvf::texto {

// The text operations the scale parsers are written in: 1-based positions, 0 for "not found".

// The n characters from position p (p below 1 reads from 1; fewer at the end; none past it).
std::string Copy(std::string_view s, int p, int n);
// Position of the first occurrence of sub at or after position from, or 0.
int Pos(std::string_view sub, std::string_view s, int from = 1);
// Position of the last occurrence of sub, or 0.
int PosUltimo(std::string_view sub, std::string_view s);
// Character at position p, or '\0' outside the text.
char Em(std::string_view s, int p);
int Tamanho(std::string_view s);

// Drops control characters and blanks at both ends.
std::string Trim(std::string_view s);
std::string Substituir(std::string_view s, std::string_view de, std::string_view para);
std::string Remover(std::string_view s, std::string_view trecho);
std::string Maiusculas(std::string_view s);
std::string Minusculas(std::string_view s);
bool ComecaCom(std::string_view s, std::string_view prefixo);
bool IguaisSemCaixa(std::string_view a, std::string_view b);

} // namespace mvf::texto
