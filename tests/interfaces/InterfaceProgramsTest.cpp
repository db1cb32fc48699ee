// The two interface programs as the job runs them: built, in the program
// folder, against a site's own embedded database and drive.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "Site.h"
#include "TempFolder.h"

namespace tramvel::interfaces::test {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;
using ::tramvel::testing::ProgramRun;
using ::tramvel::testing::ReadFile;
using ::tramvel::testing::TempFolder;
using ::tramvel::testing::WriteFile;

constexpr const char* kExport = "INTERFACEENVIOMAESTROS.EXE";
constexpr const char* kImport = "INTERFACERECEPMAESTROS.EXE";

std::set<std::string> NamesIn(const fs::path& folder) {
  std::set<std::string> names;
  if (!fs::exists(folder)) return names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

class InterfacePrograms : public ::testing::Test {
 protected:
  ProgramRun Export(const Site& site) { return site.Run(kExport, {Site::InterfaceText()}); }
  ProgramRun Import(const Site& site) { return site.Run(kImport, {Site::InterfaceText()}); }

  TempFolder folder_;
  Site a_{folder_.path() / "A"};
  Site b_{folder_.path() / "B"};
};

TEST_F(InterfacePrograms, ExportWritesEachMasterTableWithItsColumnNamesAndLeavesNoTemporaryFile) {
  FillMasterData(a_);
  const ProgramRun run = Export(a_);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(NamesIn(a_.Outbox()), MasterFileNames());
  EXPECT_THAT(run.output, HasSubstr("MA_CLIENTES: 3 filas en C:\\ENVIAR\\MA_CLIENTES.csv\n"));
  EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 5);

  const std::string clientes = ReadFile(a_.Outbox() / "MA_CLIENTES.csv");
  EXPECT_EQ(clientes.substr(0, clientes.find("\r\n")),
            "CODIGO,RAZON_SOCIAL,CONTACTO,Domicilio,CPORTEC,FHCPORTEC,NotificarEMAIL,NotificarWEB");
  EXPECT_THAT(clientes, HasSubstr("\r\nC0003,  Bar Central  ,\"\",,,1999-12-31 00:00:00,,\r\n"));
  EXPECT_THAT(clientes, HasSubstr("\"Polígono Sur, nave 4\r\nEntrada por Calle B\""));
  const std::string tarifas = ReadFile(a_.Outbox() / "TA_TARIFAS_ARTICULOS.csv");
  EXPECT_THAT(tarifas, HasSubstr(",1234567.8901,\r\n"));
  EXPECT_THAT(tarifas, HasSubstr(",12345678901234.5678,922337203685477.5807\r\n"));
}

TEST_F(InterfacePrograms, WhatOneSiteExportsAnotherLoadsValueForValue) {
  FillMasterData(a_);
  ASSERT_EQ(Export(a_).exitCode, 0);
  fs::create_directories(b_.Inbox());
  for (const std::string& name : MasterFileNames()) fs::copy_file(a_.Outbox() / name, b_.Inbox() / name);

  const ProgramRun run = Import(b_);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_THAT(run.output, HasSubstr("MA_DESTINATARIOS: 3 filas cargadas desde C:\\RECIBIR\\MA_DESTINATARIOS.csv\n"));
  for (const std::string& table : MasterTableNames()) {
    EXPECT_FALSE(a_.Rows(table).empty()) << table;
    EXPECT_EQ(b_.Rows(table), a_.Rows(table)) << table;
  }
  EXPECT_EQ(NamesIn(b_.Inbox()), MasterFileNames());
}

TEST_F(InterfacePrograms, ImportReplacesTheRowsOfTheTablesDeliveredAndSkipsOtherFiles) {
  b_.Execute("INSERT INTO MA_ARTICULOS (IdArticulo, Descripcion) VALUES ('VIEJO', 'se va')");
  b_.Execute("INSERT INTO MA_CLIENTES (CODIGO) VALUES ('SE-QUEDA')");
  WriteFile(b_.Inbox() / "ma_articulos.CSV", "idarticulo,ARETORNAR\r\nNUEVO,2\r\n");
  WriteFile(b_.Inbox() / "Estados.txt", "estado");

  const ProgramRun run = Import(b_);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_THAT(run.output, HasSubstr("Estados.txt: omitido, no es una tabla maestra\n"));
  EXPECT_THAT(run.output, HasSubstr("MA_ARTICULOS: 1 filas cargadas desde C:\\RECIBIR\\ma_articulos.CSV\n"));
  EXPECT_EQ(
      b_.Rows("MA_ARTICULOS"),
      std::vector<std::string>{"IdArticulo=text \"NUEVO\"; Descripcion=Null; IdCategoria=Null; ARETORNAR=integer 2; "});
  EXPECT_EQ(b_.Rows("MA_CLIENTES").size(), 1u);
}

struct BadDelivery {
  const char* name;
  const char* file;     // beside a good MA_ARTICULOS.csv
  std::string content;
  const char* place;    // what standard error names after the file
};

constexpr const char* kClientes = "MA_CLIENTES.csv";
constexpr const char* kTarifas = "TA_TARIFAS_ARTICULOS.csv";
const std::string kTarifasHeader = "TipoTarifa,IdArticulo,Fecha,TarifaIda\r\nGEN,A,2014-01-01 00:00:00,";

class BadDeliveries : public InterfacePrograms, public ::testing::WithParamInterface<BadDelivery> {};

TEST_P(BadDeliveries, LoadNothingNameTheFileAndLineAndLeaveTheFiles) {
  FillMasterData(b_);
  const auto before = b_.Rows("MA_ARTICULOS");
  const std::string table = fs::path(GetParam().file).stem().string();
  const auto tableBefore = b_.Rows(table);
  WriteFile(b_.Inbox() / "MA_ARTICULOS.csv", "IdArticulo,Descripcion\r\nNUEVO,Artículo nuevo\r\n");
  WriteFile(b_.Inbox() / GetParam().file, GetParam().content);

  const ProgramRun run = Import(b_);
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_THAT(run.errors, HasSubstr(std::string("C:\\RECIBIR\\") + GetParam().file + GetParam().place));
  EXPECT_THAT(run.output, Not(HasSubstr("cargadas")));
  EXPECT_EQ(b_.Rows("MA_ARTICULOS"), before);
  EXPECT_EQ(b_.Rows(table), tableBefore);
  EXPECT_EQ(NamesIn(b_.Inbox()), (std::set<std::string>{"MA_ARTICULOS.csv", GetParam().file}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadDeliveries,
    ::testing::Values(
        BadDelivery{"UnknownColumn", kClientes, "CODIGO,TELEFONO\r\nC9,555\r\n", ", línea 1, columna TELEFONO: la tabla"},
        BadDelivery{"UnreadableRow", kClientes, "CODIGO,CONTACTO\r\nC8,x\r\nC9,\"sin cerrar\r\n",
                    ", línea 3: las comillas"},
        BadDelivery{"MissingField", kClientes, "CODIGO,CONTACTO\r\nC8,x\r\nC9\r\n", ", línea 3: la fila tiene 1 campos"},
        BadDelivery{"ValueOfAnotherForm", kClientes, "CODIGO,FHCPORTEC\r\nC9,06/05/2014\r\n",
                    ", línea 2, columna FHCPORTEC"},
        BadDelivery{"RowTheDatabaseRefuses", kClientes, "CODIGO\r\nC1\r\nC2\r\nc1\r\n",
                    ", línea 4: Violation of PRIMARY KEY"},
        // CPORTEC is NVARCHAR(1): the database refuses the longer text, and the row is named.
        BadDelivery{"TextTooLong", kClientes, "CODIGO,CPORTEC\r\nC1,S\r\nC2,SSSS\r\n",
                    ", línea 3: String or binary data would be truncated."},
        BadDelivery{"BeyondMoney", kTarifas, kTarifasHeader + "1\r\nGEN,B,2014-01-01 00:00:00,922337203685477.5808\r\n",
                    ", línea 3, columna TarifaIda: \"922337203685477.5808\" no cabe en la columna (money"},
        BadDelivery{"FarBelowMoney", kTarifas, kTarifasHeader + "-100000000000000000000\r\n",
                    ", línea 2, columna TarifaIda: \"-100000000000000000000\" no cabe"},
        BadDelivery{"FifthDecimal", kTarifas, kTarifasHeader + "0.00005\r\n",
                    ", línea 2, columna TarifaIda: \"0.00005\" tiene más decimales de los 4"},
        BadDelivery{"NoHeader", kClientes, "", ": el archivo está vacío"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(InterfacePrograms, ATableThatCannotBeExportedLeavesNothingInTheOutbox) {
  FillMasterData(a_);
  a_.Configure("127.0.0.1:1", "\n[Maestros]\nTablas=MA_ARTICULOS, MA_NO_EXISTE\n");
  ProgramRun run = Export(a_);
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_THAT(run.errors, HasSubstr("MA_NO_EXISTE: Invalid object name"));
  EXPECT_EQ(NamesIn(a_.Outbox()), std::set<std::string>{});

  // A value that would be refused at every site is refused at its source.
  a_.Configure("127.0.0.1:1");
  a_.Execute("UPDATE MA_CLIENTES SET FHCPORTEC = 'ayer' WHERE CODIGO = 'C0002'");
  run = Export(a_);
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_THAT(run.errors, HasSubstr("MA_CLIENTES: fila 2, columna FHCPORTEC: el valor \"ayer\" no es una fecha"));
  EXPECT_EQ(NamesIn(a_.Outbox()), std::set<std::string>{});
}

TEST_F(InterfacePrograms, AnEmptyInboxLoadsNothingAndSaysSo) {
  const ProgramRun run = Import(b_);
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.output, "ningún archivo de tablas maestras en C:\\RECIBIR\\\n");
}

TEST_F(InterfacePrograms, ParametersAndConnectionProblemsHaveTheirOwnExitCodes) {
  struct Case {
    std::vector<std::string> args;
    int code;
    const char* said;
  };
  for (const char* program : {kExport, kImport}) {
    for (const Case& c : std::vector<Case>{
             {{}, 1, "falta el texto de parámetros"},
             {{" @server=LOCAL; @usuario=sa;"}, 1, "no nombra la base de datos"},
             {{" @server=LOCAL; @dbname=NOEXISTE; @usuario=sa; @Password=x; @ParametroAdicional=AUTO;"},
              2,
              "no se puede abrir la base de datos NOEXISTE del servidor LOCAL"},
         }) {
      const ProgramRun run = a_.Run(program, c.args);
      EXPECT_EQ(run.exitCode, c.code) << program << " " << c.said;
      EXPECT_THAT(run.errors, HasSubstr(c.said)) << program;
    }
    const ProgramRun help = a_.Run(program, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* text : {"@ParametroAdicional=AUTO;", "Códigos de salida", "RO000vu.INI", "Null"}) {
      EXPECT_THAT(help.output, HasSubstr(text)) << program;
    }
  }
}

}  // namespace
}  // namespace tramvel::interfaces::test
