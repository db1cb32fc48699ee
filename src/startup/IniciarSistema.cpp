#include "startup/IniciarSistema.h"

#include "common/StepRunner.h"
#include "common/VbValues.h"
#include "platform/Platform.h"
#include "platform/TextCase.h"
#include "common/ConfigFile.h"
#include "startup/LaunchParameters.h"
#include "startup/NombreServidor.h"
#include "startup/ProgramState.h"

namespace tramvel {

void IniciarSistema(ProgramState& programa, bool /*ocultar*/, std::string& lineaComando,
                    std::string& conexionInicial, int32_t /*modo*/) {
  Platform& platform = programa.platform();
  StepRunner pasos(StepRunner::SkippingElseGivingUp(failure::kInvalidCall));
  std::string linea;
  std::string paramServidor;
  std::string paramBaseDeDatos;
  std::string paramUsuario;
  std::string paramPassword;
  pasos.Run([&] {
    pasos([&] {
      programa.gColorLetra = 0;
      programa.gColorFondo = 16777215;
    });
    pasos([&] { linea = !lineaComando.empty() ? lineaComando : platform.CommandLine(); });
    pasos([&] {
      std::string seccion = ToUpper(programa.Equipo().NombreMaquina()) + "|" + ToUpper(programa.Equipo().UsuarioEquipo());
      if (RecortarBlancos(seccion).size() > 50) seccion = seccion.substr(0, 50);
      programa.gSeccionIni = seccion;
    });
    pasos([&] {
      programa.gFlatToolbars =
          Val(programa.Ini().LeerValor(RutaArchivoIni(platform), programa.gSeccionIni, "FlatToolbars", "1"));
    });
    pasos([&] { programa.gParametroAdicional = LeerParametro(linea, "@ParametroAdicional"); });
    pasos([&] { programa.gMenu = LeerParametro(linea, "@Menu"); });
    pasos([&] { paramServidor = LeerParametro(linea, "@Server"); });
    pasos([&] { paramBaseDeDatos = LeerParametro(linea, "@DbName"); });
    pasos([&] { paramUsuario = LeerParametro(linea, "@Usuario"); });
    pasos([&] { paramPassword = LeerParametro(linea, "@Password"); });
    pasos([&] { programa.gUsuarioLogeado = LeerParametro(linea, "@UsuarioLogeado"); });
    pasos([&] { programa.gCaja = LeerParametro(linea, "@Caja", "1"); });
    if (pasos.If([&] { return !paramServidor.empty() && paramServidor.front() == '#'; })) {
      pasos([&] { paramServidor.erase(0, 1); });
      if (pasos.If([&] { return conexionInicial.empty(); })) {
        pasos([&] {
          conexionInicial = "Provider=OraOLEDB.Oracle.1;Data Source=" + paramBaseDeDatos + ";User Id=" + paramUsuario +
                            ";Password=" + paramPassword + ";";
        });
      }
    }
    pasos([&] {
      SesionDatos& sesion = programa.Sesion();
      sesion.Usuario(paramUsuario);
      sesion.BaseDeDatos(paramBaseDeDatos);
      sesion.Password(paramPassword);
      sesion.Servidor(NombreServidor(paramServidor));
    });
  });
}

}  // namespace tramvel
