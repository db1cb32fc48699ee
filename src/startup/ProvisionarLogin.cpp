#include "startup/ProvisionarLogin.h"

#include "common/MostrarError.h"
#include "common/StepRunner.h"
#include "common/components/SesionDatos.h"
#include "platform/MessageBoxStyle.h"
#include "platform/Platform.h"
#include "platform/TextCase.h"
#include "startup/CrearBaseDeDatos.h"
#include "startup/CuentaEstadisticas.h"
#include "startup/LoginOracle.h"
#include "startup/ProgramState.h"
#include "startup/SentenciasDeLogin.h"

namespace tramvel {
namespace {

constexpr int32_t kPasswordRechazada = 15116;
constexpr int32_t kBaseInexistente = 15010;
constexpr int32_t kLoginExistente = 15025;

}  // namespace

void ProvisionarLogin(ProgramState& programa, const std::string& BaseDefecto, const std::string& Login,
                      const std::string& Password, SesionDatos* Sesion) {
  Platform& platform = programa.platform();
  StepRunner pasos(StepRunner::Skipping(
      failure::kDatabase, [&](const Failure& error) { return FromDialogAnswer(MostrarError(platform, error)); }));
  pasos.Run([&] {
    SesionDatos* sesion = Sesion;
    pasos([&] {
      if (sesion == nullptr) sesion = &programa.Sesion();
    });
    if (pasos.If([&] { return FindIgnoreCase(programa.Sesion().CadenaConexion(), "ORACLE") != std::string::npos; })) {
      pasos([&] { programa.Sesion().Ejecutar(TextoLoginOracle(Login, Password), 0, nullptr); });
      return;
    }

    pasos([&] { sesion->Ejecutar(AltaDeLogin(Login, Password, BaseDefecto) + ",'Spanish'", 0, nullptr); });
    if (pasos.If([&] { return sesion->Conexion().Errors().Count() >= 1; })) {
      int32_t numero = 0;
      pasos([&] { numero = sesion->Conexion().Errors()[0].NativeError; });
      if (numero == kPasswordRechazada) {
        pasos([&] {
          platform.MessageBox(sesion->Conexion().Errors()[0].Description +
                                  "\r\nDebe cambiar la contraseña del Usuario " + Login +
                                  " para que cumpla con las directivas de Windows.",
                              mb::kOkOnly, "");
        });
        return;
      }
      if (numero == kBaseInexistente) {
        pasos([&] {
          CrearBaseDeDatos(programa, programa.Sesion().Servidor(), kBaseEstadisticas, kBaseEstadisticas,
                           kBaseEstadisticas);
        });
      } else if (numero != kLoginExistente) {
        return;
      }
    }

    pasos([&] {
      std::string roles;
      for (const char* rol : kRolesServidor) roles += " " + RolDeServidor(Login, rol);
      sesion->Ejecutar(roles, 0, nullptr);
    });
    pasos([&] { sesion->Ejecutar(" " + AccesoABase(Login), 0, nullptr); });
    pasos([&] {
      std::string roles;
      for (const char* rol : kRolesBase) roles += " " + RolDeBase(Login, rol);
      sesion->Ejecutar(roles, 0, nullptr);
    });
  });
}

}  // namespace tramvel
