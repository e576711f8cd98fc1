#pragma once

#include "data/SqliteConnection.h"

#include <cstdint>
#include <map>
#include <string>
#include <variant>
#include <vector>

namespace mvf {

// One value of a row or a parameter: null, integer, floating-point or text (blobs as bytes).
class SqlValue {
public:
    using Storage = std::variant<std::monostate, std::int64_t, double, std::string>;

    SqlValue() = default;
    SqlValue(Storage value) : value_(std::move(value)) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(value_); }
    // Null reads as empty text and 0.
    std::string asString() const;
    std::int64_t asInteger() const;
    double asFloat() const;
    const Storage& storage() const { return value_; }

private:
    Storage value_;
};

// An ad-hoc statement on the shared connection, in the role of the original data module's
// queries: set SQL, bind named parameters (":PNAME"), then execSQL() or open() and read rows.
// The text may hold several statements; all run in order, in one locked execution.
class Query {
public:
    explicit Query(SqliteConnection& connection) : connection_(connection) {}

    void setSQL(std::string sql);
    const std::string& sql() const { return sql_; }

    // Parameter names are given with or without the leading colon.
    void paramText(const std::string& name, const std::string& value);
    void paramInteger(const std::string& name, std::int64_t value);
    void paramFloat(const std::string& name, double value);
    void paramNull(const std::string& name);
    void clearParams() { params_.clear(); }

    // Runs every statement; returns the number of rows they changed.
    int execSQL();
    // Runs every statement and keeps the rows of the last one that returned any columns;
    // the cursor is on the first row.
    void open();
    void close();

    bool active() const { return active_; }
    bool eof() const { return !active_ || current_ >= rows_.size(); }
    bool isEmpty() const { return rows_.empty(); }
    void next() { ++current_; }
    void first() { current_ = 0; }
    std::size_t recordCount() const { return rows_.size(); }

    // The current row's field by column name (case-insensitive, like SQL); raises
    // DatabaseError for an unknown name or when there is no current row.
    const SqlValue& fieldByName(const std::string& name) const;
    const std::vector<std::string>& columns() const { return columns_; }
    const std::vector<std::vector<SqlValue>>& rows() const { return rows_; }

private:
    int run(bool keepRows);

    SqliteConnection& connection_;
    std::string sql_;
    std::map<std::string, SqlValue> params_;
    bool active_ = false;
    std::vector<std::string> columns_;
    std::vector<std::vector<SqlValue>> rows_;
    std::size_t current_ = 0;
};

} // namespace mvf
