// The shared behaviours on the two engines that need no server: the
// embedded one, and SQLite's own ODBC driver (libsqliteodbc) loaded in
// process by the ODBC engine.
#include <filesystem>

#include "EngineContract.h"
#include "TempFolder.h"
#include "ado/odbc/OdbcEngine.h"
#include "ado/sqlite/SqliteEngine.h"

namespace tramvel::ado::testing {
namespace {

class EmbeddedSite : public EngineSite {
 public:
  EmbeddedSite() { CreateSqliteDatabase(folder_.str(), "DEMO"); }
  std::unique_ptr<Connection> Open() override { return OpenSqliteConnection(folder_.str(), "DEMO"); }
  bool SqlStateSources() const override { return false; }
  bool TellsTwinsApart() const override { return true; }

 protected:
  tramvel::testing::TempFolder folder_;
};

class SqliteOdbcSite : public EmbeddedSite {
 public:
  // SQLite's ODBC driver heeds neither a statement's time-out nor SQLCancel
  // while it waits for a lock: its own busy time-out (Timeout, in
  // milliseconds, 100 seconds unless set) ends that wait. Set past the
  // command time-out of the tests, it lets the engine's own time-out show.
  std::unique_ptr<Connection> Open() override {
    return OpenOdbcConnection("Driver=" TRAMVEL_SQLITEODBC ";Database=" + folder_.str() + "/DEMO.sqlite;Timeout=1500;");
  }
  std::function<void()> OpenWithMissingDriver() override {
    return [this] { OpenOdbcConnection("Driver={" + std::string(kMissingDriver) + "};Database=" + folder_.str() + "/DEMO.sqlite;"); };
  }
  bool SqlStateSources() const override { return true; }
  bool TellsTwinsApart() const override { return false; }
  std::string IdentityKey() const override { return "integer PRIMARY KEY"; }
};

INSTANTIATE_TEST_SUITE_P(Sqlite, EngineContract,
                         ::testing::Values(EngineKind{"Embedded", [] { return std::make_unique<EmbeddedSite>(); }},
                                           EngineKind{"SqliteOdbc",
                                                      [] { return std::make_unique<SqliteOdbcSite>(); }}),
                         KindName);

}  // namespace
}  // namespace tramvel::ado::testing
