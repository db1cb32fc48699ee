// The base schema and the statistics schema, run on a fresh embedded database
// batch by batch, as the script runner cuts and runs them.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "platform/DateTime.h"
#include "platform/Failure.h"
#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "ado/Variant.h"
#include "ado/sqlite/SqliteEngine.h"
#include "platform/TextCase.h"
#include "upgrade/CatalogoEsquema.h"

namespace {

using tramvel::Failure;
using tramvel::ado::Connection;
using tramvel::ado::Recordset;
using tramvel::testing::TempFolder;

std::string ScriptPath(const char* name) { return (std::filesystem::path(TRAMVEL_SQL_DIR) / name).string(); }

// A line ends at CR LF or at a lone CR; a line that holds GO alone, in any
// case and with blanks around it, separates two batches.
std::vector<std::string> Batches(const std::string& text) {
  std::vector<std::string> batches(1);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\r', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    size_t first = line.find_first_not_of(" \t");
    size_t last = line.find_last_not_of(" \t");
    std::string bare = first == std::string::npos ? "" : line.substr(first, last - first + 1);
    for (char& c : bare) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (bare == "GO") {
      batches.emplace_back();
    } else {
      batches.back() += line + "\r\n";
    }
    start = end + 1;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  return batches;
}

// Runs every batch and gives the native number that each failing batch
// reported, in order; anything but "already exists" fails the test.
std::vector<int> RunScript(Connection& connection, const char* name) {
  std::vector<int> failures;
  for (const std::string& batch : Batches(tramvel::testing::ReadFile(ScriptPath(name)))) {
    try {
      connection.Execute(batch);
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.Number(), tramvel::failure::kDatabase) << failure.Description() << "\n" << batch;
      failures.push_back(connection.Errors().Empty() ? 0 : connection.Errors()[0].NativeError);
      if (failures.back() != 2714) ADD_FAILURE() << failure.Description() << "\n" << batch;
    }
  }
  return failures;
}

class SchemaScripts : public ::testing::Test {
 protected:
  std::unique_ptr<Connection> Fresh(const char* database) {
    tramvel::ado::CreateSqliteDatabase(folder_.str(), database);
    return tramvel::ado::OpenSqliteConnection(folder_.str(), database);
  }

  TempFolder folder_;
};

struct Expected {
  const char* object;
  bool view;
  std::vector<const char*> columns;  // those the program reads or writes
};

const std::vector<Expected> kBaseObjects = {
    {"TA_CONFIGURACION",
     false,
     {"Clave", "Valor", "ValorAux", "Grupo", "PoliticaNegocio", "FHUPDATE", "ssl_depositodefault"}},
    {"ta_usuarios", false, {"Nombre", "UNegocio", "VerProforma"}},
    {"TA_TAREAS", false, {"USUARIO", "TAREA"}},
    {"TA_MENU", false, {"Proceso", "Clave", "Nombre"}},
    {"Control_Acceso", false, {"Id", "Maquina", "Usuario", "Formulario", "Tarea", "Ingreso", "NombreUsuario"}},
    {"AUX_ERR", false, {"Proceso", "Fecha", "Error", "Descripcion", "SQL", "PC", "Usuario"}},
    {"MV_RUTEO", false, {"UD"}},
    {"MV_RUTEOCAB", false, {"ID", "CODIGO_CLIENTE", "SUCURSAL_CLIENTE", "LOCALIDAD", "Notificado", "Dev_CP_Nro"}},
    {"MA_DESTINATARIOS", false, {"CODIGO", "SUCURSAL", "LOCALIDAD"}},
    {"TA_DISTLOCALIDADES", false, {"LOCALIDAD", "Distancia", "Control"}},
    {"TA_TARIFAS_ARTICULOS",
     false,
     {"TipoTarifa", "Proveedor", "IdTipoVehiculo", "IdCategoria", "IdArticulo", "Fecha", "TarifaIda", "TarifaVuelta"}},
    {"MA_ARTICULOS", false, {"IdArticulo", "IdCategoria", "ARETORNAR"}},
    {"MA_CLIENTES", false, {"CODIGO", "CPORTEC", "NotificarWEB"}},
    {"Ql_DevolPendiente", true, {"Nro_Viaje", "IDCOMPROBANTE"}},
    {"Ql_DevolVaciosPendientes", true, {"IdComprobante_Origen", "IDCOMPROBANTE"}},
    {"Ql_ConsValorizado03",
     true,
     {"Nro_Comprobante", "Fecha_Comprobante", "Proveedor", "TIPO_VEHICULO", "IdCategoria", "IdArticulo", "Saldo",
      "Cantidad", "Devolucion", "ARETORNAR"}},
};

TEST_F(SchemaScripts, BaseSchemaCreatesEveryTableAndViewWithTheirColumns) {
  auto connection = Fresh("DEMO");
  EXPECT_TRUE(RunScript(*connection, "COMPLETO.SQL").empty());

  for (const Expected& expected : kBaseObjects) {
    SCOPED_TRACE(expected.object);
    EXPECT_EQ(connection->TableExists(expected.object), !expected.view);
    if (expected.view) {
      Recordset rows;
      EXPECT_NO_THROW(rows.Open(std::string("SELECT * FROM ") + expected.object, *connection));
    }
    for (const char* column : expected.columns)
      EXPECT_TRUE(connection->ColumnExists(expected.object, column)) << column;
  }
}

// The schema date 02/07/2004 is the key of the first upgrade step: every
// column that a step adds must be left to that step.
TEST_F(SchemaScripts, BaseSchemaStandsAtTheFirstUpgradeStep) {
  auto connection = Fresh("DEMO");
  RunScript(*connection, "COMPLETO.SQL");

  Recordset settings;
  settings.Open("SELECT FHUPDATE, ssl_depositodefault FROM TA_CONFIGURACION", *connection, tramvel::ado::adOpenStatic);
  ASSERT_EQ(settings.RecordCount(), 1);
  EXPECT_EQ(tramvel::ado::FormatDateText(settings.Fields("FHUPDATE").Value().ToDate()), "02/07/2004");
  EXPECT_TRUE(settings.Fields("ssl_depositodefault").Value().IsNull());

  // The upgrade stops for good while MV_RUTEO.UD is two characters wide.
  Recordset ud;
  ud.Open("SELECT TOP 1 UD FROM MV_RUTEO", *connection);
  EXPECT_EQ(ud.Fields(size_t{0}).DefinedSize(), 4);

  const std::vector<std::pair<const char*, std::vector<const char*>>> addedLater = {
      {"TA_CONFIGURACION",
       {"CodigoOrigen", "CuentaOrigenDestino", "Remitos_Lineas", "Remitos_Copias", "Web_Pass", "CodigoCF",
        "USACONSULTALIKE", "UsoChoferEnViaje", "SSL_CodigoM3", "SSL_CodigoKILOS", "SSL_CodigoBULTOS"}},
      {"MV_RUTEO", {"M3", "IDDEPOSITO", "Comodato", "CantPallets", "CantUnidades"}},
      {"MV_RUTEOCAB",
       {"Dev_cr", "CondVTA", "PagoEnDestino", "NroLiqCReem", "COD_DESTINO", "COBRADO", "CodOrigen", "Comodato", "Orden",
        "FhsNovedad", "NroCOT"}},
      {"MA_ARTICULOS",
       {"IdFamilia", "UD_CPRA", "UD_STOCK", "UD_TTE", "Presentacion", "DescripAbrev", "CodigoBarraDun", "Perecedero",
        "Pesable", "kilos", "CANTIDADUD"}},
      {"MA_DESTINATARIOS",
       {"TipoDocumento", "NroDocumento", "CondIVA", "Provincia", "MI_SQL_REC_NUM", "X", "Y", "Domicilio_Numero"}},
      {"MA_CLIENTES",
       {"CLAVE", "NotificarSeguro", "EMAIL_SEGURO", "EMAIL_ASUNTO", "EMAIL_VALORDECLARADO", "COT_PASSWORD",
        "COT_PLANTA", "COT_PUERTA", "USACOT", "Domicilio_Numero", "IdFamilia"}},
      {"ta_usuarios",
       {"IdCaja", "eMail_usuario", "eMail_password", "email_ServerOtro", "eMail_Server", "RutaImgFirma", "Firma",
        "ImgPos"}},
  };
  for (const auto& [table, columns] : addedLater) {
    for (const char* column : columns) EXPECT_FALSE(connection->ColumnExists(table, column)) << table << "." << column;
  }
}

// The upgrade runs the script again on a live database: only "already
// exists" comes back, and no second settings row appears.
TEST_F(SchemaScripts, BaseSchemaRunsAgainWithoutHarm) {
  auto connection = Fresh("DEMO");
  RunScript(*connection, "COMPLETO.SQL");
  connection->Execute("UPDATE TA_CONFIGURACION SET ssl_depositodefault = '0001'");

  std::vector<int> again = RunScript(*connection, "COMPLETO.SQL");

  EXPECT_EQ(again.size(), Batches(tramvel::testing::ReadFile(ScriptPath("COMPLETO.SQL"))).size() - 1);
  Recordset settings;
  settings.Open("SELECT ssl_depositodefault FROM TA_CONFIGURACION", *connection, tramvel::ado::adOpenStatic);
  ASSERT_EQ(settings.RecordCount(), 1);
  EXPECT_EQ(settings.Fields("ssl_depositodefault").Value().ToText(), "0001");
}

int CountRows(Connection& connection, const std::string& query) {
  Recordset rows;
  rows.Open(query, connection, tramvel::ado::adOpenStatic);
  return static_cast<int>(rows.RecordCount());
}

// One delivery of trip V1 with an ordinary article and a returnable
// container, ten of each out and four back.
TEST_F(SchemaScripts, ViewsSelectPendingReturnsAndValuationLines) {
  auto connection = Fresh("DEMO");
  RunScript(*connection, "COMPLETO.SQL");
  connection->Execute(
      "INSERT INTO MA_ARTICULOS (IdArticulo, IdCategoria, ARETORNAR) VALUES ('ART', 'C1', 0)\r\n"
      "INSERT INTO MA_ARTICULOS (IdArticulo, IdCategoria, ARETORNAR) VALUES ('CAJON', 'C2', 1)\r\n"
      "INSERT INTO MV_RUTEOCAB (IdComprobante, Nro_Viaje, Fecha, Proveedor, TIPO_VEHICULO) "
      "VALUES ('R0001', 'V1', '05/03/2024', 'P1', 'T1')\r\n"
      "INSERT INTO MV_RUTEO (IdRemito, IdArticulo, UD, Cantidad, Devolucion) VALUES (1, 'ART', 'UN', 10, 4)\r\n"
      "INSERT INTO MV_RUTEO (IdRemito, IdArticulo, UD, Cantidad, Devolucion) VALUES (1, 'CAJON', 'UN', 10, 4)\r\n");

  EXPECT_EQ(CountRows(*connection, "SELECT * FROM Ql_DevolPendiente WHERE Nro_Viaje = 'V1' ORDER BY IDCOMPROBANTE"), 2);

  Recordset empties;
  empties.Open("SELECT * FROM Ql_DevolVaciosPendientes WHERE IdComprobante_Origen = 'V1' ORDER BY IDCOMPROBANTE",
               *connection, tramvel::ado::adOpenStatic);
  ASSERT_EQ(empties.RecordCount(), 1);
  EXPECT_EQ(empties.Fields("IdArticulo").Value().ToText(), "CAJON");
  EXPECT_EQ(empties.Fields("IDCOMPROBANTE").Value().ToText(), "R0001");

  Recordset lines;
  lines.Open("Select * from Ql_ConsValorizado03 where Nro_Comprobante = 'V1' ORDER BY IdArticulo", *connection,
             tramvel::ado::adOpenStatic);
  ASSERT_EQ(lines.RecordCount(), 2);
  EXPECT_EQ(lines.Fields("Saldo").Value().ToDouble(), 6.0);
  EXPECT_EQ(lines.Fields("ARETORNAR").Value().ToInteger(), 0);
  EXPECT_EQ(lines.Fields("TIPO_VEHICULO").Value().ToText(), "T1");
  lines.MoveNext();
  EXPECT_EQ(lines.Fields("ARETORNAR").Value().ToInteger(), 1);
  EXPECT_EQ(lines.Fields("IdCategoria").Value().ToText(), "C2");

  // Once the return document is made, nothing of that delivery is pending.
  connection->Execute("UPDATE MV_RUTEOCAB SET Dev_CP_Let = 'R', Dev_CP_Suc = '0001', Dev_CP_Nro = '00000001'");
  EXPECT_EQ(CountRows(*connection, "SELECT * FROM Ql_DevolPendiente WHERE Nro_Viaje = 'V1'"), 0);
}

std::vector<tramvel::Accion> EveryAction() {
  using namespace tramvel;
  std::vector<Accion> all;
  const auto add = [&](std::span<const Accion> actions) { all.insert(all.end(), actions.begin(), actions.end()); };
  add(PreparacionFechaDeEsquema());
  add(PreparacionClaves());
  add(PreparacionSiempre());
  for (const BloqueAnterior& block : BloquesAnteriores()) add(block.acciones);
  for (const PasoFechado& step : PasosFechados()) add(step.acciones);
  return all;
}

// The upgrade adds columns to these tables: a database made by the base
// schema has them all, whichever step it starts from.
TEST_F(SchemaScripts, BaseSchemaHasEveryTableTheUpgradeAddsColumnsTo) {
  auto connection = Fresh("DEMO");
  RunScript(*connection, "COMPLETO.SQL");
  for (const tramvel::Accion& action : EveryAction()) {
    if (action.tipo == tramvel::TipoAccion::kCampo) {
      EXPECT_TRUE(connection->TableExists(std::string(action.texto))) << action.texto;
    }
  }
}

// Every script the upgrade names lies in sql/ (found without regard to
// letter case, as the program folder finds it), and runs on a database made
// by the base schema, twice, with nothing but "already exists". The column
// of 11062004-CantDesdeTarifas.sql is in the base schema, and the upgrade
// runs that script only while the column is missing.
TEST_F(SchemaScripts, EveryUpgradeScriptRunsTwiceOnTheBaseSchema) {
  auto connection = Fresh("DEMO");
  RunScript(*connection, "COMPLETO.SQL");
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(TRAMVEL_SQL_DIR)) {
    files.push_back(entry.path().filename().string());
  }
  for (const tramvel::Accion& action : EveryAction()) {
    if (action.tipo != tramvel::TipoAccion::kScript && action.tipo != tramvel::TipoAccion::kScriptEnEspera) continue;
    SCOPED_TRACE(std::string(action.texto));
    const auto found = std::find_if(files.begin(), files.end(),
                                    [&](const std::string& f) { return tramvel::EqualsIgnoreCase(f, action.texto); });
    ASSERT_NE(found, files.end());
    const std::string text = tramvel::testing::ReadFile(ScriptPath(found->c_str()));
    EXPECT_NE(text.find("\r\n"), std::string::npos);
    if (tramvel::EqualsIgnoreCase(*found, "COMPLETO.SQL")) continue;
    if (tramvel::EqualsIgnoreCase(*found, "11062004-CantDesdeTarifas.sql")) continue;
    RunScript(*connection, found->c_str());
    RunScript(*connection, found->c_str());
  }
}

TEST_F(SchemaScripts, StatisticsSchemaKeepsOneRowPerKey) {
  auto connection = Fresh("DW_ESTADISTICAS");
  EXPECT_TRUE(RunScript(*connection, "completodwe.sql").empty());

  for (const char* column : {"Clave", "Valor", "ValorAux", "Grupo", "PoliticaNegocio"}) {
    EXPECT_TRUE(connection->ColumnExists("TA_CONFIGURACION", column)) << column;
  }
  connection->Execute(
      "INSERT INTO TA_CONFIGURACION (Clave, Valor, Grupo, PoliticaNegocio) VALUES ('TIMEOUT', '0', 'BaseDeDatos', 0)");
  EXPECT_THROW(connection->Execute("INSERT INTO TA_CONFIGURACION (Clave, Valor) VALUES ('TimeOut', '90')"), Failure);
  EXPECT_EQ(connection->Errors()[0].NativeError, 2627);
}

}  // namespace
