#include <gtest/gtest.h>

#include "RecordingEngine.h"
#include "TempFolder.h"
#include "ado/SessionLock.h"
#include "ado/sqlite/SqliteEngine.h"

namespace tramvel::ado {
namespace {

using testing::TempFolder;

// Two sessions on one embedded database, as two workstations would hold.
TEST(SessionLock, OneSessionAtATimeUntilTheHolderLetsGoOrCloses) {
  TempFolder folder;
  CreateSqliteDatabase(folder.str(), "DEMO");
  auto first = OpenSqliteConnection(folder.str(), "DEMO");
  auto second = OpenSqliteConnection(folder.str(), "DEMO");

  auto held = SessionLock::TryAcquire(*first, "Tramvel upgrade");
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(SessionLock::TryAcquire(*second, "Tramvel upgrade"), nullptr);
  EXPECT_NE(SessionLock::TryAcquire(*second, "another"), nullptr);

  held.reset();
  auto taken = SessionLock::TryAcquire(*second, "Tramvel upgrade");
  EXPECT_NE(taken, nullptr);

  // A session that closes takes its lock with it.
  taken.reset();
  ASSERT_NE(SessionLock::TryAcquire(*second, "x"), nullptr);
  second->Close();
  EXPECT_NE(SessionLock::TryAcquire(*first, "x"), nullptr);
}

// The engine that SQL Server stands behind gets sp_getapplock, answered at once.
TEST(SessionLock, OnSqlServerAsksForAnApplicationLockOwnedByTheSession) {
  tramvel::testing::RecordingEngine recording;
  auto connection = recording.Connect();
  EXPECT_EQ(SessionLock::TryAcquire(*connection, "it's"), nullptr);  // no result: not granted
  ASSERT_EQ(recording.Sent().size(), 1u);
  EXPECT_EQ(recording.Sent()[0],
            "DECLARE @r int\r\nEXEC @r = sp_getapplock @Resource = N'it''s', @LockMode = 'Exclusive', "
            "@LockOwner = 'Session', @LockTimeout = 0\r\nSELECT @r");
}

}  // namespace
}  // namespace tramvel::ado
