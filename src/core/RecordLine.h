#pragma once

#include "core/FieldRules.h"

#include <string>
#include <string_view>
#include <utility>

namespace mvf {

// Builds one fixed-width record field by field, in the order of a layout table:
//   RecordLine().N(setor, 2).Lit("0").A(descricao, 50).str()
class RecordLine {
public:
    RecordLine() { text_.reserve(256); }
    explicit RecordLine(std::size_t capacity) { text_.reserve(capacity); }

    RecordLine& A(std::string_view text, int width) {
        field::appendA(text_, text, width);
        return *this;
    }
    RecordLine& N(std::int64_t value, int width) {
        field::appendN(text_, value, width);
        return *this;
    }
    RecordLine& S(std::int64_t value, int width) {
        field::appendS(text_, value, width);
        return *this;
    }
    RecordLine& T(std::string_view text, int width) {
        field::appendT(text_, text, width);
        return *this;
    }
    RecordLine& V(Currency value, int width, int decimals) {
        field::appendV(text_, value, width, decimals);
        return *this;
    }
    RecordLine& V(double value, int width, int decimals) {
        field::appendV(text_, value, width, decimals);
        return *this;
    }
    // A constant text, written as it is.
    RecordLine& Lit(std::string_view text) {
        text_.append(text);
        return *this;
    }
    RecordLine& Lit(char c) {
        text_ += c;
        return *this;
    }

    const std::string& str() const& { return text_; }
    std::string str() && { return std::move(text_); }

private:
    std::string text_;
};

} // namespace mvf
