// Reading a table of 200,000 rows (ten columns of the kinds the system uses)
// through the ODBC engine with SQLite's ODBC driver, forward-only (the rows
// read as the reader moves) and static (every row held): rows per second and
// the reading process's peak memory, each in a process of its own.
// StepAPI=1 makes the driver step through the result too (by default it
// reads the whole result itself before handing over the first row).
//
//   build/bench/odbc_fetch_bench [ROWS]   (default 200000)

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ado/Recordset.h"
#include "ado/odbc/OdbcEngine.h"
#include "ado/sqlite/SqliteEngine.h"

namespace fs = std::filesystem;
using namespace tramvel::ado;

namespace {

void Fill(const std::string& folder, long rows) {
  CreateSqliteDatabase(folder, "BENCH");
  auto db = OpenSqliteConnection(folder, "BENCH");
  db->Execute("CREATE TABLE M (Id int NOT NULL PRIMARY KEY, Codigo varchar(25), Nombre varchar(60), "
              "Precio money, Costo money, Alta datetime, Activo bit, Stock int, Rubro varchar(4), Nota varchar(100))");
  db->Execute("BEGIN TRANSACTION");
  for (long i = 1; i <= rows; ++i) {
    const std::string n = std::to_string(i);
    db->Execute("INSERT INTO M VALUES (" + n + ", 'ART" + n + "', 'Artículo de prueba número " + n + "', " + n +
                ".25, 12.5, '2014-05-06 18:37:05', 1, " + n + ", 'R01', 'Nota del artículo " + n + "')");
  }
  db->Execute("COMMIT TRANSACTION");
}

void Read(const std::string& folder, int cursor) {
  auto odbc = OpenOdbcConnection("Driver=" TRAMVEL_SQLITEODBC ";Database=" + folder + "/BENCH.sqlite;StepAPI=1;");
  const auto start = std::chrono::steady_clock::now();
  Recordset rs;
  rs.Open("SELECT * FROM M", *odbc, cursor, adLockReadOnly);
  long rows = 0;
  double total = 0;
  for (; !rs.Eof(); rs.MoveNext(), ++rows) total += rs.Fields("Precio").Value().ToDouble();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%-12s %8ld rows  %6.2f s  %9.0f rows/s  peak %7.1f MiB  (sum %.0f)\n",
              cursor == adOpenForwardOnly ? "forward-only" : "static", rows, seconds, rows / seconds,
              static_cast<double>(usage.ru_maxrss) / 1024.0, total);
}

}  // namespace

int main(int argc, char** argv) {
  const long rows = argc > 1 ? std::atol(argv[1]) : 200000;
  const fs::path folder = fs::temp_directory_path() / ("odbc-bench-" + std::to_string(getpid()));
  fs::create_directories(folder);
  // Each step in a process of its own, so that one's memory is not another's peak.
  const auto inChild = [](auto step) {
    const pid_t child = fork();
    if (child == 0) {
      step();
      std::fflush(stdout);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
  };
  inChild([&] { Fill(folder.string(), rows); });
  for (int cursor : {adOpenForwardOnly, adOpenStatic}) inChild([&] { Read(folder.string(), cursor); });
  fs::remove_all(folder);
  return 0;
}
