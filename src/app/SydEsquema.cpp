#include "SydEsquema.h"

#include <iostream>

#include "common/StepRunner.h"
#include "logistics/Dll_SYD.h"
#include "platform/MessageBoxStyle.h"
#include "platform/Platform.h"
#include "platform/TextCase.h"
#include "ado/Variant.h"
#include "upgrade/CatalogoEsquema.h"

namespace tramvel::syd {
namespace {

// With --confirmar every Yes/No question is answered Yes; the question is
// still written out, so the log shows what was agreed to.
class OperadorConfirmador : public OperatorWrapper {
 public:
  OperadorConfirmador(tramvel::Operator& target, Platform& platform, bool confirmar)
      : OperatorWrapper(target), platform_(platform), confirmar_(confirmar) {}

  int MessageBox(const std::string& text, int style, const std::string& title) override {
    const int botones = style & 0x0F;
    if (!confirmar_ || (botones != mb::kYesNo && botones != mb::kYesNoCancel)) {
      return OperatorWrapper::MessageBox(text, style, title);
    }
    platform_.Write(OutputStream::kStandardError,
                    (title.empty() ? "" : title + ": ") + text + "\n-> Sí (--confirmar)\n");
    return mb::kYes;
  }

 private:
  Platform& platform_;
  bool confirmar_;
};

class Confirmador : public PlatformWrapper {
 public:
  Confirmador(Platform& target, bool confirmar)
      : PlatformWrapper(target), operador_(target.Operator(), target, confirmar) {}

  tramvel::Operator& Operator() override { return operador_; }

 private:
  OperadorConfirmador operador_;
};

// Where the chain stands at `fecha`, in words.
std::string Situacion(const std::string& fecha) {
  if (EqualsIgnoreCase(fecha, kClaveFinal)) return "the final key: no step remains";
  const std::span<const PasoFechado> pasos = PasosFechados();
  for (std::size_t i = 0; i < pasos.size(); ++i) {
    if (EqualsIgnoreCase(pasos[i].clave, fecha)) {
      return "step " + std::to_string(i + 1) + " of " + std::to_string(pasos.size()) + ", " +
             std::string(pasos[i].clave) + " -> " + std::string(pasos[i].siguiente) +
             (pasos[i].confirma ? " (asks the operator first)" : "");
    }
  }
  if (fecha.empty()) return "no date: the upgrade starts at the step " + std::string(kFechaInicial);
  return "no step: the upgrade moves the date on day by day to the next key";
}

std::string Restantes(const std::string& fecha) {
  if (fecha.empty()) return std::to_string(PasosRestantes(kFechaInicial));
  const int restantes = PasosRestantes(fecha);
  if (restantes >= 0) return std::to_string(restantes);
  const auto leida = ado::ParseDateText(fecha);
  for (const PasoFechado& paso : PasosFechados()) {
    if (leida && *leida < *ado::ParseDateText(paso.clave)) return std::to_string(PasosRestantes(paso.clave));
  }
  return "3 (after a jump to 04/07/2012)";
}

}  // namespace

int VerificarCampos(Platform& platform, const Dll_SYD& conexion, const std::vector<std::string>& args) {
  if (args.size() > 1 || (args.size() == 1 && args[0] != "--confirmar")) {
    std::cerr << "syd: verificar-campos takes only --confirmar\n";
    return 2;
  }
  Confirmador respuestas(platform, !args.empty());
  Dll_SYD dll(respuestas);
  dll.gServidor = conexion.gServidor;
  dll.gDBName = conexion.gDBName;
  dll.gUsuario = conexion.gUsuario;
  dll.gUserPassWord = conexion.gUserPassWord;
  dll.OpenADOServer();

  bool fallo = false;
  StepRunner pasos([&](const Failure& error) {
    std::cerr << "syd: " << error.Description() << "\n";
    fallo = true;
    return OnFailure::kGiveUp;
  });
  std::string fecha = dll.Cfg("FHUPDATE");
  for (;;) {
    pasos.Run([&] { pasos([&] { dll.VerificaCampos(); }); });
    const std::string nueva = dll.Cfg("FHUPDATE");
    std::cout << nueva << std::endl;
    if (EqualsIgnoreCase(nueva, kClaveFinal)) return 0;
    if (fallo || nueva == fecha) {
      fecha = nueva;
      break;
    }
    fecha = nueva;
  }
  std::cerr << "syd: the upgrade stops at " << (fecha.empty() ? "no date" : fecha) << ": " << Situacion(fecha) << "\n";
  return 1;
}

int EstadoEsquema(Dll_SYD& dll, const std::vector<std::string>& args) {
  if (!args.empty()) {
    std::cerr << "syd: estado-esquema takes no argument\n";
    return 2;
  }
  dll.OpenADOServer();
  const std::string fecha = dll.Cfg("FHUPDATE");
  std::cout << "schema date: " << (fecha.empty() ? "(none)" : fecha) << "\n"
            << "step:        " << Situacion(fecha) << "\n"
            << "remaining:   " << Restantes(fecha) << "\n";
  return 0;
}

}  // namespace tramvel::syd
