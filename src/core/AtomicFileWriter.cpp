#include "core/AtomicFileWriter.h"

#include "core/FileRename.h"
#include "core/FileWriteError.h"

#include <cerrno>
#include <cstring>
#include <random>

namespace mvf {

namespace fs = std::filesystem;

namespace {

std::string reasonFromErrno(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "acesso negado";
    case ENOENT:
    case ENOTDIR:
        return "a pasta não existe";
    case ENOSPC:
        return "não há espaço no disco";
    case EROFS:
        return "o disco é somente leitura";
    case EISDIR:
        return "existe uma pasta com esse nome";
    case 0:
        return "erro de gravação";
    default:
        return std::strerror(error);
    }
}

fs::path temporaryBeside(const fs::path& target) {
    std::random_device random;
    const auto tag = std::to_string(random()) + std::to_string(random() % 100000);
    fs::path name = target.filename();
    name += ".mvf-" + tag + ".tmp";
    return target.parent_path() / name;
}

} // namespace

AtomicFileWriter::AtomicFileWriter(fs::path target) : target_(std::move(target)) {
    std::error_code ec;
    const fs::file_status status = fs::status(target_, ec);
    if (fs::is_directory(status))
        throw FileWriteError(target_, "existe uma pasta com esse nome");
    // A write-protected file stays protected: the rename would silently replace it.
    if (fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none)
        throw FileWriteError(target_, "o arquivo é somente leitura");
    for (int attempt = 0; attempt < 5 && !out_.is_open(); ++attempt) {
        temporary_ = temporaryBeside(target_);
        if (fs::exists(temporary_, ec))
            continue;
        errno = 0;
        out_.open(temporary_, std::ios::binary | std::ios::trunc);
    }
    if (!out_.is_open()) {
        const int error = errno;
        temporary_.clear();
        throw FileWriteError(target_, reasonFromErrno(error));
    }
}

AtomicFileWriter::~AtomicFileWriter() {
    if (!committed_)
        discard();
}

void AtomicFileWriter::write(std::string_view bytes) {
    errno = 0;
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out_)
        fail(reasonFromErrno(errno));
}

void AtomicFileWriter::commit() {
    errno = 0;
    out_.flush();
    if (!out_)
        fail(reasonFromErrno(errno));
    out_.close();
    if (out_.fail())
        fail(reasonFromErrno(errno));
    std::string reason;
    if (!replaceFile(temporary_, target_, reason))
        fail(reason);
    committed_ = true;
}

void AtomicFileWriter::writeFile(const fs::path& target, std::string_view bytes) {
    AtomicFileWriter writer(target);
    writer.write(bytes);
    writer.commit();
}

void AtomicFileWriter::discard() noexcept {
    if (out_.is_open())
        out_.close();
    if (!temporary_.empty()) {
        std::error_code ec;
        fs::remove(temporary_, ec);
    }
}

void AtomicFileWriter::fail(const std::string& reason) {
    discard();
    committed_ = true; // nothing left to clean up
    throw FileWriteError(target_, reason);
}

} // namespace mvf
