// syd: the logistics class Dll_SYD from the command line, for the operations
// that have no caller in tramvel itself.
//
//   syd [CONNECTION FIELDS] SUBCOMMAND [ARGUMENTS]

#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "common/StepRunner.h"
#include "common/components/SesionDatos.h"
#include "common/components/Utilidades.h"
#include "logistics/Dll_SYD.h"
#include "platform/MessageBoxStyle.h"
#include "platform/RealPlatform.h"
#include "ado/sqlite/SqliteEngine.h"
#include "startup/GenerarConsultas.h"
#include "startup/LaunchParameters.h"
#include "startup/ProgramState.h"
#include "SydEsquema.h"
#include "SydLogistica.h"

namespace {

using tramvel::Dll_SYD;

constexpr const char* kAyuda = R"(Usage: syd [CONNECTION FIELDS] SUBCOMMAND [ARGUMENTS]

Runs one operation of the logistics class Dll_SYD.

Connection fields, as tramvel takes them (needed by database subcommands):
  "@Server=HOST;@DbName=NAME;@Usuario=USER;@Password=PASSWORD;"

Subcommands:
  file-exists PATH                         True when PATH can be opened for reading
  copy-file SRC DST                        copies SRC over DST
  guardar-testigo PATH [SUFIJO] [DESTINO]  files a reception witness of PATH under
                                           DESTINO\TESTIGO\yyyy-mm\dd-hhmm<SUFIJO>\
                                           and prints what it wrote back
  crear-base [SCRIPT]                      creates the empty embedded database @DbName
                                           of server @Server, then runs SCRIPT on it;
                                           when SCRIPT fails the database is removed
  ver-vistas FILE                          runs the SQL script FILE (batches separated
                                           by GO lines) on the database
  cfg COLUMN                               prints COLUMN (a column name) of the
                                           configuration table
  generar-consultas [FOLDER]               writes the search definitions consultas.dwk
                                           into FOLDER (the program folder by default)
                                           unless it is there already, as a start of
                                           tramvel does
  verificar-campos [--confirmar]           brings the schema up to date (VerificaCampos,
                                           called again while the schema date moves),
                                           printing the date after each call; questions
                                           take their default answer, or Yes with
                                           --confirmar; exit 1 when it stops short
  estado-esquema                           prints the schema date, the upgrade step it
                                           keys and how many steps remain
  traer-devoluciones NRO_VIAJE             prints the trip's pending returns of goods
                                           (Ql_DevolPendiente) as CSV with a header row
  traer-devoluciones-cons NRO_VIAJE        the same for empty containers
                                           (Ql_DevolVaciosPendientes)
  busca-distancia ID_DEL_REMITO            prints the delivery's distance, then the
                                           locality it is of
  importe-del-articulo TIPO VIGENCIA PROVEEDOR VEHICULO CATEGORIA ITEM CANTIDAD
                                           prints the outbound tariff, then the return
                                           tariff; both 0, and exit 1, without a tariff
  existe-tarifa TIPO VIGENCIA PROVEEDOR VEHICULO CATEGORIA ARTICULO
                                           prints SI or NO; an empty text ("") leaves
                                           a criterion out (ARTICULO is required)
  importe-por-articulo NRO_VIAJE TIPO      prints the freight of the trip
  actualiza-consolidado DESDE HASTA [SI|NO]
                                           runs the consolidation procedures for the
                                           load orders DESDE to HASTA (SI: the whole
                                           range first without balances), progress on
                                           standard error, then prints the range back

A script named without a folder is looked for in the program folder. Errors of
a script's batches are written to Script<h><m><s>.TXT in the temporary folder.
Amounts and distances are printed with a point for decimals; CSV is RFC 4180,
lines ending in CR LF.

Paths are the system's Windows paths (C:\RECIBIR\A.TXT); TRAMVEL_DRIVE_C names
the folder that stands for drive C:. Messages for the operator go to standard
error. Exit status: 0 on success, 1 on failure, 2 on a bad command line.
)";

struct Invocacion {
  tramvel::Platform& platform;
  Dll_SYD& dll;
  std::vector<std::string> args;
};

// Tells whether an operation reported a failure to the operator: nobody is
// there to read the box, so the exit status has to say it.
class OperadorVigilado : public tramvel::OperatorWrapper {
 public:
  using OperatorWrapper::OperatorWrapper;

  bool InformoFallas() const { return informoFallas_; }

  int MessageBox(const std::string& text, int style, const std::string& title) override {
    const int botones = style & 0x0F;
    const int icono = style & 0xF0;
    if (botones == tramvel::mb::kAbortRetryIgnore || icono == tramvel::mb::kCritical) informoFallas_ = true;
    return OperatorWrapper::MessageBox(text, style, title);
  }

 private:
  bool informoFallas_ = false;
};

class PlataformaVigilada : public tramvel::PlatformWrapper {
 public:
  explicit PlataformaVigilada(tramvel::Platform& target) : PlatformWrapper(target), operador_(target.Operator()) {}

  bool InformoFallas() const { return operador_.InformoFallas(); }

  tramvel::Operator& Operator() override { return operador_; }

 private:
  OperadorVigilado operador_;
};

int Fallo(const std::string& texto) {
  std::cerr << "syd: " << texto << "\n";
  return 2;
}

int FileExists(Invocacion& in) {
  if (in.args.size() != 1) return Fallo("file-exists takes one PATH");
  const bool existe = in.dll.FileExists(in.args[0]);
  std::cout << (existe ? "True" : "False") << "\n";
  return existe ? 0 : 1;
}

int CopyFile(Invocacion& in) {
  if (in.args.size() != 2) return Fallo("copy-file takes SRC and DST");
  const bool copiado = in.dll.CopyFile(in.args[0], in.args[1]);
  std::cout << (copiado ? "True" : "False") << "\n";
  return copiado ? 0 : 1;
}

int GuardarTestigo(Invocacion& in) {
  if (in.args.empty() || in.args.size() > 3) return Fallo("guardar-testigo takes PATH [SUFIJO] [DESTINO]");
  std::string ruta = in.args[0];
  std::string subFijo = in.args.size() > 1 ? in.args[1] : "";
  std::string destino = in.args.size() > 2 ? in.args[2] : "";
  in.dll.GuardarTestigoRecepcion(ruta, subFijo, destino);
  std::cout << "RutaArchivo=" << ruta << "\nSubFijo=" << subFijo << "\nRutaDestino=" << destino << "\n";
  return ruta == "ERROR" ? 1 : 0;
}

// A script named without a folder lies beside the program.
std::string RutaDeScript(tramvel::Platform& platform, const std::string& archivo) {
  if (archivo.find_first_of("\\/:") != std::string::npos) return archivo;
  return tramvel::Utilidades::RutaConBarra(platform.ProgramFolder()) + archivo;
}

int Ejecutado(bool exito) { return exito ? 0 : 1; }

int CrearBase(Invocacion& in) {
  if (in.args.size() > 1) return Fallo("crear-base takes at most one SCRIPT");
  if (in.dll.gDBName.empty()) return Fallo("crear-base needs the field @DbName");
  tramvel::SesionDatos destino(in.platform);
  if (destino.Motor() != "SQLITE") {
    std::cerr << "syd: crear-base creates databases of the embedded engine (Motor=SQLITE) only\n";
    return 1;
  }
  destino.Servidor(in.dll.gServidor);
  destino.BaseDeDatos(in.dll.gDBName);
  std::string carpeta;
  bool creada = false;
  tramvel::StepRunner pasos([&](const tramvel::Failure& error) {
    std::cerr << "syd: " << error.Description() << "\n";
    return tramvel::OnFailure::kGiveUp;
  });
  pasos.Run([&] {
    pasos([&] {
      carpeta = in.platform.NativePath(destino.CarpetaServidor());
      tramvel::ado::CreateSqliteDatabase(carpeta, in.dll.gDBName);
      creada = true;
    });
  });
  if (!creada) return 1;
  if (in.args.empty()) return 0;
  // All or nothing: a database whose script did not run whole goes again,
  // so that the command can simply be run once more.
  bool completa = false;
  {
    Dll_SYD script(in.platform);
    script.gServidor = in.dll.gServidor;
    script.gDBName = in.dll.gDBName;
    script.gUsuario = in.dll.gUsuario;
    script.gUserPassWord = in.dll.gUserPassWord;
    script.OpenADOServer();
    completa = script.VerVistas(RutaDeScript(in.platform, in.args[0]));
  }
  if (completa) return 0;
  tramvel::ado::DropSqliteDatabase(carpeta, in.dll.gDBName);
  std::cerr << "syd: the script did not run whole; database '" << in.dll.gDBName << "' was removed again\n";
  return 1;
}

int VerVistas(Invocacion& in) {
  if (in.args.size() != 1) return Fallo("ver-vistas takes one FILE");
  in.dll.OpenADOServer();
  return Ejecutado(in.dll.VerVistas(RutaDeScript(in.platform, in.args[0])));
}

int Cfg(Invocacion& in) {
  if (in.args.size() != 1) return Fallo("cfg takes one COLUMN");
  if (!Dll_SYD::EsNombreDeColumna(in.args[0])) return Fallo("cfg takes a column name, not '" + in.args[0] + "'");
  in.dll.OpenADOServer();
  std::cout << in.dll.Cfg(in.args[0]) << "\n";
  return 0;
}

// A program folder the jobs' user may not write to (an installed package)
// gets the file beforehand; a start then finds it and goes on to load the
// settings and log the access.
int GenerarConsultas(Invocacion& in) {
  if (in.args.size() > 1) return Fallo("generar-consultas takes at most one FOLDER");
  const std::string archivo =
      tramvel::Utilidades::RutaConBarra(in.args.empty() ? in.platform.ProgramFolder() : in.args[0]) + "consultas.dwk";
  if (in.platform.FileExists(archivo)) {
    std::cout << archivo << " (already there)\n";
    return 0;
  }
  tramvel::ProgramState programa(in.platform);
  programa.ConsultasSistema().ArchivoConsultas(archivo);
  bool escrito = false;
  tramvel::StepRunner pasos([&](const tramvel::Failure& error) {
    std::cerr << "syd: " << archivo << ": " << error.Description() << "\n";
    return tramvel::OnFailure::kGiveUp;
  });
  pasos.Run([&] {
    pasos([&] {
      tramvel::GenerarConsultas(programa);
      escrito = true;
    });
  });
  if (escrito) std::cout << archivo << "\n";
  return Ejecutado(escrito);
}

int VerificarCampos(Invocacion& in) { return tramvel::syd::VerificarCampos(in.platform, in.dll, in.args); }

int EstadoEsquema(Invocacion& in) { return tramvel::syd::EstadoEsquema(in.dll, in.args); }

template <int (*operacion)(Dll_SYD&, const std::vector<std::string>&)>
int Logistica(Invocacion& in) {
  return operacion(in.dll, in.args);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::cout << kAyuda;
    return args.empty() ? 2 : 0;
  }
  std::string conexion;
  if (!args.empty() && args[0].rfind('@', 0) == 0) {
    conexion = args[0];
    args.erase(args.begin());
  }
  if (args.empty()) return Fallo("no subcommand; see syd --help");

  const auto real = tramvel::NewRealPlatform({conexion, std::nullopt, nullptr});
  PlataformaVigilada platform(*real);
  Dll_SYD dll(platform);
  dll.gServidor = tramvel::LeerParametro(conexion, "@Server");
  dll.gDBName = tramvel::LeerParametro(conexion, "@DbName");
  dll.gUsuario = tramvel::LeerParametro(conexion, "@Usuario");
  dll.gUserPassWord = tramvel::LeerParametro(conexion, "@Password");

  const std::map<std::string, int (*)(Invocacion&)> subcomandos = {
      {"file-exists", FileExists},
      {"copy-file", CopyFile},
      {"guardar-testigo", GuardarTestigo},
      {"crear-base", CrearBase},
      {"ver-vistas", VerVistas},
      {"cfg", Cfg},
      {"generar-consultas", GenerarConsultas},
      {"verificar-campos", VerificarCampos},
      {"estado-esquema", EstadoEsquema},
      {"traer-devoluciones", Logistica<tramvel::syd::TraerDevoluciones>},
      {"traer-devoluciones-cons", Logistica<tramvel::syd::TraerDevolucionesCons>},
      {"busca-distancia", Logistica<tramvel::syd::BuscaDistancia>},
      {"importe-del-articulo", Logistica<tramvel::syd::ImporteDelArticulo>},
      {"existe-tarifa", Logistica<tramvel::syd::ExisteTarifa>},
      {"importe-por-articulo", Logistica<tramvel::syd::ImportePorArticulo>},
      {"actualiza-consolidado", Logistica<tramvel::syd::ActualizaConsolidado>},
  };
  const auto it = subcomandos.find(args[0]);
  if (it == subcomandos.end()) return Fallo("unknown subcommand '" + args[0] + "'; see syd --help");
  Invocacion in{platform, dll, std::vector<std::string>(args.begin() + 1, args.end())};
  const int estado = it->second(in);
  return estado == 0 && platform.InformoFallas() ? 1 : estado;
}
