#pragma once

#include <filesystem>
#include <mutex>
#include <string>

struct sqlite3;

namespace mvf {

// The one connection to banco.db. UI and worker threads share it: every use takes lock() for
// the whole of one operation, so statements, transactions and error texts never interleave.
class SqliteConnection {
public:
    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // Opens (creating when missing) the file; never truncates or rewrites an existing file that
    // is not a database. Raises DatabaseError with a Portuguese cause.
    void open(const std::filesystem::path& file, int busyTimeoutMs = 3000);
    void close();
    bool isOpen() const;
    const std::filesystem::path& file() const { return file_; }

    std::unique_lock<std::recursive_mutex> lock() { return std::unique_lock<std::recursive_mutex>(mutex_); }
    // The raw handle; only while holding lock(). Raises DatabaseError when not connected.
    sqlite3* handle();

    // Runs a script of statements without parameters or rows (pragmas, BEGIN, COMMIT).
    void exec(const std::string& sql);

    // A Portuguese text for an SQLite failure, with SQLite's own words after it.
    static std::string describeError(int code, const std::string& sqliteMessage);

private:
    sqlite3* db_ = nullptr;
    std::filesystem::path file_;
    mutable std::recursive_mutex mutex_;
};

} // namespace mvf
