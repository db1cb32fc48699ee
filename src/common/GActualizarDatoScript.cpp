#include "common/GActualizarDatoScript.h"

#include "common/GrabarError.h"
#include "common/StepRunner.h"
#include "common/VbValues.h"
#include "common/components/SesionDatos.h"
#include "platform/MessageBoxStyle.h"
#include "platform/Platform.h"

namespace tramvel {
namespace {

constexpr int32_t kDuplicado = 2627;
constexpr int32_t kRestriccion = 547;
constexpr char kCR = '\r';

}  // namespace

void GActualizarDatoScript(const EntornoScript& entorno, const std::vector<std::string>& lineas, bool& huboError,
                           int32_t& nroError, bool ignorarDuplicado, bool ignorarRestriccion,
                           std::string& scriptEjecutado, std::string& mensajeError, bool mostrarMensaje) {
  SesionDatos& sesion = entorno.sesion;
  const StepRunner::Mode informar = [&](const Failure& error) {
    return FromDialogAnswer(entorno.mostrarError(error, "GActualizarDatoScript"));
  };
  StepRunner pasos(informar);
  // Sending the script and the rollback: a failure there is skipped, since
  // the connection's error list tells what the database said.
  auto sinFallar = [&](const std::function<void()>& paso) {
    pasos.SetMode(StepRunner::Ignoring());
    pasos(paso);
    pasos.SetMode(informar);
  };
  pasos.Run([&] {
    std::string cuerpo;
    std::string script;
    std::string scriptGuardado;
    std::string textoError;
    int32_t numero = 0;
    pasos([&] { huboError = false; });
    pasos([&] {
      // The loop index is a 16-bit integer in VB.
      if (lineas.size() > 32767) throw Failure(failure::kOverflow, "Overflow", "GActualizarDatoScript");
      for (const std::string& linea : lineas) {
        if (!RecortarBlancos(linea).empty()) cuerpo += kCR + linea;
      }
    });
    if (cuerpo.empty()) return;
    pasos([&] { script = std::string("BEGIN TRANSACTION ") + kCR + kCR + cuerpo + kCR; });
    sinFallar([&] { scriptEjecutado = script; });
    sinFallar([&] { sesion.Ejecutar(script, 0, nullptr); });
    sinFallar([&] { scriptGuardado = script; });
    if (pasos.If([&] { return sesion.Conexion().Errors().Count() > 0; })) {
      pasos([&] {
        numero = sesion.Conexion().Errors().Item(0).NativeError;
        huboError = true;
      });
      // Every error the database reported is told, the last one too.
      pasos([&] {
        textoError.clear();  // a retried step starts its text again
        for (const ado::Error& error : sesion.Conexion().Errors()) {
          textoError += std::to_string(error.NativeError) + " : " + error.Description + "\r\n";
          mensajeError = textoError;
        }
      });
      auto esperado = [&] {
        mensajeError = sesion.Conexion().Errors().Item(0).Description;
        textoError.clear();
      };
      if (pasos.If([&] { return ignorarDuplicado && numero == kDuplicado; })) pasos(esperado);
      if (pasos.If([&] { return ignorarRestriccion && numero == kRestriccion; })) pasos(esperado);
      pasos([&] { sesion.Conexion().Errors().Clear(); });
    }
    if (pasos.If([&] { return huboError; })) {
      sinFallar([&] { sesion.Ejecutar("ROLLBACK TRANSACTION", 0, nullptr); });
      pasos([&] {
        std::string proceso = entorno.platform.ExecutableName();
        GrabarError(sesion, entorno.equipo, entorno.platform, scriptGuardado, proceso, numero, textoError);
      });
      pasos([&] {
        if (!RecortarBlancos(textoError).empty() && mostrarMensaje) {
          entorno.platform.Operator().MessageBox(textoError, mb::kOkOnly + mb::kCritical, "Aviso al Operador!");
        }
      });
    } else {
      pasos([&] { sesion.Ejecutar("COMMIT TRANSACTION", 0, nullptr); });
    }
    pasos([&] { nroError = numero; });
  });
}

}  // namespace tramvel
