#pragma once

#include "core/IniDocument.h"

#include <filesystem>
#include <functional>
#include <string>

namespace mvf {

// A profile (INI) file on disk. Nothing is cached: every read opens, reads and closes the file,
// and every write reads it, changes the one key and replaces the whole file at once (a temporary
// file in the same folder renamed over it), so a failure never leaves a half-written file.
// A refused write raises FileWriteError naming the file.
class IniFile {
public:
    explicit IniFile(std::filesystem::path file);

    const std::filesystem::path& FileName() const { return file_; }
    bool Exists() const;

    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    // Decimal, or hexadecimal after 0x (or $); anything that is not a whole number gives def.
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    // Read as an integer: any value other than 0 is true, a non-number gives def.
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;
    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

    // Several writes that land in the file together or not at all.
    void Update(const std::function<void(IniDocument&)>& change);

    // The integer reading rule on its own: decimal, 0x or $ hexadecimal, else def.
    static int ParseInteger(const std::string& text, int def);

private:
    IniDocument load() const;

    std::filesystem::path file_;
};

} // namespace mvf
