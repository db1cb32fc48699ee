#pragma once

#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "TestPlatform.h"
#include "platform/ado/sqlite/SqliteEngine.h"
#include "startup/ProgramState.h"

namespace tramvel::testing {

// The test platform under an executable name of the test's choosing.
class PlataformaDeSitio : public TestPlatform {
 public:
  using TestPlatform::TestPlatform;
  std::string ExecutableName() override { return ejecutable; }
  std::string ejecutable = "tramvel";
};

// A site on the embedded engine: the program folder with its configuration
// file, the server "LOCAL" holding the business database "GESTION" (with the
// tables the settings load reads) and, unless told otherwise, the statistics
// database made by completodwe.sql. The program's main session is connected
// as "sa"; the statistics session is not.
class SitioEmbebido {
 public:
  explicit SitioEmbebido(bool conEstadisticas = true) {
    platform.SetProgramFolder(temp.str());
    platform.SetEnv("TRAMVEL_INI", std::nullopt);
    platform.SetEnv("TEMP", "C:\\TEMP");
    platform.SetEnv("TMP", "C:\\TEMP");
    std::filesystem::create_directories(temp.path() / "TEMP");
    WriteFile(temp.path() / "RO000vu.INI", "[BaseDeDatos]\nMotor=SQLITE\nCarpeta=C:\\DATOS\\\n");
    ado::CreateSqliteDatabase(Carpeta(), "GESTION");
    if (conEstadisticas) {
      ado::CreateSqliteDatabase(Carpeta(), "DW_ESTADISTICAS");
      ado::OpenSqliteConnection(Carpeta(), "DW_ESTADISTICAS")
          ->Execute(ReadFile(std::filesystem::path(TRAMVEL_SQL_DIR) / "completodwe.sql"));
    }
    SesionDatos& sesion = programa.Sesion();
    sesion.Servidor("LOCAL");
    sesion.BaseDeDatos("GESTION");
    sesion.Usuario("sa");
    sesion.Password("x");
    sesion.Conectar(false, 3, "", true, true);
    sesion.Ejecutar(
        "CREATE TABLE TA_CONFIGURACION (Clave NVARCHAR(50) NOT NULL PRIMARY KEY, Valor NVARCHAR(150) NULL, "
        "ValorAux NVARCHAR(150) NULL, Grupo NVARCHAR(50) NULL, PoliticaNegocio BIT NULL)\n"
        "CREATE TABLE ta_usuarios (Nombre NVARCHAR(50) NOT NULL PRIMARY KEY, UNegocio NVARCHAR(4) NULL, "
        "VerProforma BIT NULL)");
  }

  // The statistics session connected as the start-up connects it.
  void ConectarEstadisticas() {
    SesionDatos& dw = programa.SesionEstadisticas();
    dw.Servidor("LOCAL");
    dw.BaseDeDatos("DW_ESTADISTICAS");
    dw.Usuario("DW_ESTADISTICAS");
    dw.Password("DW_CONTROLDATOS");
    dw.Conectar(false, 3, "", true, false);
  }

  // Rows of the main database's configuration table.
  void Configurar(const std::string& clave, const std::string& valor) {
    programa.Sesion().Ejecutar("INSERT INTO TA_CONFIGURACION (Clave, Valor) VALUES (" +
                               programa.Sesion().ValorSQL(clave) + ", " + programa.Sesion().ValorSQL(valor) + ")");
  }

  std::string Carpeta() { return platform.NativePath("C:\\DATOS\\LOCAL"); }

  TempFolder temp;
  PlataformaDeSitio platform{temp.str()};
  ProgramState programa{platform};
};

}  // namespace tramvel::testing
