// SqliteStore: the ScoreStore in one SQLite database file, the service's
// default. WAL mode and a busy timeout let a backup or the sqlite3 shell
// read the file while the service runs; every change is one transaction.
//
// One connection serves every thread, one call at a time: the service's
// load is a few uploads a minute and page views, far below what that
// allows. It must not be opened twice on one file by one process.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "service/score_store.h"
#include "service/sqlite_query.h"

class SqliteStore : public ScoreStore {
 public:
  // Opens (creating when missing) the database at path; null with the
  // reason when it cannot be opened or set up.
  static std::unique_ptr<SqliteStore> Open(const std::string& path, std::string& why);
  ~SqliteStore() override;

  int64_t Add_Ticket(const Ticket& ticket, int64_t now, int64_t expires_at) override;
  bool Has_Open_Ticket(int level, const std::string& time_text, const std::string& name, int64_t now) override;
  bool Add_Pending(int level, const std::string& time_text, const std::string& name, double seconds,
                   const std::string& file, int64_t now) override;
  bool Confirm(const std::string& name, int64_t timestamp, int64_t now) override;
  void Forget_Expired(int64_t now) override;

  std::vector<ScoreRecord> Best_Per_Level() override;
  std::vector<ScoreRecord> Level_Table(int level, int limit) override;
  std::vector<PlayerStanding> Standings(bool complete, int levels, int limit) override;
  std::vector<ScoreRecord> Latest(int limit) override;
  std::optional<StoredFile> Public_File(int64_t id) override;
  StoreCounts Counts() override;

 private:
  explicit SqliteStore(sqlite3* db);
  void Execute(const char* sql);
  std::vector<ScoreRecord> Records(SqliteQuery& q);

  std::mutex mutex_;
  sqlite3* db_;
  std::unique_ptr<SqliteStatements> statements_;
};
