#pragma once

#include <string>

#include "TempFolder.h"
#include "TestPlatform.h"
#include "common/components/InfoEquipo.h"
#include "common/components/SesionDatos.h"
#include "ado/sqlite/SqliteEngine.h"

namespace tramvel::testing {

// The tables of the start-up chain as the customer's database holds them.
inline constexpr const char* kTablasDeArranque = R"(
CREATE TABLE AUX_ERR (Id INT IDENTITY(1,1) NOT NULL, Proceso NVARCHAR(128) NULL,
  Fecha DATETIME NULL DEFAULT GETDATE(), Error INT NULL, Descripcion NVARCHAR(255) NULL,
  SQL NVARCHAR(4000) NULL, PC NVARCHAR(128) NULL, Usuario NVARCHAR(128) NULL)
CREATE TABLE Control_Acceso (Id INT IDENTITY(1,1) NOT NULL, Maquina NVARCHAR(128) NULL,
  Usuario NVARCHAR(128) NULL, Formulario NVARCHAR(128) NULL, Tarea NVARCHAR(100) NULL,
  Ingreso DATETIME NULL DEFAULT GETDATE(), NombreUsuario NVARCHAR(128) NULL)
CREATE TABLE TA_CONFIGURACION (Clave NVARCHAR(50) NULL, Valor NVARCHAR(150) NULL, ValorAux NVARCHAR(150) NULL,
  Grupo NVARCHAR(50) NULL, PoliticaNegocio BIT NULL DEFAULT 0, FHUPDATE DATETIME NULL)
CREATE TABLE ta_usuarios (Nombre NVARCHAR(50) NOT NULL, UNegocio NVARCHAR(4) NULL, VerProforma BIT NULL DEFAULT 0,
  CONSTRAINT PK_ta_usuarios PRIMARY KEY (Nombre))
CREATE TABLE TA_MENU (Clave NVARCHAR(20) NOT NULL, Nombre NVARCHAR(100) NULL, Proceso NVARCHAR(250) NULL,
  CONSTRAINT PK_TA_MENU PRIMARY KEY (Clave))
CREATE TABLE TA_TAREAS (USUARIO NVARCHAR(50) NOT NULL, TAREA NVARCHAR(20) NOT NULL,
  CONSTRAINT PK_TA_TAREAS PRIMARY KEY (USUARIO, TAREA))
)";

// Creates the embedded database `database` in the server folder (a native
// path) with the tables above.
inline void CrearBaseConTablas(const std::string& serverFolderNative, const std::string& database) {
  ado::CreateSqliteDatabase(serverFolderNative, database);
  ado::OpenSqliteConnection(serverFolderNative, database)->Execute(kTablasDeArranque);
}

// The program folder `carpeta` with a configuration file naming `motor`
// and the embedded server "LOCAL" holding the database "GESTION".
inline void PrepararServidor(TestPlatform& platform, const TempFolder& carpeta, const std::string& motor) {
  platform.SetProgramFolder(carpeta.str());
  platform.SetEnv("TRAMVEL_INI", std::nullopt);
  WriteFile(carpeta.path() / "RO000vu.INI", "[BaseDeDatos]\nMotor=" + motor + "\nCarpeta=C:\\DATOS\\\n");
  CrearBaseConTablas(platform.NativePath("C:\\DATOS\\LOCAL"), "GESTION");
}

// `sesion` connected to GESTION as "sa".
inline void Conectar(SesionDatos& sesion) {
  sesion.Servidor("LOCAL");
  sesion.BaseDeDatos("GESTION");
  sesion.Usuario("sa");
  sesion.Password("x");
  sesion.Conectar(false, 3, "", true, true);
}

// A test's own platform with that server, and a main session on it (not
// connected unless the engine is the embedded one).
class BaseEmbebida {
 public:
  explicit BaseEmbebida(const std::string& motor = "sqlite") {
    PrepararServidor(platform, temp, motor);
    if (motor == "sqlite") Conectar(sesion);
  }

  TempFolder temp;
  TestPlatform platform{temp.str()};
  SesionDatos sesion{platform};
  InfoEquipo equipo{platform};
};

}  // namespace tramvel::testing
