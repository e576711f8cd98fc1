#include "core/IniFile.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <system_error>

namespace mvf {

namespace fs = std::filesystem;

namespace {

std::string describe(const std::error_code& ec) {
    return ec ? ec.message() : std::string("erro desconhecido");
}

std::optional<std::string> readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return buffer.str();
}

// Written beside the target and renamed over it, so readers see the old file or the new one.
void replaceFile(const fs::path& file, const std::string& bytes) {
    std::error_code ec;
    fs::file_status st = fs::status(file, ec);
    bool existed = fs::exists(st);
    if (existed && (st.permissions() & fs::perms::owner_write) == fs::perms::none)
        throw IniFileError(file, "o arquivo é somente leitura");

    fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    std::random_device rd;
    fs::path temp = folder / (file.filename().string() + ".tmp" + std::to_string(rd() % 1000000));
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            throw IniFileError(file, std::strerror(errno));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            throw IniFileError(file, "falha ao gravar os dados");
        }
    }
    if (existed)
        fs::permissions(temp, st.permissions(), ec);
    fs::rename(temp, file, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw IniFileError(file, describe(ec));
    }
}

std::optional<long long> digitsValue(const std::string& digits, int base) {
    if (digits.empty())
        return std::nullopt;
    long long value = 0;
    for (char c : digits) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * base + d;
        if (value > 0xFFFFFFFFLL)
            return std::nullopt;
    }
    return value;
}

} // namespace

IniFileError::IniFileError(const fs::path& file, const std::string& reason)
    : std::runtime_error("Não foi possível gravar o arquivo " + file.string() + ": " + reason), file_(file) {}

IniFile::IniFile(fs::path file) : file_(std::move(file)) {}

bool IniFile::Exists() const {
    std::error_code ec;
    return fs::is_regular_file(file_, ec);
}

IniDocument IniFile::load() const {
    auto bytes = readBytes(file_);
    return bytes ? IniDocument::parse(*bytes) : IniDocument();
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& def) const {
    return load().value(section, key).value_or(def);
}

int IniFile::ParseInteger(const std::string& text, int def) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string rest = text.substr(i);
    while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t'))
        rest.pop_back();
    std::optional<long long> magnitude;
    bool hex = false;
    if (rest.size() > 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        hex = true;
        magnitude = digitsValue(rest.substr(2), 16);
    } else if (rest.size() > 1 && rest[0] == '$') {
        hex = true;
        magnitude = digitsValue(rest.substr(1), 16);
    } else {
        magnitude = digitsValue(rest, 10);
    }
    if (!magnitude)
        return def;
    long long value = *magnitude;
    if (hex) {
        // Hexadecimal gives the 32-bit pattern: 0xFFFFFFFF is -1.
        auto bits = static_cast<std::uint32_t>(value);
        value = static_cast<std::int32_t>(bits);
        return negative ? static_cast<int>(-static_cast<std::int64_t>(value)) : static_cast<int>(value);
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return def;
    return static_cast<int>(value);
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
    auto text = load().value(section, key);
    return text ? ParseInteger(*text, def) : def;
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool IniFile::SectionExists(const std::string& section) const {
    return load().hasSection(section);
}

bool IniFile::ValueExists(const std::string& section, const std::string& key) const {
    return load().value(section, key).has_value();
}

void IniFile::Update(const std::function<void(IniDocument&)>& change) {
    IniDocument doc;
    if (Exists()) {
        // Never replace a file whose present content could not be read.
        auto bytes = readBytes(file_);
        if (!bytes)
            throw IniFileError(file_, "não foi possível ler o conteúdo atual");
        doc = IniDocument::parse(*bytes);
    }
    change(doc);
    replaceFile(file_, doc.serialize());
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    Update([&](IniDocument& doc) { doc.setValue(section, key, value); });
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

} // namespace mvf
