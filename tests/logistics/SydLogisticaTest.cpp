#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "RunProgram.h"
#include "StandIns.h"
#include "TempFolder.h"
#include "common/components/Utilidades.h"

namespace tramvel::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kConexion = "@Server=local;@DbName=DEMO;@Usuario=sa;@Password=x;";

// One trip with a returnable and a plain article line, stored as the suite
// stores its codes (right-aligned in their widths).
std::string Datos() {
  const std::string envase = Utilidades::FormatoCodigo("ENVASE", 25);
  const std::string caja = Utilidades::FormatoCodigo("CAJA", 25);
  const std::vector<std::string> sentencias = {
      "INSERT INTO MA_ARTICULOS (IdArticulo, IdCategoria, ARETORNAR) VALUES ('" + envase + "', '  C1', 1)",
      "INSERT INTO MA_ARTICULOS (IdArticulo, IdCategoria, ARETORNAR) VALUES ('" + caja + "', '  C1', 0)",
      "INSERT INTO MV_RUTEOCAB (IdComprobante, Nro_Viaje, Fecha, Proveedor, TIPO_VEHICULO, CODIGO_CLIENTE, "
      "SUCURSAL_CLIENTE, LOCALIDAD) VALUES ('R1', 'V''1', '2014-05-06', '    P1', '  V1', 'C1', '01', 'TANDIL')",
      "INSERT INTO MV_RUTEO (IdRemito, IdArticulo, UD, Cantidad, Devolucion) VALUES (1, '" + envase + "', 'U', 10, 4)",
      "INSERT INTO MV_RUTEO (IdRemito, IdArticulo, UD, Cantidad, Devolucion) VALUES (1, '" + caja + "', 'U', 10, 4)",
      "INSERT INTO TA_DISTLOCALIDADES (LOCALIDAD, Distancia) VALUES ('TANDIL', 360.5)",
      "INSERT INTO TA_TARIFAS_ARTICULOS (TipoTarifa, Proveedor, IdTipoVehiculo, IdCategoria, IdArticulo, Fecha, "
      "TarifaIda, TarifaVuelta) VALUES ('N', '    P1', '  V1', '  C1', '" +
          envase + "', '2014-01-01', 1.5, 0.5)",
      "INSERT INTO TA_TARIFAS_ARTICULOS (TipoTarifa, Proveedor, IdTipoVehiculo, IdCategoria, IdArticulo, Fecha, "
      "TarifaIda, TarifaVuelta) VALUES ('N', '', '', '', '" +
          caja + "', '2014-01-01', 1, 0.25)",
  };
  std::string script;
  for (const std::string& sentencia : sentencias) script += sentencia + "\r\nGO\r\n";
  return script;
}

// The operations on a database made by COMPLETO.SQL and brought to the last
// schema date, as a site's would be.
class SydLogistica : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    base_ = std::make_unique<TempFolder>();
    fs::create_directories(base_->path() / "tmp");
    ASSERT_EQ(Run(*base_, {kConexion, "crear-base", "COMPLETO.SQL"}).exitCode, 0);
    ASSERT_EQ(Run(*base_, {kConexion, "verificar-campos", "--confirmar"}).exitCode, 0);
    WriteFile(base_->path() / "DATOS.SQL", Datos());
    const ProgramRun datos = Run(*base_, {kConexion, "ver-vistas", "C:\\DATOS.SQL"});
    ASSERT_EQ(datos.exitCode, 0) << datos.errors;
  }
  static void TearDownTestSuite() { base_.reset(); }

  static ProgramRun Run(const TempFolder& folder, const std::vector<std::string>& args) {
    return RunSyd(args, folder.str(), {{"TEMP", (folder.path() / "tmp").string()}});
  }

  static ProgramRun Syd(std::vector<std::string> args) {
    args.insert(args.begin(), kConexion);
    return Run(*base_, args);
  }

  static inline std::unique_ptr<TempFolder> base_;
};

struct Caso {
  std::vector<std::string> args;
  int exitCode;
  std::string output;
};

TEST_F(SydLogistica, EachOperationPrintsItsResult) {
  const std::string envase = Utilidades::FormatoCodigo("ENVASE", 25);
  const std::vector<Caso> casos = {
      {{"traer-devoluciones", "V'1"},
       0,
       "Nro_Viaje,IDCOMPROBANTE,IdRemito,CODIGO_CLIENTE,SUCURSAL_CLIENTE,IdArticulo,UD,Cantidad,Devolucion\r\n"
       "V'1,R1,1,C1,01," +
           envase + ",U,10,4\r\nV'1,R1,1,C1,01," + Utilidades::FormatoCodigo("CAJA", 25) + ",U,10,4\r\n"},
      {{"traer-devoluciones-cons", "V'1"},
       0,
       "IdComprobante_Origen,IDCOMPROBANTE,IdRemito,CODIGO_CLIENTE,SUCURSAL_CLIENTE,IdArticulo,UD,Cantidad,"
       "Devolucion,Pendiente\r\nV'1,R1,1,C1,01," +
           envase + ",U,10,4,6\r\n"},
      {{"busca-distancia", "1"}, 0, "360.5\nTANDIL\n"},
      {{"busca-distancia", "2"}, 0, "0\n\n"},
      {{"importe-del-articulo", "N", "06/05/2014", "    P1", "  V1", "  C1", envase, "10"}, 0, "1.5\n0.5\n"},
      {{"importe-del-articulo", "N", "", "", "", "", "NADA", "1"}, 1, "0\n0\n"},
      {{"existe-tarifa", "N", "", "P1", "otro", "C1", "ENVASE"}, 0, "SI\n"},
      {{"existe-tarifa", "N", "", "P2", "", "", "ENVASE"}, 0, "NO\n"},
      {{"importe-por-articulo", "V'1", "N"}, 0, "35.5\n"},
      {{"actualiza-consolidado", "01", "3"}, 1, "1\n1\n"},
  };
  for (const Caso& caso : casos) {
    const ProgramRun run = Syd(caso.args);
    EXPECT_EQ(run.exitCode, caso.exitCode) << caso.args[0] << "\n" << run.errors;
    EXPECT_EQ(run.output, caso.output) << caso.args[0];
  }
}

TEST_F(SydLogistica, FailuresAndRefusalsGoToStandardError) {
  const ProgramRun id = Syd({"busca-distancia", "1 OR 1=1"});
  EXPECT_EQ(id.exitCode, 1);
  EXPECT_NE(id.errors.find("no es un número"), std::string::npos) << id.errors;

  const ProgramRun procedimiento = Syd({"actualiza-consolidado", "1", "1"});
  EXPECT_NE(procedimiento.errors.find("Could not find stored procedure 'dw_consolidaordenes1'."), std::string::npos)
      << procedimiento.errors;

  const ProgramRun articulo = Syd({"existe-tarifa", "N", "", "", "", "", " "});
  EXPECT_EQ(articulo.exitCode, 1);
  EXPECT_EQ(articulo.output, "NO\n");
  EXPECT_NE(articulo.errors.find("debe informar el Codigo de articulo"), std::string::npos) << articulo.errors;
}

TEST_F(SydLogistica, ABadCommandLineExitsTwo) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"traer-devoluciones"},
           {"traer-devoluciones-cons", "1", "2"},
           {"busca-distancia"},
           {"importe-del-articulo", "N", "", "", "", "", "A"},
           {"importe-del-articulo", "N", "", "", "", "", "A", "diez"},
           {"existe-tarifa", "N"},
           {"importe-por-articulo", "V1"},
           {"actualiza-consolidado", "1"},
           {"actualiza-consolidado", "uno", "2"},
           {"actualiza-consolidado", "1", "2", "quizas"},
           {"actualiza-consolidado", "1", "1e16"},
           {"actualiza-consolidado", "1.5", "2"},
       }) {
    EXPECT_EQ(Syd(args).exitCode, 2) << args[0];
  }
}

}  // namespace
}  // namespace tramvel::testing
