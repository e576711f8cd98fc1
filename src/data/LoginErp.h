#pragma once

#include <string>

namespace mvf {

class T_dmDados;

// The ERP login: sends the credentials, stores the answer in CONFIG and in the record.
class LoginErp {
public:
    explicit LoginErp(T_dmDados& dm) : dm_(dm) {}

    bool RetornaUsuario(const std::string& Login, const std::string& Senha, std::string& erro);

    // {"login":...,"senha":...} in plain ASCII (\u escapes below 32 and above 127).
    static std::string CorpoLogin(const std::string& Login, const std::string& Senha);

private:
    T_dmDados& dm_;
};

} // namespace mvf
