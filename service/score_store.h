// ScoreStore: where the service keeps tickets, uploads waiting for their
// confirmation and public scores, behind an interface so that a server
// database can take SQLite's place without touching the routes.
//
// Implementations must be safe to call from the server's worker threads at
// once, must keep every change whole (a crash leaves each call done or not
// done), and must never publish an upload that was not confirmed. Times are
// GMT seconds handed in by the caller; a store never reads the clock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "service/score_records.h"

class ScoreStore {
 public:
  virtual ~ScoreStore() = default;

  // Issues a ticket valid until expires_at under the first timestamp at or
  // after now that no ticket or upload holds, and returns that timestamp.
  virtual int64_t Add_Ticket(const Ticket& ticket, int64_t now, int64_t expires_at) = 0;
  // Whether a live ticket of this level, time text and name waits for its file.
  virtual bool Has_Open_Ticket(int level, const std::string& time_text, const std::string& name, int64_t now) = 0;
  // Keeps file as the pending upload of the newest such ticket, which is
  // then used up; false when there is none.
  virtual bool Add_Pending(int level, const std::string& time_text, const std::string& name, double seconds,
                           const std::string& file, int64_t now) = 0;
  // Makes the pending upload of this name and ticket timestamp public;
  // false when there is none (never sent, already public, or expired).
  virtual bool Confirm(const std::string& name, int64_t timestamp, int64_t now) = 0;
  // Drops expired tickets and uploads that were never confirmed.
  virtual void Forget_Expired(int64_t now) = 0;

  // The best public score of each level that has one, by level.
  virtual std::vector<ScoreRecord> Best_Per_Level() = 0;
  // Each player's best public score on a level, best first.
  virtual std::vector<ScoreRecord> Level_Table(int level, int limit) = 0;
  // Players with a public score on all `levels` levels (complete) or on
  // fewer (not complete), by levels (more first), then total, then name.
  virtual std::vector<PlayerStanding> Standings(bool complete, int levels, int limit) = 0;
  // The most recently published scores, newest first.
  virtual std::vector<ScoreRecord> Latest(int limit) = 0;
  // A public score's file; nothing for an unknown or pending one.
  virtual std::optional<StoredFile> Public_File(int64_t id) = 0;
  virtual StoreCounts Counts() = 0;
};
