#include "startup/AbrirEstadisticas.h"

#include <string>

#include "common/StepRunner.h"
#include "common/VbValues.h"
#include "common/components/SesionDatos.h"
#include "startup/Cfg.h"
#include "startup/CuentaEstadisticas.h"
#include "startup/ProgramState.h"
#include "startup/ProvisionarLogin.h"

namespace tramvel {
namespace {

constexpr int16_t kTimeOutPorDefecto = 360;

}  // namespace

void AbrirEstadisticas(ProgramState& programa) {
  SesionDatos& principal = programa.Sesion();
  SesionDatos& estadisticas = programa.SesionEstadisticas();
  StepRunner pasos(StepRunner::Ignoring());
  pasos.Run([&] {
    pasos([&] { programa.gTimeOut = kTimeOutPorDefecto; });
    if (pasos.If([&] { return estadisticas.Conectado(); })) pasos([&] { estadisticas.Conexion().Close(); });
    pasos([&] { ProvisionarLogin(programa, kBaseEstadisticas, kBaseEstadisticas, kPasswordEstadisticas, nullptr); });
    pasos([&] { estadisticas.CadenaConexion(principal.CadenaOrigen()); });
    pasos([&] {
      estadisticas.Servidor(principal.Servidor());
      estadisticas.ServidorEscrito(principal.ServidorEscrito());
    });
    pasos([&] {
      estadisticas.BaseDeDatos(kBaseEstadisticas);
      estadisticas.Usuario(kBaseEstadisticas);
      estadisticas.Password(kPasswordEstadisticas);
    });
    pasos([&] { estadisticas.Conectar(false, 3, "", true, false); });
    if (pasos.If([&] { return estadisticas.Conectado(); })) {
      pasos([&] { estadisticas.Conexion().SetDefaultDatabase(kBaseEstadisticas); });
      // Past a 16-bit integer the conversion fails: the default stays and
      // the stored value is left as it is.
      pasos([&] {
        std::string valorAux;
        programa.gTimeOut = CInt(Val(CfgDW(programa, "TimeOut", valorAux)));
      });
      if (pasos.If([&] { return programa.gTimeOut == 0; })) {
        pasos(
            [&] { GrabaCfgDW(programa, "TimeOut", ado::Variant(programa.gTimeOut), "", false, "BaseDeDatos", true); });
      }
    }
    if (pasos.If([&] { return programa.gTimeOut == 0; })) pasos([&] { programa.gTimeOut = kTimeOutPorDefecto; });
  });
}

}  // namespace tramvel
