#pragma once

#include <nlohmann/json.hpp>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace mvf {

// A JSON answer that does not have the expected shape; the message is shown to the user.
class JsonErro : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Readers of one member of a JSON object. A member that is missing or null takes the default;
// without a default it is an error. Texts take a string's content or the JSON text of a number
// or Boolean.
namespace json_leitura {

nlohmann::json analisar(const std::string& corpo); // raises JsonErro on malformed text
const nlohmann::json& objeto(const nlohmann::json& valor, const char* oQue);

std::string texto(const nlohmann::json& obj, const char* membro);
std::string texto(const nlohmann::json& obj, const char* membro, const std::string& padrao);
std::int64_t inteiro(const nlohmann::json& obj, const char* membro);
std::int64_t inteiro(const nlohmann::json& obj, const char* membro, std::int64_t padrao);
double real(const nlohmann::json& obj, const char* membro, double padrao);
bool booleano(const nlohmann::json& obj, const char* membro);
bool booleano(const nlohmann::json& obj, const char* membro, bool padrao);
const nlohmann::json& lista(const nlohmann::json& obj, const char* membro);

} // namespace json_leitura

// The JSON text of a value with every character below 32 and above 127 written as a \u
// escape (UTF-16 units, capital hex digits), so the text is plain ASCII.
std::string JsonAscii(const nlohmann::json& valor);
// A JSON object of text members, in the given order, as JsonAscii writes it.
std::string JsonObjetoDeTextos(const std::vector<std::pair<std::string, std::string>>& membros);

} // namespace mvf
