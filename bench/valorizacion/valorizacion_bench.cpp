// The freight of one trip (ImportePorArticulo) on the embedded engine, in the
// schema of COMPLETO.SQL: a trip of LINES article lines against a tariff
// table of ARTICLES articles, four dated rows each. Half the lines find their tariff at the first lookup, half
// only at the fourth (tariff type and article), the widest. Prints the best
// of five valuations and the time per line.
//
//   build/bench/valorizacion_bench [LINES] [ARTICLES]   (default 1000 5000)
//
// The database lies in a fresh folder under /tmp, which stands for drive C:.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "logistics/Dll_SYD.h"
#include "platform/RealPlatform.h"
#include "ado/Connection.h"
#include "ado/sqlite/SqliteEngine.h"

namespace fs = std::filesystem;

namespace {

std::string Articulo(int i) { return "ART" + std::to_string(i); }

void Llenar(tramvel::ado::Connection& db, int lineas, int articulos) {
  db.Execute("BEGIN TRANSACTION");
  for (int a = 0; a < articulos; ++a) {
    // Even articles have rows for supplier P1 on vehicle V1; odd ones only
    // for other suppliers, vehicles and categories.
    const bool propio = a % 2 == 0;
    db.Execute("INSERT INTO MA_ARTICULOS (IdArticulo, IdCategoria, ARETORNAR) VALUES ('" + Articulo(a) + "', 'C1', 0)");
    for (int y = 2010; y < 2014; ++y) {
      db.Execute(std::string("INSERT INTO TA_TARIFAS_ARTICULOS VALUES ('N', '") + (propio ? "P1" : "P9") + "', '" +
                 (propio ? "V1" : "V9") + "', '" + (propio ? "C1" : "C9") + "', '" + Articulo(a) + "', '" +
                 std::to_string(y) + "-01-01', 1.5, 0.5)");
    }
  }
  db.Execute(
      "INSERT INTO MV_RUTEOCAB (IdComprobante, Nro_Viaje, Fecha, Proveedor, TIPO_VEHICULO) VALUES ('R1', 'V1', "
      "'2014-05-06', 'P1', 'V1')");
  for (int l = 0; l < lineas; ++l) {
    db.Execute("INSERT INTO MV_RUTEO (IdRemito, IdArticulo, UD, Cantidad, Devolucion) VALUES (1, '" +
               Articulo(l % articulos) + "', 'U', 10, 4)");
  }
  db.Execute("COMMIT");
}

}  // namespace

int main(int argc, char** argv) {
  const int lineas = argc > 1 ? std::atoi(argv[1]) : 1000;
  const int articulos = argc > 2 ? std::atoi(argv[2]) : 5000;
  const fs::path carpeta = fs::temp_directory_path() / ("tramvel-valorizacion-" + std::to_string(::getpid()));
  fs::create_directories(carpeta);
  ::setenv("TRAMVEL_DRIVE_C", carpeta.c_str(), 1);
  ::setenv("TRAMVEL_INI", (carpeta / "RO000vu.INI").c_str(), 1);
  auto platform = tramvel::NewRealPlatform({"", std::nullopt, nullptr});
  const std::string servidor = platform->NativePath("C:\\TRAMVEL\\DATOS\\LOCAL");
  tramvel::ado::CreateSqliteDatabase(servidor, "BENCH");
  tramvel::Dll_SYD dll(*platform);
  dll.gServidor = "LOCAL";
  dll.gDBName = "BENCH";
  dll.OpenADOServer();
  if (!dll.VerVistas(TRAMVEL_SQL_DIR "/COMPLETO.SQL")) return 1;
  Llenar(*tramvel::ado::OpenSqliteConnection(servidor, "BENCH"), lineas, articulos);
  double mejor = 0;
  tramvel::Currency importe;
  for (int vuelta = 0; vuelta < 5; ++vuelta) {
    const auto inicio = std::chrono::steady_clock::now();
    importe = dll.ImportePorArticulo("V1", "N");
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
    if (vuelta == 0 || ms < mejor) mejor = ms;
  }
  std::printf("%d lines against %d articles (%d tariff rows): best %.1f ms, %.3f ms per line, total %s\n", lineas,
              articulos, 4 * articulos, mejor, mejor / lineas, importe.ToString().c_str());
  fs::remove_all(carpeta);
  return 0;
}
