#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mvf {

// The lines of a profile (INI) file held as the bytes they were read as, so that a change to
// one key leaves every other line, comment and blank line of the file byte for byte as it was.
// Names are compared without regard to case; values come and go as UTF-8 and are stored in
// Windows-1252 (or UTF-8 when the file starts with a UTF-8 byte-order mark).
class IniDocument {
public:
    IniDocument() = default;

    static IniDocument parse(const std::string& bytes);
    std::string serialize() const;

    // The value of the first matching key in the first matching section, trimmed of blanks and
    // of one pair of enclosing quotes, as the system's profile routines read it.
    std::optional<std::string> value(const std::string& section, const std::string& key) const;
    bool hasSection(const std::string& section) const;

    // Replaces the value of an existing key (keeping its spelling), or adds the key at the end
    // of its section, or adds the section at the end of the file.
    void setValue(const std::string& section, const std::string& key, const std::string& value);

private:
    struct SectionSpan {
        std::size_t header; // index of the section line
        std::size_t end;    // one past its last line
    };

    std::optional<SectionSpan> findSection(const std::string& section) const;
    std::optional<std::size_t> findKey(const SectionSpan& span, const std::string& key) const;
    std::string encode(const std::string& utf8) const;
    std::string decode(const std::string& bytes) const;

    std::vector<std::string> lines_;
    std::string lineEnd_ = "\r\n";
    bool utf8Bom_ = false;
    bool endsWithLineEnd_ = true;
};

} // namespace mvf
