#include "core/IniFile.h"

#include "core/AtomicFileWriter.h"
#include "core/FileWriteError.h"
#include "core/IntegerSyntax.h"

#include <fstream>
#include <sstream>
#include <system_error>

namespace mvf {

namespace fs = std::filesystem;

namespace {

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

// Written beside the target and renamed over it, so readers see the old file or the new one;
// the new file keeps the old one's permissions.
void replaceFile(const fs::path& file, const std::string& bytes) {
    std::error_code ec;
    fs::file_status before = fs::status(file, ec);
    AtomicFileWriter::writeFile(file, bytes);
    if (fs::exists(before))
        fs::permissions(file, before.permissions(), ec);
}

} // namespace

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
    return parseIntegerSyntax(text).value_or(def);
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
            throw FileWriteError(file_, "não foi possível ler o conteúdo atual");
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
