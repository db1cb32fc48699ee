#pragma once

#include <gtest/gtest.h>

#include <string>

#include "TempFolder.h"
#include "TestPlatform.h"
#include "logistics/Dll_SYD.h"
#include "ado/Connection.h"
#include "ado/sqlite/SqliteEngine.h"

namespace tramvel::testing {

// An object connected to an empty embedded database GESTION of server LOCAL,
// which each test fills with the few rows it needs.
class EmbeddedFixture : public ::testing::Test {
 protected:
  EmbeddedFixture() {
    platform.SetProgramFolder(temp.str());
    platform.SetEnv("TRAMVEL_INI", std::nullopt);
    WriteFile(temp.path() / "RO000vu.INI", "[BaseDeDatos]\nCarpeta=C:\\DATOS\\\n");
    ado::CreateSqliteDatabase(platform.NativePath("C:\\DATOS\\LOCAL"), "GESTION");
    dll.gServidor = "LOCAL";
    dll.gDBName = "GESTION";
    dll.OpenADOServer();
  }

  // A connection of the test's own, as another program would hold.
  ado::Connection& Otra() {
    if (!otra_) otra_ = ado::OpenSqliteConnection(platform.NativePath("C:\\DATOS\\LOCAL"), "GESTION");
    return *otra_;
  }
  void Run(const std::string& sql) { Otra().Execute(sql); }

  TempFolder temp;
  TestPlatform platform{temp.str()};
  Dll_SYD dll{platform};

 private:
  std::unique_ptr<ado::Connection> otra_;
};

}  // namespace tramvel::testing
