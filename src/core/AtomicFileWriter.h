#pragma once

#include <filesystem>
#include <fstream>
#include <string_view>

namespace mvf {

// Writes a file that another program reads: the bytes go to a temporary file in the same
// folder, which replaces the target in one rename on commit(). Readers see the old file or the
// complete new one, never a part. Without commit() (an error, an exception) the temporary
// file is removed and the target is left as it was. Failures throw FileWriteError naming the
// target.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path target);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void write(std::string_view bytes);
    void commit();

    const std::filesystem::path& target() const { return target_; }

    // Writes the whole content at once.
    static void writeFile(const std::filesystem::path& target, std::string_view bytes);

private:
    void discard() noexcept;
    [[noreturn]] void fail(const std::string& reason);

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::ofstream out_;
    bool committed_ = false;
};

} // namespace mvf
