#include "scaleload/tool/AjustarArquivoRamuza.h"

#include "core/AtomicFileWriter.h"
#include "core/FileWriteError.h"
#include "core/Utf8.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace mvf {

namespace fs = std::filesystem;

namespace {

enum class Encoding { Ansi, Utf8, Utf16Le, Utf16Be };

const std::string kUtf8Bom = "\xEF\xBB\xBF";
const std::string kUtf16LeBom = "\xFF\xFE";
const std::string kUtf16BeBom = "\xFE\xFF";

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("Não foi possível abrir o arquivo " + file.string());
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// The text as characters: Windows-1252 bytes stand for themselves (one byte, one character,
// written back unchanged); the Unicode forms are decoded.
std::u32string decode(const std::string& bytes, Encoding encoding) {
    std::u32string out;
    switch (encoding) {
    case Encoding::Ansi:
        for (char c : bytes)
            out += static_cast<char32_t>(static_cast<unsigned char>(c));
        break;
    case Encoding::Utf8:
        for (std::size_t pos = 0; pos < bytes.size();)
            out += utf8::next(bytes, pos);
        break;
    case Encoding::Utf16Le:
    case Encoding::Utf16Be: {
        bool le = encoding == Encoding::Utf16Le;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            auto b0 = static_cast<unsigned char>(bytes[i]);
            auto b1 = static_cast<unsigned char>(bytes[i + 1]);
            // Surrogate halves are kept as they are: each counts as a character and is written
            // back unchanged.
            out += static_cast<char32_t>(le ? (b1 << 8 | b0) : (b0 << 8 | b1));
        }
        break;
    }
    }
    return out;
}

std::string encode(const std::u32string& text, Encoding encoding) {
    std::string out;
    for (char32_t c : text) {
        switch (encoding) {
        case Encoding::Ansi:
            out += static_cast<char>(c);
            break;
        case Encoding::Utf8:
            utf8::append(out, c);
            break;
        case Encoding::Utf16Le:
            out += static_cast<char>(c & 0xFF);
            out += static_cast<char>((c >> 8) & 0xFF);
            break;
        case Encoding::Utf16Be:
            out += static_cast<char>((c >> 8) & 0xFF);
            out += static_cast<char>(c & 0xFF);
            break;
        }
    }
    return out;
}

// Lines end at CR LF, LF or CR; a final line end makes no empty last line.
std::vector<std::u32string> splitLines(const std::u32string& text) {
    std::vector<std::u32string> lines;
    std::u32string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c == U'\r' || c == U'\n') {
            lines.push_back(std::move(current));
            current.clear();
            if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n')
                ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty())
        lines.push_back(std::move(current));
    return lines;
}

} // namespace

void AjustarArquivoRamuza(const fs::path& arquivo) {
    std::string bytes = readAll(arquivo);
    Encoding encoding = Encoding::Ansi;
    std::string bom;
    if (bytes.compare(0, kUtf8Bom.size(), kUtf8Bom) == 0) {
        encoding = Encoding::Utf8;
        bom = kUtf8Bom;
    } else if (bytes.compare(0, kUtf16LeBom.size(), kUtf16LeBom) == 0) {
        encoding = Encoding::Utf16Le;
        bom = kUtf16LeBom;
    } else if (bytes.compare(0, kUtf16BeBom.size(), kUtf16BeBom) == 0) {
        encoding = Encoding::Utf16Be;
        bom = kUtf16BeBom;
    }
    std::u32string text = decode(bytes.substr(bom.size()), encoding);

    std::u32string result;
    for (std::u32string& line : splitLines(text)) {
        if (line.size() >= 12)
            line = line.substr(8, 4) + line.substr(4);
        result += line;
        result += U"\r\n";
    }
    AtomicFileWriter::writeFile(arquivo, bom + encode(result, encoding));
}

} // namespace mvf
