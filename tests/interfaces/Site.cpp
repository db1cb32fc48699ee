#include "Site.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "StandIns.h"
#include "TempFolder.h"
#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "ado/sqlite/SqliteEngine.h"

namespace tramvel::interfaces::test {

namespace fs = std::filesystem;

Site::Site(fs::path root) : root_(std::move(root)) {
  fs::create_directories(DriveC());
  Configure("127.0.0.1:1");
  // As a site is set up: syd makes the embedded database from the script.
  const testing::ProgramRun made =
      Run("syd", {"@Server=LOCAL;@DbName=GESTION;@Usuario=sa;@Password=x;", "crear-base", "COMPLETO.SQL"});
  if (made.exitCode != 0) throw std::runtime_error("syd crear-base failed: " + made.errors);
}

void Site::Configure(const std::string& ftpServer, const std::string& moreLines) const {
  testing::WriteFile(
      root_ / "RO000vu.INI",
      "[FTP]\nServidor=" + ftpServer + "\n\n[BaseDeDatos]\nMotor=SQLITE\nCarpeta=C:\\TRAMVEL\\DATOS\\\n" + moreLines);
}

Environment Site::Env() const {
  return {{"TRAMVEL_DRIVE_C", DriveC().string()},
          {"TRAMVEL_INI", (root_ / "RO000vu.INI").string()},
          {"DISPLAY", std::nullopt},
          {"WAYLAND_DISPLAY", std::nullopt},
          {"TEMP", root_.string()},
          {"TMP", root_.string()},
          {"ZARIZ_RETRY_DELAY_MS", "1"}};
}

std::string Site::InterfaceText() {
  return " @server=LOCAL; @dbname=GESTION; @usuario=sa; @Password=x; @ParametroAdicional=AUTO;";
}

std::string Site::LaunchText(const std::string& job) {
  return "@ParametroAdicional=" + job + ";@Server=LOCAL;@DbName=GESTION;@Usuario=sa;@Password=x;";
}

testing::ProgramRun Site::Run(const std::string& program, const std::vector<std::string>& args) const {
  return Run(testing::ProgramDir(), program, args);
}

testing::ProgramRun Site::Run(const fs::path& folder, const std::string& program,
                              const std::vector<std::string>& args) const {
  return testing::RunProgram((folder / program).string(), args, Env());
}

std::unique_ptr<ado::Connection> Site::Connect() const {
  return ado::OpenSqliteConnection((DriveC() / "TRAMVEL" / "DATOS" / "LOCAL").string(), "GESTION");
}

void Site::Execute(const std::string& sql) const { Connect()->Execute(sql); }

std::vector<std::string> Site::Rows(const std::string& table) const {
  const std::unique_ptr<ado::Connection> connection = Connect();
  ado::Recordset rows;
  rows.Open("SELECT * FROM " + table, *connection);
  std::vector<std::string> texts;
  for (; !rows.Eof(); rows.MoveNext()) {
    std::ostringstream text;
    for (ado::Field& field : rows.Fields()) text << field.Name() << '=' << field.Value() << "; ";
    texts.push_back(text.str());
  }
  std::sort(texts.begin(), texts.end());
  return texts;
}

const std::vector<std::string>& MasterTableNames() {
  static const std::vector<std::string> kNames = {"MA_ARTICULOS", "MA_CLIENTES", "MA_DESTINATARIOS",
                                                  "TA_DISTLOCALIDADES", "TA_TARIFAS_ARTICULOS"};
  return kNames;
}

std::set<std::string> MasterFileNames() {
  std::set<std::string> names;
  for (const std::string& table : MasterTableNames()) names.insert(table + ".csv");
  return names;
}

void FillMasterData(const Site& site) {
  site.Execute(
      "INSERT INTO MA_ARTICULOS (IdArticulo, Descripcion, IdCategoria, ARETORNAR) VALUES "
      "('CAJ-001', 'Cajón plástico 40x30', 'ENV', 1), ('PAL-EUR', 'Palé europeo \"EUR\"', 'ENV', 1), "
      "('AGUA-5L', 'Agua mineral, bidón 5 l', 'BEB', 0), ('SIN-CAT', '', NULL, NULL)\n"
      "INSERT INTO MA_CLIENTES (CODIGO, RAZON_SOCIAL, CONTACTO, Domicilio, CPORTEC, FHCPORTEC, NotificarEMAIL, "
      "NotificarWEB) VALUES "
      "('C0001', 'Distribuciones Peña S.L.', 'Ana Núñez', 'Av. de los Toreros 12, 3º', 'S', '2014-05-06 18:37:05', 1, "
      "0), ('C0002', 'O''Brien & Hijos', NULL, 'Polígono Sur, nave 4' || char(13) || char(10) || 'Entrada por "
      "Calle B', 'N', NULL, 0, 1), ('C0003', '  Bar Central  ', '', NULL, NULL, '1999-12-31 00:00:00', NULL, NULL)\n"
      "INSERT INTO MA_DESTINATARIOS (CODIGO, SUCURSAL, Nombre, Domicilio, LOCALIDAD) VALUES "
      "('C0001', '001', 'Almacén central', 'Ctra. N-340 km 12', 'MÁLAGA'), "
      "('C0001', '002', 'Tienda centro', 'C/ Larios 5', 'MÁLAGA'), "
      "('C0002', '001', 'Nave', NULL, 'SEVILLA')\n"
      "INSERT INTO TA_DISTLOCALIDADES (LOCALIDAD, Distancia, Control, CPOSTAL, Provincia, ZONA) VALUES "
      "('MÁLAGA', 12.5, 1, '29001', 'MA', 'SUR'), ('SEVILLA', 206.25, 0, '41001', 'SE', 'SUR'), "
      "('CÓRDOBA', 0.1, NULL, NULL, 'CO', '')\n"
      "INSERT INTO TA_TARIFAS_ARTICULOS (TipoTarifa, Proveedor, IdTipoVehiculo, IdCategoria, IdArticulo, Fecha, "
      "TarifaIda, TarifaVuelta) VALUES "
      "('GEN', '', '', 'ENV', 'CAJ-001', '2014-01-01 00:00:00', 0.3525, 0.1), "
      "('GEN', 'P01', 'CAM', '', 'PAL-EUR', '2014-03-15 00:00:00', 1234567.8901, NULL), "
      "('ESP', 'P01', '', '', 'AGUA-5L', '2013-12-31 23:59:59', 0, 0.0001), "
      "('ESP', 'P02', '', '', 'GRUA', '2014-02-01 00:00:00', '12345678901234.5678', '922337203685477.5807')");
}

}  // namespace tramvel::interfaces::test
