#include "data/SqliteConnection.h"

#include "data/DatabaseError.h"

#include <sqlite3.h>

namespace mvf {

SqliteConnection::~SqliteConnection() {
    close();
}

std::string SqliteConnection::describeError(int code, const std::string& sqliteMessage) {
    std::string cause;
    switch (code & 0xff) {
    case SQLITE_NOTADB:
        cause = "o arquivo não é um banco de dados SQLite";
        break;
    case SQLITE_CORRUPT:
        cause = "o arquivo do banco de dados está danificado";
        break;
    case SQLITE_READONLY:
        cause = "o banco de dados está somente para leitura";
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        cause = "o banco de dados está bloqueado por outro programa";
        break;
    case SQLITE_CANTOPEN:
        cause = "não foi possível abrir ou criar o arquivo do banco de dados";
        break;
    case SQLITE_PERM:
    case SQLITE_AUTH:
        cause = "sem permissão de acesso ao banco de dados";
        break;
    case SQLITE_FULL:
        cause = "o disco está cheio";
        break;
    case SQLITE_IOERR:
        cause = "falha de leitura ou gravação no disco";
        break;
    default:
        return sqliteMessage;
    }
    return cause + " (" + sqliteMessage + ")";
}

void SqliteConnection::open(const std::filesystem::path& file, int busyTimeoutMs) {
    auto guard = lock();
    close();
    sqlite3* db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
    // SQLite takes file names in UTF-8 on every system.
    const auto utf8 = file.u8string();
    const std::string name(utf8.begin(), utf8.end());
    int rc = sqlite3_open_v2(name.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close(db);
        throw DatabaseError(describeError(rc, message + ": " + file.string()), rc);
    }
    sqlite3_extended_result_codes(db, 0);
    sqlite3_busy_timeout(db, busyTimeoutMs);
    // A file the process may not write comes back read-only without an error; the program
    // must write its state, so that is a connection failure, and the file stays as it is.
    if (sqlite3_db_readonly(db, "main") == 1) {
        sqlite3_close(db);
        throw DatabaseError(
            describeError(SQLITE_READONLY, "attempt to write a readonly database: " + file.string()),
            SQLITE_READONLY);
    }
    db_ = db;
    file_ = file;
    try {
        // Reading the header here makes a file that is not a database fail now, untouched.
        exec(
            "PRAGMA locking_mode = NORMAL; PRAGMA synchronous = NORMAL; SELECT count(*) FROM sqlite_master;");
    } catch (...) {
        close();
        throw;
    }
}

void SqliteConnection::close() {
    auto guard = lock();
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

bool SqliteConnection::isOpen() const {
    std::lock_guard<std::recursive_mutex> guard(mutex_);
    return db_ != nullptr;
}

sqlite3* SqliteConnection::handle() {
    if (!db_)
        throw DatabaseError("O banco de dados não está conectado.");
    return db_;
}

void SqliteConnection::exec(const std::string& sql) {
    auto guard = lock();
    char* message = nullptr;
    int rc = sqlite3_exec(handle(), sql.c_str(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        std::string text = message ? message : sqlite3_errmsg(db_);
        sqlite3_free(message);
        throw DatabaseError(describeError(rc, text), rc);
    }
}

} // namespace mvf
