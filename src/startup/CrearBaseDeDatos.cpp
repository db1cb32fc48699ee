#include "startup/CrearBaseDeDatos.h"

#include <memory>
#include <span>

#include "common/MostrarError.h"
#include "common/StepRunner.h"
#include "common/VbValues.h"
#include "common/components/SesionDatos.h"
#include "common/components/Utilidades.h"
#include "platform/MessageBoxStyle.h"
#include "platform/Platform.h"
#include "platform/ado/Errors.h"
#include "startup/CuentaEstadisticas.h"
#include "startup/NombreServidor.h"
#include "startup/ProgramState.h"
#include "startup/SentenciasDeLogin.h"

namespace tramvel {
namespace {

constexpr const char* kEsquemaEstadisticas = "completodwe.sql";

// A line of the script; a script whose opening failed and was ignored is met
// as VB met an unopened file number.
void EscribirLinea(const std::unique_ptr<File>& archivo, const std::string& linea) {
  if (!archivo) throw Failure(failure::kBadFileNumber, "Bad file name or number");
  const std::string texto = linea + "\r\n";
  archivo->Write(std::as_bytes(std::span(texto.data(), texto.size())));
}

// ADO's Close of a connection that is not open: the session may hold none.
void CerrarConexion(SesionDatos& sesion) {
  if (!sesion.Conectado()) {
    throw Failure(ado::adoerror::kObjectClosed, "Operation is not allowed when the object is closed.",
                  "ADODB.Connection");
  }
  sesion.Conexion().Close();
}

}  // namespace

std::string CarpetaDeDatosInstalada(Platform& platform) {
  std::string carpeta = platform.ProgramFolder();
  while (!carpeta.empty() && (carpeta.back() == '/' || carpeta.back() == '\\')) carpeta.pop_back();
  const auto barra = carpeta.find_last_of("/\\");
  carpeta = barra == std::string::npos ? std::string() : carpeta.substr(0, barra);
  return Utilidades::RutaConBarra(carpeta) + "share\\tramvel\\";
}

void CrearBaseDeDatos(ProgramState& programa, const std::string& Servidor, const std::string& /*sinUso1*/,
                      const std::string& /*sinUso2*/, const std::string& Nombre) {
  Platform& platform = programa.platform();
  StepRunner pasos(StepRunner::Skipping(ado::adoerror::kObjectClosed, [&](const Failure& error) {
    return FromDialogAnswer(MostrarError(platform, error));
  }));
  pasos.Run([&] {
    std::string esquema;
    pasos([&] { esquema = Utilidades::RutaConBarra(platform.ProgramFolder()) + kEsquemaEstadisticas; });
    if (pasos.If([&] { return !platform.FileExists(esquema); })) {
      pasos([&] { esquema = CarpetaDeDatosInstalada(platform) + kEsquemaEstadisticas; });
      if (pasos.If([&] { return !platform.FileExists(esquema); })) {
        pasos([&] {
          platform.MessageBox(
              "No se encuentra el archivo " + esquema + ", Por favor, ingrese la ruta donde se encuentra! ",
              mb::kOkOnly, "");
        });
        return;
      }
    }

    std::string nombre;
    std::string ruta;
    std::unique_ptr<File> script;
    pasos([&] { nombre = RecortarBlancos(Nombre); });
    pasos([&] {
      std::string carpeta = RecortarBlancos(platform.GetEnv("TEMP").value_or(""));
      if (carpeta.empty()) carpeta = programa.Equipo().CarpetaTemporal();
      ruta = Utilidades::RutaConBarra(carpeta) + "CDB7.SQL";
    });
    pasos([&] { script = platform.OpenFile(ruta, OpenMode::kWrite); });
    // The first three lines end in CR CR LF, as the script has always been
    // written; SQL Server's tools read the extra CR as a blank.
    pasos([&] { EscribirLinea(script, "Create Database " + nombre + " COLLATE Latin1_General_CI_AI \r"); });
    pasos([&] { EscribirLinea(script, "GO\r"); });
    pasos([&] { EscribirLinea(script, "USE " + nombre + "\r"); });
    pasos([&] { EscribirLinea(script, AltaDeLogin(nombre, kPasswordEstadisticas, nombre)); });
    for (const char* rol : kRolesServidor) pasos([&] { EscribirLinea(script, RolDeServidor(nombre, rol)); });
    pasos([&] { EscribirLinea(script, AccesoABase(nombre)); });
    for (const char* rol : kRolesBase) pasos([&] { EscribirLinea(script, RolDeBase(nombre, rol)); });
    pasos([&] { script.reset(); });

    SesionDatos& estadisticas = programa.SesionEstadisticas();
    pasos([&] { CerrarConexion(estadisticas); });
    pasos([&] { estadisticas.Conectado(false); });
    pasos([&] {
      estadisticas.Usuario(nombre);
      estadisticas.BaseDeDatos(nombre);
      estadisticas.Password(kPasswordEstadisticas);
      estadisticas.Servidor(NombreServidor(Servidor));
    });
    pasos([&] { estadisticas.Conectar(false, 3, "", false, true); });
    if (pasos.If([&] { return !estadisticas.Conectado(); })) return;
    pasos([&] { estadisticas.Conexion().SetDefaultDatabase(nombre); });
  });
}

}  // namespace tramvel
