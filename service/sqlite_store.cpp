#include "service/sqlite_store.h"

namespace {

constexpr int kBusyTimeoutMs = 5000;
constexpr int kSchemaVersion = 1;

// Uploads stay in one table: public_at is NULL while an upload waits for its
// confirmation, and expires_at only matters until then. The partial indexes
// serve the leaderboard queries, which only ever read public rows. players
// holds each player's standing, worked out anew from their public scores
// whenever one of theirs is confirmed: the page reads it at every view, so
// the sums over every score are made once per upload, not once per view.
constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS tickets (
  timestamp INTEGER PRIMARY KEY,
  level INTEGER NOT NULL,
  time_text TEXT NOT NULL,
  name TEXT NOT NULL,
  os TEXT NOT NULL,
  version TEXT NOT NULL,
  issued_at INTEGER NOT NULL,
  expires_at INTEGER NOT NULL,
  used INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS tickets_by_score ON tickets(level, name, time_text);
CREATE INDEX IF NOT EXISTS tickets_by_expiry ON tickets(expires_at);
CREATE TABLE IF NOT EXISTS uploads (
  id INTEGER PRIMARY KEY,
  timestamp INTEGER NOT NULL UNIQUE,
  level INTEGER NOT NULL,
  name TEXT NOT NULL,
  time_text TEXT NOT NULL,
  seconds REAL NOT NULL,
  os TEXT NOT NULL,
  version TEXT NOT NULL,
  file BLOB NOT NULL,
  uploaded_at INTEGER NOT NULL,
  expires_at INTEGER NOT NULL,
  public_at INTEGER
);
CREATE INDEX IF NOT EXISTS public_by_level ON uploads(level, seconds) WHERE public_at IS NOT NULL;
CREATE INDEX IF NOT EXISTS public_by_player ON uploads(name, level, seconds) WHERE public_at IS NOT NULL;
CREATE INDEX IF NOT EXISTS public_by_date ON uploads(public_at) WHERE public_at IS NOT NULL;
CREATE INDEX IF NOT EXISTS pending_by_expiry ON uploads(expires_at) WHERE public_at IS NULL;
CREATE TABLE IF NOT EXISTS players (
  name TEXT PRIMARY KEY,
  levels INTEGER NOT NULL,
  total REAL NOT NULL
);
CREATE INDEX IF NOT EXISTS players_ranked ON players(levels DESC, total, name);
)sql";

constexpr const char* kRecordColumns = "id, level, name, time_text, seconds, public_at";

// A transaction that rolls back unless committed, so that an exception
// thrown half-way leaves the database as it was.
class Transaction {
 public:
  explicit Transaction(SqliteStatements& s) : s_(s) { s_.Use("BEGIN IMMEDIATE").Run(); }
  ~Transaction() {
    if (!done_) {
      try {
        s_.Use("ROLLBACK").Run();
      } catch (const StoreError&) {
        // Nothing more to undo: SQLite rolled back itself.
      }
    }
  }
  void Commit() {
    s_.Use("COMMIT").Run();
    done_ = true;
  }

 private:
  SqliteStatements& s_;
  bool done_ = false;
};

}  // namespace

std::unique_ptr<SqliteStore> SqliteStore::Open(const std::string& path, std::string& why) {
  sqlite3* db = nullptr;
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
  if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
    why = db == nullptr ? "out of memory" : sqlite3_errmsg(db);
    sqlite3_close(db);
    return nullptr;
  }
  std::unique_ptr<SqliteStore> store(new SqliteStore(db));
  try {
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    store->Execute("PRAGMA journal_mode = WAL");
    // A confirmed score is a player's record: it must survive a power cut
    // once the confirmation has been answered.
    store->Execute("PRAGMA synchronous = FULL");
    store->Execute("PRAGMA foreign_keys = ON");
    {
      SqliteQuery q = store->statements_->Use("PRAGMA user_version");
      const int64_t version = q.Step() ? q.Int(0) : 0;
      if (version > kSchemaVersion) {
        why = "the database was made by a newer prismel-scores (schema " + std::to_string(version) + ")";
        return nullptr;
      }
    }
    store->Execute(kSchema);
    store->Execute(("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
  } catch (const StoreError& e) {
    why = e.what();
    return nullptr;
  }
  return store;
}

SqliteStore::SqliteStore(sqlite3* db) : db_(db), statements_(std::make_unique<SqliteStatements>(db)) {}

SqliteStore::~SqliteStore() {
  statements_.reset();  // every statement is finalized before the close
  sqlite3_close(db_);
}

void SqliteStore::Execute(const char* sql) {
  char* error = nullptr;
  if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string what = error != nullptr ? error : "unknown error";
    sqlite3_free(error);
    throw StoreError(what);
  }
}

int64_t SqliteStore::Add_Ticket(const Ticket& t, int64_t now, int64_t expires_at) {
  std::lock_guard<std::mutex> lock(mutex_);
  Transaction tx(*statements_);
  int64_t timestamp = now;
  for (;; ++timestamp) {
    SqliteQuery taken = statements_->Use(
        "SELECT 1 FROM tickets WHERE timestamp = ?1 UNION ALL SELECT 1 FROM uploads WHERE timestamp = ?1 LIMIT 1");
    if (!taken.Bind(1, timestamp).Step()) break;
  }
  statements_
      ->Use("INSERT INTO tickets (timestamp, level, time_text, name, os, version, issued_at, expires_at) "
            "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)")
      .Bind(1, timestamp)
      .Bind(2, t.level)
      .Bind(3, t.time_text)
      .Bind(4, t.name)
      .Bind(5, t.os)
      .Bind(6, t.version)
      .Bind(7, now)
      .Bind(8, expires_at)
      .Run();
  tx.Commit();
  return timestamp;
}

bool SqliteStore::Has_Open_Ticket(int level, const std::string& time_text, const std::string& name, int64_t now) {
  std::lock_guard<std::mutex> lock(mutex_);
  return statements_
      ->Use("SELECT 1 FROM tickets WHERE level = ?1 AND time_text = ?2 AND name = ?3 AND used = 0 "
            "AND expires_at > ?4 LIMIT 1")
      .Bind(1, level)
      .Bind(2, time_text)
      .Bind(3, name)
      .Bind(4, now)
      .Step();
}

bool SqliteStore::Add_Pending(int level, const std::string& time_text, const std::string& name, double seconds,
                              const std::string& file, int64_t now) {
  std::lock_guard<std::mutex> lock(mutex_);
  Transaction tx(*statements_);
  int64_t timestamp = 0, expires_at = 0;
  std::string os, version;
  {
    SqliteQuery q = statements_->Use(
        "SELECT timestamp, os, version, expires_at FROM tickets WHERE level = ?1 AND time_text = ?2 AND name = ?3 "
        "AND used = 0 AND expires_at > ?4 ORDER BY timestamp DESC LIMIT 1");
    if (!q.Bind(1, level).Bind(2, time_text).Bind(3, name).Bind(4, now).Step()) return false;
    timestamp = q.Int(0);
    os = q.Text(1);
    version = q.Text(2);
    expires_at = q.Int(3);
  }
  statements_
      ->Use("INSERT INTO uploads (timestamp, level, name, time_text, seconds, os, version, file, uploaded_at, "
            "expires_at) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)")
      .Bind(1, timestamp)
      .Bind(2, level)
      .Bind(3, name)
      .Bind(4, time_text)
      .Bind(5, seconds)
      .Bind(6, os)
      .Bind(7, version)
      .Bind_Blob(8, file)
      .Bind(9, now)
      .Bind(10, expires_at)
      .Run();
  statements_->Use("UPDATE tickets SET used = 1 WHERE timestamp = ?1").Bind(1, timestamp).Run();
  tx.Commit();
  return true;
}

bool SqliteStore::Confirm(const std::string& name, int64_t timestamp, int64_t now) {
  std::lock_guard<std::mutex> lock(mutex_);
  Transaction tx(*statements_);
  statements_
      ->Use("UPDATE uploads SET public_at = ?1 WHERE name = ?2 AND timestamp = ?3 AND public_at IS NULL "
            "AND expires_at > ?1")
      .Bind(1, now)
      .Bind(2, name)
      .Bind(3, timestamp)
      .Run();
  if (sqlite3_changes(db_) != 1) return false;
  statements_
      ->Use("INSERT INTO players (name, levels, total) SELECT ?1, COUNT(*), SUM(best) FROM (SELECT MIN(seconds) AS best "
            "FROM uploads WHERE name = ?1 AND public_at IS NOT NULL GROUP BY level) WHERE true "
            "ON CONFLICT (name) DO UPDATE SET levels = excluded.levels, total = excluded.total")
      .Bind(1, name)
      .Run();
  tx.Commit();
  return true;
}

void SqliteStore::Forget_Expired(int64_t now) {
  std::lock_guard<std::mutex> lock(mutex_);
  Transaction tx(*statements_);
  statements_->Use("DELETE FROM tickets WHERE expires_at <= ?1").Bind(1, now).Run();
  statements_->Use("DELETE FROM uploads WHERE public_at IS NULL AND expires_at <= ?1").Bind(1, now).Run();
  tx.Commit();
}

std::vector<ScoreRecord> SqliteStore::Records(SqliteQuery& q) {
  std::vector<ScoreRecord> out;
  while (q.Step()) {
    ScoreRecord r;
    r.id = q.Int(0);
    r.level = static_cast<int>(q.Int(1));
    r.name = q.Text(2);
    r.time_text = q.Text(3);
    r.seconds = q.Real(4);
    r.public_at = q.Int(5);
    out.push_back(std::move(r));
  }
  return out;
}

std::vector<ScoreRecord> SqliteStore::Best_Per_Level() {
  std::lock_guard<std::mutex> lock(mutex_);
  // One indexed look-up per level that has scores; ties go to the score
  // that was public first.
  SqliteQuery q = statements_->Use(
      "SELECT u.id, u.level, u.name, u.time_text, u.seconds, u.public_at "
      "FROM (SELECT DISTINCT level FROM uploads WHERE public_at IS NOT NULL) AS l "
      "JOIN uploads AS u ON u.id = (SELECT id FROM uploads WHERE level = l.level AND public_at IS NOT NULL "
      "ORDER BY seconds, public_at, id LIMIT 1) ORDER BY u.level");
  return Records(q);
}

std::vector<ScoreRecord> SqliteStore::Level_Table(int level, int limit) {
  std::lock_guard<std::mutex> lock(mutex_);
  SqliteQuery q = statements_->Use(std::string("SELECT ") + kRecordColumns + " FROM (SELECT " + kRecordColumns +
                                   ", ROW_NUMBER() OVER (PARTITION BY name ORDER BY seconds, public_at, id) AS place "
                                   "FROM uploads WHERE public_at IS NOT NULL AND level = ?1) WHERE place = 1 "
                                   "ORDER BY seconds, public_at, id LIMIT ?2");
  q.Bind(1, level).Bind(2, limit);
  return Records(q);
}

std::vector<PlayerStanding> SqliteStore::Standings(bool complete, int levels, int limit) {
  std::lock_guard<std::mutex> lock(mutex_);
  SqliteQuery q = statements_->Use(
      complete ? "SELECT name, levels, total FROM players WHERE levels >= ?1 ORDER BY levels DESC, total, name LIMIT ?2"
               : "SELECT name, levels, total FROM players WHERE levels < ?1 ORDER BY levels DESC, total, name LIMIT ?2");
  q.Bind(1, levels).Bind(2, limit);
  std::vector<PlayerStanding> out;
  while (q.Step()) out.push_back({q.Text(0), static_cast<int>(q.Int(1)), q.Real(2)});
  return out;
}

std::vector<ScoreRecord> SqliteStore::Latest(int limit) {
  std::lock_guard<std::mutex> lock(mutex_);
  SqliteQuery q = statements_->Use(std::string("SELECT ") + kRecordColumns +
                                   " FROM uploads WHERE public_at IS NOT NULL ORDER BY public_at DESC, id DESC "
                                   "LIMIT ?1");
  q.Bind(1, limit);
  return Records(q);
}

std::optional<StoredFile> SqliteStore::Public_File(int64_t id) {
  std::lock_guard<std::mutex> lock(mutex_);
  SqliteQuery q = statements_->Use("SELECT id, level, name, file FROM uploads WHERE id = ?1 AND public_at IS NOT NULL");
  if (!q.Bind(1, id).Step()) return std::nullopt;
  return StoredFile{q.Int(0), static_cast<int>(q.Int(1)), q.Text(2), q.Blob(3)};
}

StoreCounts SqliteStore::Counts() {
  std::lock_guard<std::mutex> lock(mutex_);
  SqliteQuery q = statements_->Use(
      "SELECT (SELECT COUNT(*) FROM tickets), (SELECT COUNT(*) FROM uploads WHERE public_at IS NULL), "
      "(SELECT COUNT(*) FROM uploads WHERE public_at IS NOT NULL)");
  q.Step();
  return {q.Int(0), q.Int(1), q.Int(2)};
}
