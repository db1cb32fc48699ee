#include "startup/IniciarSistema.h"

#include "common/ConfigFile.h"
#include "common/StepRunner.h"
#include "common/VbValues.h"
#include "platform/Platform.h"
#include "platform/TextCase.h"
#include "ado/Connection.h"
#include "startup/AbrirEstadisticas.h"
#include "startup/CargarConfiguracion.h"
#include "startup/GenerarConsultas.h"
#include "startup/LaunchParameters.h"
#include "startup/NombreServidor.h"
#include "startup/ProgramState.h"
#include "startup/RegistrarAcceso.h"

namespace tramvel {
namespace {

// Reads the launch parameters and opens the main session with them; false
// when it could not be opened.
bool LeerParametrosYConectar(ProgramState& programa, StepRunner& pasos, const std::string& linea,
                             std::string& conexionInicial, int32_t modo) {
  std::string paramServidor;
  std::string paramBaseDeDatos;
  std::string paramUsuario;
  std::string paramPassword;
  pasos([&] { programa.gParametroAdicional = LeerParametro(linea, "@ParametroAdicional"); });
  pasos([&] { programa.gMenu = LeerParametro(linea, "@Menu"); });
  pasos([&] { paramServidor = LeerParametro(linea, "@Server"); });
  pasos([&] { paramBaseDeDatos = LeerParametro(linea, "@DbName"); });
  pasos([&] { paramUsuario = LeerParametro(linea, "@Usuario"); });
  pasos([&] { paramPassword = LeerParametro(linea, "@Password"); });
  pasos([&] { programa.gUsuarioLogeado = LeerParametro(linea, "@UsuarioLogeado"); });
  pasos([&] { programa.gCaja = LeerParametro(linea, "@Caja", "1"); });
  if (pasos.If([&] { return !RecortarBlancos(paramServidor).empty() && paramServidor.front() == '#'; })) {
    pasos([&] { paramServidor.erase(0, 1); });
    if (pasos.If([&] { return conexionInicial.empty(); })) {
      pasos([&] {
        conexionInicial = "Provider=OraOLEDB.Oracle.1;Data Source=" + paramBaseDeDatos + ";User Id=" + paramUsuario +
                          ";Password=" + paramPassword + ";";
      });
    }
  }
  SesionDatos& sesion = programa.Sesion();
  pasos([&] {
    sesion.Usuario(paramUsuario);
    sesion.BaseDeDatos(paramBaseDeDatos);
    sesion.Password(paramPassword);
    sesion.Servidor(NombreServidor(paramServidor));
    sesion.ServidorEscrito(paramServidor);
  });
  pasos([&] {
    const bool pedirDatos = RecortarBlancos(paramServidor).empty() || RecortarBlancos(paramUsuario).empty();
    sesion.Conectar(pedirDatos, modo, conexionInicial, true, true);
  });
  return sesion.Conectado();
}

}  // namespace

bool IniciarSistema(ProgramState& programa, bool /*ocultar*/, std::string& lineaComando, std::string& conexionInicial,
                    int32_t modo) {
  Platform& platform = programa.platform();
  SesionDatos& sesion = programa.Sesion();
  StepRunner pasos(StepRunner::SkippingElseGivingUp(failure::kInvalidCall));
  bool conectado = true;
  std::string rutaApp;
  std::string linea;
  pasos.Run([&] {
    pasos([&] { rutaApp = Utilidades::RutaConBarra(platform.ProgramFolder()); });
    pasos([&] { programa.archivoAyuda = rutaApp + "htmlhelp\\quenvar.chm"; });
    pasos([&] {
      programa.gColorLetra = 0;
      programa.gColorFondo = 16777215;
    });
    pasos([&] { linea = !lineaComando.empty() ? lineaComando : platform.CommandLine(); });
    pasos([&] {
      std::string seccion =
          ToUpper(programa.Equipo().NombreMaquina()) + "|" + ToUpper(programa.Equipo().UsuarioEquipo());
      if (RecortarBlancos(seccion).size() > 50) seccion = seccion.substr(0, 50);
      programa.gSeccionIni = seccion;
    });
    pasos([&] {
      programa.gFlatToolbars =
          Val(programa.Ini().LeerValor(RutaArchivoIni(platform), programa.gSeccionIni, "FlatToolbars", "1"));
    });
    if (!pasos.If([&] { return sesion.Conectado(); })) {
      conectado = LeerParametrosYConectar(programa, pasos, linea, conexionInicial, modo);
      // Without its database the program can do nothing: it ends at once.
      if (!conectado) return;
      pasos([&] { AbrirEstadisticas(programa); });
      pasos([&] { programa.gUsuarioLogeado = sesion.Usuario(); });
      pasos([&] { sesion.Conexion().SetCommandTimeout(programa.gTimeOut); });
      pasos([&] { sesion.Conexion().SetIsolationLevel(ado::adXactReadUncommitted); });
    }
    if (!pasos.If([&] { return sesion.BaseDeDatos().empty(); })) {
      pasos([&] {
        programa.gCadenaDSN =
            "DSN=" + sesion.BaseDeDatos() + "; UID=" + sesion.Usuario() + "; PWD=" + sesion.Password();
      });
      pasos([&] { programa.Rutas().RutaAplicacion(rutaApp); });
      pasos([&] { sesion.Conexion().SetDefaultDatabase(sesion.BaseDeDatos()); });
      pasos([&] {
        Consultas& consultas = programa.ConsultasSistema();
        consultas.MotorDatos(sesion.Motor());
        consultas.Habilitado(true);
        consultas.ArchivoConsultas(rutaApp + "consultas.dwk");
      });
      if (pasos.If([&] { return !platform.FileExists(programa.ConsultasSistema().ArchivoConsultas()); })) {
        pasos([&] { GenerarConsultas(programa); });
      }
      pasos([&] { sesion.Conexion().SetDefaultDatabase(sesion.BaseDeDatos()); });
      if (pasos.If([&] { return !sesion.BaseDeDatos().empty(); })) {
        pasos([&] { CargarConfiguracion(programa, rutaApp); });
      }
    }
    pasos([&] { RegistrarAcceso(programa, ""); });
  });
  return conectado;
}

}  // namespace tramvel
