// The shared behaviours on a real server: a private PostgreSQL cluster
// reached through its ODBC driver (odbc-postgresql), started once for these
// tests and stopped at their end.
#include <atomic>
#include <fstream>

#include "EngineContract.h"
#include "PostgresCluster.h"
#include "RunProgram.h"
#include "StandIns.h"
#include "TempFolder.h"
#include "ado/odbc/OdbcEngine.h"

namespace tramvel::ado::testing {
namespace {

// The cluster of this test program: started by the first test that needs
// it, stopped when the program ends (its guard is a static's destructor).
PostgresCluster* Cluster(std::string& why) {
  static std::string failure;
  static std::unique_ptr<PostgresCluster> cluster = PostgresCluster::Start(failure);
  why = failure;
  return cluster.get();
}

class PostgresSite : public EngineSite {
 public:
  PostgresSite() {
    std::string why;
    cluster_ = Cluster(why);
    if (!cluster_) throw std::runtime_error(why);
    static std::atomic<int> next{0};
    database_ = "contrato" + std::to_string(++next);
    OpenOdbcConnection(cluster_->ConnectionText("postgres"))->Execute("CREATE DATABASE " + database_);
  }
  std::unique_ptr<Connection> Open() override { return OpenOdbcConnection(cluster_->ConnectionText(database_)); }
  std::function<void()> OpenWithWrongPassword() override {
    return [this] { OpenOdbcConnection(cluster_->ConnectionText(database_, "wrong")); };
  }
  std::function<void()> OpenWithMissingDriver() override {
    return [] { OpenOdbcConnection("Driver={" + std::string(kMissingDriver) + "};Server=127.0.0.1;"); };
  }
  bool StopServer() override { return cluster_->Stop(); }
  void StartServer() override { cluster_->Restart(); }

  std::string AmountType() const override { return "numeric(18,4)"; }
  std::string DateType() const override { return "timestamp"; }
  std::string BitType() const override { return "boolean"; }
  std::string IdentityKey() const override { return "serial PRIMARY KEY"; }

 private:
  PostgresCluster* cluster_ = nullptr;
  std::string database_;
};

INSTANTIATE_TEST_SUITE_P(Server, EngineContract,
                         ::testing::Values(EngineKind{"Postgres", [] { return std::make_unique<PostgresSite>(); }}),
                         KindName);

// The whole way from the configuration file: Motor=ODBC with the server's
// connection text in Cadena, and syd reads the configuration row from it.
TEST(OdbcFromTheConfiguration, SydReadsTheConfigurationRowFromTheServer) {
  std::string why;
  PostgresCluster* cluster = Cluster(why);
  ASSERT_NE(cluster, nullptr) << why;
  OpenOdbcConnection(cluster->ConnectionText("postgres"))->Execute("CREATE DATABASE configuracion");
  OpenOdbcConnection(cluster->ConnectionText("configuracion"))
      ->Execute("CREATE TABLE TA_CONFIGURACION (FHUPDATE varchar(10)); "
                "INSERT INTO TA_CONFIGURACION VALUES ('06/05/2014')");
  const tramvel::testing::TempFolder folder;
  const std::string ini = folder.str() + "/RO000vu.INI";
  std::ofstream(ini) << "[BaseDeDatos]\nMotor=ODBC\nCadena=" << cluster->ConnectionText("configuracion") << "\n";
  const tramvel::testing::ProgramRun run =
      tramvel::testing::RunProgram((tramvel::testing::ProgramDir() / "syd").string(),
                                   {"@Server=PG;@DbName=configuracion;@Usuario=u;@Password=p;", "cfg", "FHUPDATE"},
                                   {{"TRAMVEL_INI", ini}, {"TRAMVEL_DRIVE_C", folder.str() + "/C"}});
  ASSERT_TRUE(run.exitedNormally);
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.output, "06/05/2014\n") << run.errors;
}

}  // namespace
}  // namespace tramvel::ado::testing
