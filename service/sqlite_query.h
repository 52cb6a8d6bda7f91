// Prepared SQLite statements for SqliteStore: each statement is prepared
// once per connection and reused; a SqliteQuery is one use of it, with its
// values bound by position and the statement reset when the use ends.
//
// Values only ever reach SQL through these binds: nothing here, nor in its
// callers, pastes text into a statement. Failures throw StoreError.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

struct StoreError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class SqliteQuery {
 public:
  SqliteQuery(sqlite3* db, sqlite3_stmt* statement) : db_(db), s_(statement) {}
  ~SqliteQuery() {
    sqlite3_reset(s_);
    sqlite3_clear_bindings(s_);
  }
  SqliteQuery(const SqliteQuery&) = delete;
  SqliteQuery& operator=(const SqliteQuery&) = delete;

  // Positions count from 1, as in SQL's ?1.
  SqliteQuery& Bind(int at, int v) { return Bind(at, static_cast<int64_t>(v)); }
  SqliteQuery& Bind(int at, int64_t v) { return Checked(sqlite3_bind_int64(s_, at, v)); }
  SqliteQuery& Bind(int at, double v) { return Checked(sqlite3_bind_double(s_, at, v)); }
  SqliteQuery& Bind(int at, std::string_view v) {
    return Checked(sqlite3_bind_text(s_, at, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT));
  }
  SqliteQuery& Bind_Blob(int at, std::string_view v) {
    return Checked(sqlite3_bind_blob(s_, at, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT));
  }

  // True while there is a row to read; false when the statement is done.
  bool Step() {
    const int r = sqlite3_step(s_);
    if (r == SQLITE_ROW) return true;
    if (r == SQLITE_DONE) return false;
    throw StoreError(sqlite3_errmsg(db_));
  }
  // Runs a statement that returns no rows.
  void Run() {
    while (Step()) {
    }
  }

  int64_t Int(int column) const { return sqlite3_column_int64(s_, column); }
  double Real(int column) const { return sqlite3_column_double(s_, column); }
  bool Is_Null(int column) const { return sqlite3_column_type(s_, column) == SQLITE_NULL; }
  std::string Text(int column) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(s_, column));
    return p == nullptr ? std::string() : std::string(p, static_cast<size_t>(sqlite3_column_bytes(s_, column)));
  }
  std::string Blob(int column) const {
    const auto* p = static_cast<const char*>(sqlite3_column_blob(s_, column));
    return p == nullptr ? std::string() : std::string(p, static_cast<size_t>(sqlite3_column_bytes(s_, column)));
  }

 private:
  SqliteQuery& Checked(int r) {
    if (r != SQLITE_OK) throw StoreError(sqlite3_errmsg(db_));
    return *this;
  }
  sqlite3* db_;
  sqlite3_stmt* s_;
};

// The prepared statements of one connection, by their SQL text.
class SqliteStatements {
 public:
  explicit SqliteStatements(sqlite3* db) : db_(db) {}
  ~SqliteStatements() {
    for (auto& [sql, s] : prepared_) sqlite3_finalize(s);
  }
  SqliteStatements(const SqliteStatements&) = delete;
  SqliteStatements& operator=(const SqliteStatements&) = delete;

  SqliteQuery Use(const std::string& sql) {
    auto it = prepared_.find(sql);
    if (it == prepared_.end()) {
      sqlite3_stmt* s = nullptr;
      if (sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr) != SQLITE_OK) {
        throw StoreError(std::string(sqlite3_errmsg(db_)) + " in [" + sql + "]");
      }
      it = prepared_.emplace(sql, s).first;
    }
    return SqliteQuery(db_, it->second);
  }

 private:
  sqlite3* db_;
  std::map<std::string, sqlite3_stmt*> prepared_;
};
