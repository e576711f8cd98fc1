#pragma once

#include <stdexcept>
#include <string>

namespace mvf {

// A failure of the local database: the message is the database's own text, as callers put it
// behind "Erro : " or show it as it is.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const std::string& message, int code = 0)
        : std::runtime_error(message), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

} // namespace mvf
