// SqliteStore: tickets with unique timestamps, uploads that stay hidden
// until confirmed, expiry, the leaderboard's queries, and a database that
// keeps everything across a reopen.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "service/sqlite_store.h"

namespace {

constexpr int64_t kNow = 1714567890;
constexpr int64_t kLife = 600;

class StoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "prismel-store-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
    Reopen();
  }
  void TearDown() override {
    store_.reset();
    std::filesystem::remove_all(folder_);
  }
  void Reopen() {
    store_.reset();
    std::string why;
    store_ = SqliteStore::Open(folder_ + "/scores.db", why);
    ASSERT_TRUE(store_) << why;
  }

  static Ticket Ticket_For(int level, const std::string& name, double seconds) {
    char time[32];
    std::snprintf(time, sizeof time, "%f", seconds);
    return {level, time, name, "Linux_6.1.0", "1.03"};
  }
  // The whole exchange, as the routes run it; the ticket's timestamp.
  int64_t Publish(int level, const std::string& name, double seconds, int64_t at) {
    const Ticket t = Ticket_For(level, name, seconds);
    const int64_t stamp = store_->Add_Ticket(t, at, at + kLife);
    EXPECT_TRUE(store_->Add_Pending(level, t.time_text, name, seconds, "file of " + name, at));
    EXPECT_TRUE(store_->Confirm(name, stamp, at));
    return stamp;
  }

  std::string folder_;
  std::unique_ptr<SqliteStore> store_;
};

TEST_F(StoreTest, TimestampsAreUniqueAndTheNextFreeOne) {
  const Ticket t = Ticket_For(1, "Alice", 12.5);
  EXPECT_EQ(store_->Add_Ticket(t, kNow, kNow + kLife), kNow);
  EXPECT_EQ(store_->Add_Ticket(t, kNow, kNow + kLife), kNow + 1);
  EXPECT_EQ(store_->Add_Ticket(t, kNow + 1, kNow + kLife), kNow + 2);
  EXPECT_EQ(store_->Add_Ticket(t, kNow + 5, kNow + kLife), kNow + 5);
  EXPECT_EQ(store_->Add_Ticket(t, kNow, kNow + kLife), kNow + 3);
  // A public upload keeps its ticket's timestamp after the ticket is gone.
  const int64_t published = Publish(2, "Bob", 20.0, kNow + 100);
  store_->Forget_Expired(kNow + 100 + kLife);
  EXPECT_EQ(store_->Add_Ticket(t, published, published + kLife), published + 1);
}

TEST_F(StoreTest, AnUploadIsHiddenUntilConfirmedAndTakesOneTicket) {
  const Ticket t = Ticket_For(3, "Alice", 12.5);
  EXPECT_FALSE(store_->Add_Pending(3, t.time_text, "Alice", 12.5, "file", kNow)) << "no ticket";
  const int64_t stamp = store_->Add_Ticket(t, kNow, kNow + kLife);
  EXPECT_FALSE(store_->Has_Open_Ticket(3, "12.500001", "Alice", kNow)) << "another time";
  EXPECT_FALSE(store_->Has_Open_Ticket(4, t.time_text, "Alice", kNow)) << "another level";
  EXPECT_FALSE(store_->Has_Open_Ticket(3, t.time_text, "alice", kNow)) << "another name";
  ASSERT_TRUE(store_->Has_Open_Ticket(3, t.time_text, "Alice", kNow));
  ASSERT_TRUE(store_->Add_Pending(3, t.time_text, "Alice", 12.5, "file", kNow + 1));
  EXPECT_FALSE(store_->Add_Pending(3, t.time_text, "Alice", 12.5, "file", kNow + 1)) << "the ticket is used";
  EXPECT_TRUE(store_->Best_Per_Level().empty()) << "pending is not public";
  EXPECT_FALSE(store_->Public_File(1));
  EXPECT_FALSE(store_->Confirm("Bob", stamp, kNow + 2));
  EXPECT_FALSE(store_->Confirm("Alice", stamp + 1, kNow + 2));
  ASSERT_TRUE(store_->Confirm("Alice", stamp, kNow + 2));
  EXPECT_FALSE(store_->Confirm("Alice", stamp, kNow + 3)) << "already public";
  const std::vector<ScoreRecord> best = store_->Best_Per_Level();
  ASSERT_EQ(best.size(), 1u);
  EXPECT_EQ(best[0].name, "Alice");
  EXPECT_EQ(best[0].public_at, kNow + 2);
  const auto file = store_->Public_File(best[0].id);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->text, "file");
  EXPECT_EQ(file->level, 3);
}

TEST_F(StoreTest, ExpiredTicketsAndUnconfirmedUploadsGo) {
  const Ticket a = Ticket_For(1, "Alice", 12.5), b = Ticket_For(1, "Bob", 13.5);
  store_->Add_Ticket(a, kNow, kNow + kLife);
  const int64_t late = store_->Add_Ticket(b, kNow, kNow + kLife);
  ASSERT_TRUE(store_->Add_Pending(1, b.time_text, "Bob", 13.5, "file", kNow));
  Publish(2, "Carol", 30.0, kNow);
  EXPECT_FALSE(store_->Has_Open_Ticket(1, a.time_text, "Alice", kNow + kLife)) << "expired, though not yet dropped";
  EXPECT_FALSE(store_->Confirm("Bob", late, kNow + kLife)) << "confirmed too late";
  store_->Forget_Expired(kNow + kLife);
  const StoreCounts c = store_->Counts();
  EXPECT_EQ(c.tickets, 0);
  EXPECT_EQ(c.pending, 0);
  EXPECT_EQ(c.published, 1) << "public scores never expire";
}

TEST_F(StoreTest, LeaderboardQueries) {
  int64_t at = kNow;
  // Alice: levels 1 and 2, twice on level 1; Bob: level 1 only, tied with
  // Alice's best but later; Carol: every one of three "levels".
  Publish(1, "Alice", 15.0, ++at);
  Publish(1, "Alice", 11.0, ++at);
  Publish(2, "Alice", 20.0, ++at);
  Publish(1, "Bob", 11.0, ++at);
  Publish(1, "Carol", 14.0, ++at);
  Publish(2, "Carol", 25.0, ++at);
  Publish(3, "Carol", 9.0, ++at);

  const std::vector<ScoreRecord> best = store_->Best_Per_Level();
  ASSERT_EQ(best.size(), 3u);
  EXPECT_EQ(best[0].name, "Alice") << "a tie goes to the earlier score";
  EXPECT_EQ(best[0].seconds, 11.0);
  EXPECT_EQ(best[1].name, "Alice");
  EXPECT_EQ(best[2].name, "Carol");

  const std::vector<ScoreRecord> one = store_->Level_Table(1, 20);
  ASSERT_EQ(one.size(), 3u) << "one row per player";
  EXPECT_EQ(one[0].name + one[1].name + one[2].name, "AliceBobCarol");
  EXPECT_EQ(one[0].seconds, 11.0);
  EXPECT_EQ(store_->Level_Table(1, 2).size(), 2u);

  // With three levels as "all", Carol alone is complete.
  const std::vector<PlayerStanding> complete = store_->Standings(true, 3, 10);
  ASSERT_EQ(complete.size(), 1u);
  EXPECT_EQ(complete[0].name, "Carol");
  EXPECT_EQ(complete[0].total, 48.0);
  const std::vector<PlayerStanding> climbing = store_->Standings(false, 3, 10);
  ASSERT_EQ(climbing.size(), 2u);
  EXPECT_EQ(climbing[0].name, "Alice") << "more levels first";
  EXPECT_EQ(climbing[0].levels, 2);
  EXPECT_EQ(climbing[0].total, 31.0) << "the best of each level";
  EXPECT_EQ(climbing[1].name, "Bob");

  const std::vector<ScoreRecord> latest = store_->Latest(2);
  ASSERT_EQ(latest.size(), 2u);
  EXPECT_EQ(latest[0].level, 3);
  EXPECT_EQ(latest[1].level, 2);
}

// Values only ever travel as bound parameters: a name full of SQL is kept
// as the text it is and breaks nothing.
TEST_F(StoreTest, TextIsStoredAsTextNeverAsSql) {
  const std::string name = "x'); DROP TABLE uploads; --";
  Publish(5, name, 40.0, kNow);
  const std::vector<ScoreRecord> best = store_->Best_Per_Level();
  ASSERT_EQ(best.size(), 1u);
  EXPECT_EQ(best[0].name, name);
  EXPECT_EQ(store_->Counts().published, 1);
}

TEST_F(StoreTest, EverythingSurvivesAReopen) {
  Publish(1, "Alice", 11.0, kNow);
  const Ticket t = Ticket_For(2, "Bob", 20.0);
  const int64_t stamp = store_->Add_Ticket(t, kNow, kNow + kLife);
  ASSERT_TRUE(store_->Add_Pending(2, t.time_text, "Bob", 20.0, "bob's file", kNow));
  Reopen();
  EXPECT_EQ(store_->Best_Per_Level().size(), 1u);
  ASSERT_TRUE(store_->Confirm("Bob", stamp, kNow + 1)) << "a pending upload waits across a restart";
  EXPECT_EQ(store_->Counts().published, 2);
}

}  // namespace
