#include "data/Query.h"

#include "data/DatabaseError.h"

#include <sqlite3.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace mvf {

namespace {

std::string normalisedParam(const std::string& name) {
    std::string key =
        (!name.empty() && (name[0] == ':' || name[0] == '@' || name[0] == '$')) ? name.substr(1) : name;
    for (char& c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

bool sameNameNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

struct StatementDeleter {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

[[noreturn]] void fail(sqlite3* db, int rc) {
    throw DatabaseError(SqliteConnection::describeError(rc, sqlite3_errmsg(db)), rc);
}

SqlValue columnValue(sqlite3_stmt* stmt, int i) {
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        return SqlValue(static_cast<std::int64_t>(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT:
        return SqlValue(sqlite3_column_double(stmt, i));
    case SQLITE_NULL:
        return SqlValue();
    default: {
        const void* data = sqlite3_column_blob(stmt, i);
        int size = sqlite3_column_bytes(stmt, i);
        return SqlValue(
            std::string(static_cast<const char*>(data), data ? static_cast<std::size_t>(size) : 0));
    }
    }
}

} // namespace

std::string SqlValue::asString() const {
    if (auto* text = std::get_if<std::string>(&value_))
        return *text;
    if (auto* integer = std::get_if<std::int64_t>(&value_))
        return std::to_string(*integer);
    if (auto* number = std::get_if<double>(&value_)) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.15g", *number);
        return buffer;
    }
    return {};
}

std::int64_t SqlValue::asInteger() const {
    if (auto* integer = std::get_if<std::int64_t>(&value_))
        return *integer;
    if (auto* number = std::get_if<double>(&value_))
        return static_cast<std::int64_t>(*number);
    if (auto* text = std::get_if<std::string>(&value_)) {
        if (text->empty())
            return 0;
        char* end = nullptr;
        long long value = std::strtoll(text->c_str(), &end, 10);
        while (end && *end == ' ')
            ++end;
        if (!end || *end != '\0')
            throw DatabaseError("'" + *text + "' não é um número inteiro válido");
        return value;
    }
    return 0;
}

double SqlValue::asFloat() const {
    if (auto* number = std::get_if<double>(&value_))
        return *number;
    if (auto* integer = std::get_if<std::int64_t>(&value_))
        return static_cast<double>(*integer);
    if (auto* text = std::get_if<std::string>(&value_)) {
        if (text->empty())
            return 0;
        char* end = nullptr;
        double value = std::strtod(text->c_str(), &end);
        if (!end || *end != '\0')
            throw DatabaseError("'" + *text + "' não é um número válido");
        return value;
    }
    return 0;
}

void Query::setSQL(std::string sql) {
    close();
    sql_ = std::move(sql);
}

void Query::paramText(const std::string& name, const std::string& value) {
    params_[normalisedParam(name)] = SqlValue(value);
}

void Query::paramInteger(const std::string& name, std::int64_t value) {
    params_[normalisedParam(name)] = SqlValue(value);
}

void Query::paramFloat(const std::string& name, double value) {
    params_[normalisedParam(name)] = SqlValue(value);
}

void Query::paramNull(const std::string& name) {
    params_[normalisedParam(name)] = SqlValue();
}

int Query::execSQL() {
    close();
    return run(false);
}

void Query::open() {
    close();
    run(true);
    active_ = true;
    current_ = 0;
}

void Query::close() {
    active_ = false;
    columns_.clear();
    rows_.clear();
    current_ = 0;
}

const SqlValue& Query::fieldByName(const std::string& name) const {
    if (eof())
        throw DatabaseError("Não há registro atual para ler o campo '" + name + "'");
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (sameNameNoCase(columns_[i], name))
            return rows_[current_][i];
    throw DatabaseError("Campo '" + name + "' não encontrado");
}

int Query::run(bool keepRows) {
    auto guard = connection_.lock();
    sqlite3* db = connection_.handle();
    int changed = 0;
    const char* tail = sql_.c_str();
    const char* end = sql_.c_str() + sql_.size();
    while (tail < end) {
        sqlite3_stmt* raw = nullptr;
        const char* next = nullptr;
        int rc = sqlite3_prepare_v2(db, tail, static_cast<int>(end - tail), &raw, &next);
        if (rc != SQLITE_OK)
            fail(db, rc);
        Statement stmt(raw);
        tail = next;
        if (!stmt) // only blanks or comments were left
            continue;
        for (int i = 1, n = sqlite3_bind_parameter_count(stmt.get()); i <= n; ++i) {
            const char* pname = sqlite3_bind_parameter_name(stmt.get(), i);
            std::string key = normalisedParam(pname ? pname : "");
            auto it = params_.find(key);
            if (it == params_.end())
                throw DatabaseError("Parâmetro '" + key + "' não informado");
            const auto& value = it->second.storage();
            if (auto* text = std::get_if<std::string>(&value))
                rc = sqlite3_bind_text(stmt.get(), i, text->data(), static_cast<int>(text->size()),
                                       SQLITE_TRANSIENT);
            else if (auto* integer = std::get_if<std::int64_t>(&value))
                rc = sqlite3_bind_int64(stmt.get(), i, *integer);
            else if (auto* number = std::get_if<double>(&value))
                rc = sqlite3_bind_double(stmt.get(), i, *number);
            else
                rc = sqlite3_bind_null(stmt.get(), i);
            if (rc != SQLITE_OK)
                fail(db, rc);
        }
        const int columnCount = sqlite3_column_count(stmt.get());
        const auto totalBefore = sqlite3_total_changes64(db);
        bool keepThis = keepRows && columnCount > 0;
        if (keepThis) {
            columns_.clear();
            rows_.clear();
            for (int i = 0; i < columnCount; ++i)
                columns_.emplace_back(sqlite3_column_name(stmt.get(), i));
        }
        while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
            if (!keepThis)
                continue;
            std::vector<SqlValue> row;
            row.reserve(columnCount);
            for (int i = 0; i < columnCount; ++i)
                row.push_back(columnValue(stmt.get(), i));
            rows_.push_back(std::move(row));
        }
        if (rc != SQLITE_DONE)
            fail(db, rc);
        // sqlite3_changes keeps the count of the last data statement, so DDL must not add it.
        if (sqlite3_total_changes64(db) != totalBefore)
            changed += sqlite3_changes(db);
    }
    return changed;
}

} // namespace mvf
