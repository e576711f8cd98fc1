#include "core/IniDocument.h"

#include "core/CaseFolding.h"
#include "core/Windows1252.h"

namespace mvf {

namespace {

const std::string kUtf8Bom = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string trim(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

bool sameName(const std::string& a, const std::string& b) {
    return casefold::equalIgnoringCase(a, b);
}

bool isComment(const std::string& line) {
    std::string t = trim(line);
    return !t.empty() && t[0] == ';';
}

// "[name]" with blanks allowed around; gives the name.
std::optional<std::string> sectionName(const std::string& line) {
    std::string t = trim(line);
    if (t.size() < 2 || t[0] != '[')
        return std::nullopt;
    std::size_t close = t.find(']');
    if (close == std::string::npos)
        return std::nullopt;
    return trim(t.substr(1, close - 1));
}

std::optional<std::pair<std::string, std::string>> keyValue(const std::string& line) {
    if (isComment(line))
        return std::nullopt;
    std::size_t eq = line.find('=');
    if (eq == std::string::npos)
        return std::nullopt;
    std::string key = trim(line.substr(0, eq));
    if (key.empty())
        return std::nullopt;
    return std::make_pair(key, line.substr(eq + 1));
}

std::string unquote(std::string value) {
    value = trim(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// A value must stay on its own line.
std::string oneLine(const std::string& value) {
    std::string out = value;
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    return out;
}

} // namespace

IniDocument IniDocument::parse(const std::string& bytes) {
    IniDocument doc;
    std::string text = bytes;
    if (text.compare(0, kUtf8Bom.size(), kUtf8Bom) == 0) {
        doc.utf8Bom_ = true;
        text.erase(0, kUtf8Bom.size());
    }
    std::size_t firstLf = text.find('\n');
    if (firstLf != std::string::npos && (firstLf == 0 || text[firstLf - 1] != '\r'))
        doc.lineEnd_.assign(1, '\n');
    if (text.empty())
        return doc;
    doc.endsWithLineEnd_ = text.back() == '\n';
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t lf = text.find('\n', start);
        std::size_t stop = lf == std::string::npos ? text.size() : lf;
        std::string line = text.substr(start, stop - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        doc.lines_.push_back(std::move(line));
        if (lf == std::string::npos)
            break;
        start = lf + 1;
    }
    return doc;
}

std::string IniDocument::serialize() const {
    std::string out = utf8Bom_ ? kUtf8Bom : std::string();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i];
        if (i + 1 < lines_.size() || endsWithLineEnd_)
            out += lineEnd_;
    }
    return out;
}

std::string IniDocument::encode(const std::string& utf8) const {
    return utf8Bom_ ? utf8 : windows1252::fromUtf8(utf8);
}

std::string IniDocument::decode(const std::string& bytes) const {
    return utf8Bom_ ? bytes : windows1252::toUtf8(bytes);
}

std::optional<IniDocument::SectionSpan> IniDocument::findSection(const std::string& section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto name = sectionName(lines_[i]);
        if (!name || !sameName(decode(*name), section))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !sectionName(lines_[end]))
            ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findKey(const SectionSpan& span, const std::string& key) const {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        auto kv = keyValue(lines_[i]);
        if (kv && sameName(decode(kv->first), key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(const std::string& section, const std::string& key) const {
    auto span = findSection(section);
    if (!span)
        return std::nullopt;
    auto at = findKey(*span, key);
    if (!at)
        return std::nullopt;
    return decode(unquote(keyValue(lines_[*at])->second));
}

bool IniDocument::hasSection(const std::string& section) const {
    return findSection(section).has_value();
}

void IniDocument::setValue(const std::string& section, const std::string& key, const std::string& value) {
    std::string encodedValue = encode(oneLine(value));
    auto span = findSection(section);
    if (!span) {
        if (!lines_.empty() && !endsWithLineEnd_)
            endsWithLineEnd_ = true;
        std::string header(1, '[');
        header.append(encode(section)).append(1, ']');
        lines_.push_back(std::move(header));
        lines_.push_back(encode(key) + "=" + encodedValue);
        endsWithLineEnd_ = true;
        return;
    }
    if (auto at = findKey(*span, key)) {
        std::string& line = lines_[*at];
        line = line.substr(0, line.find('=') + 1) + encodedValue;
        return;
    }
    // After the section's last non-blank line, so blank lines stay between sections.
    std::size_t insertAt = span->end;
    while (insertAt > span->header + 1 && trim(lines_[insertAt - 1]).empty())
        --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), encode(key) + "=" + encodedValue);
    if (insertAt == lines_.size() - 1)
        endsWithLineEnd_ = true;
}

} // namespace mvf
