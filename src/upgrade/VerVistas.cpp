#include <fmt/format.h>

#include <array>
#include <span>
#include <vector>

#include "common/StepRunner.h"
#include "common/VbDates.h"
#include "common/VbValues.h"
#include "common/components/InfoEquipo.h"
#include "logistics/Dll_SYD.h"
#include "platform/MessageBoxStyle.h"
#include "platform/Platform.h"
#include "platform/TextCase.h"
#include "upgrade/AbrirDocumento.h"
#include "upgrade/LotesDeScript.h"

namespace tramvel {
namespace {

constexpr int kPasadas = 20;
constexpr int32_t kObjetoInexistente = 208;
constexpr int32_t kObjetoExistente = 2714;
// What a script that runs again on a live database meets by design: objects
// it makes that exist already, and objects that a later batch makes (208,
// which is what a further pass is for).
constexpr std::array<int32_t, 6> kNoInformados = {208, 1779, 1781, 1913, 2714, 2729};
constexpr int32_t kArchivoNoAbierto = 52;

bool NoInformado(int32_t numero) {
  for (const int32_t n : kNoInformados) {
    if (n == numero) return true;
  }
  return false;
}

// The file a step opened; one whose opening failed and was ignored is met as
// VB met an unopened file number.
File& Abierto(const std::unique_ptr<File>& archivo) {
  if (!archivo) throw Failure(kArchivoNoAbierto, "Bad file name or number", "Dll_SYD");
  return *archivo;
}

void EscribirLinea(File& archivo, std::string_view texto) {
  std::string linea(texto);
  linea += "\r\n";
  archivo.Write(std::as_bytes(std::span(linea.data(), linea.size())));
}

std::string LeerTodo(File& archivo) {
  std::string contenido;
  std::vector<std::byte> bloque(64 * 1024);
  for (std::size_t n; (n = archivo.Read(bloque)) > 0;) {
    contenido.append(reinterpret_cast<const char*>(bloque.data()), n);
  }
  return contenido;
}

std::string ArchivoDeErrores(Platform& platform) {
  std::string carpeta = platform.GetEnv("TEMP").value_or("");
  if (RecortarBlancos(carpeta).empty()) carpeta = InfoEquipo(platform).CarpetaTemporal();
  const DateTime ahora = platform.Now();
  return fmt::format("{}Script{}{}{}.TXT", Utilidades::RutaConBarra(carpeta), ahora.hour, ahora.minute, ahora.second);
}

}  // namespace

bool Dll_SYD::VerVistas(const std::string& Archivo) {
  if (Archivo.empty()) return true;

  bool hayErrores = false;
  bool sinFallas = true;
  std::string rutaErrores;
  std::unique_ptr<File> errores;
  std::unique_ptr<File> script;
  std::string texto;
  LotesDeScript lotes;
  const std::string asteriscos(112, '*');

  const auto lista = [&]() -> ado::ErrorCollection& { return Sesion().Conexion().Errors(); };

  // Until the first batch runs, the operator decides; giving up closes the
  // files (they go with this call).
  StepRunner pasos([&](const Failure& error) {
    const OnFailure decision = FromDialogAnswer(Util().ManejarError(error, std::nullopt, "Ejecutar"));
    if (decision != OnFailure::kRetry) sinFallas = false;
    return decision;
  });

  // A missing object is no error while a later pass may still make it; in
  // the last pass nothing will, and the batch has failed like any other.
  const auto reportar = [&](const std::string& lote, bool ultimaPasada) {
    if (pasos.If([&] {
          const int32_t numero = lista()[0].NativeError;
          return NoInformado(numero) && !(ultimaPasada && numero == kObjetoInexistente);
        })) {
      return;
    }
    const DateTime ahora = platform_.Now();
    pasos([&] { EscribirLinea(Abierto(errores), " Fecha Update = " + FhRegistroError + " | Archivo : " + Archivo); });
    pasos([&] { EscribirLinea(Abierto(errores), asteriscos); });
    pasos([&] { EscribirLinea(Abierto(errores), FormatoFechaCorta(ahora) + " - " + FormatoHoraLarga(ahora)); });
    pasos([&] {
      const ado::Error& primero = lista()[0];
      EscribirLinea(Abierto(errores), fmt::format("  Error {} {}", primero.NativeError, primero.Description));
    });
    pasos([&] { EscribirLinea(Abierto(errores), asteriscos); });
    pasos([&] { EscribirLinea(Abierto(errores), lote); });
    pasos([&] { EscribirLinea(Abierto(errores), asteriscos); });
    hayErrores = true;
  };

  const bool completo = pasos.Run([&] {
    pasos([&] { rutaErrores = ArchivoDeErrores(platform_); });
    pasos([&] { errores = platform_.OpenFile(rutaErrores, OpenMode::kAppend); });
    pasos([&] { script = platform_.OpenFile(Archivo, OpenMode::kRead); });
    pasos([&] { texto = LeerTodo(Abierto(script)); });
    for (const std::string_view linea : LineasDeTexto(texto)) {
      pasos([&] { lotes.Agregar(linea); });
      platform_.Operator().PumpEvents();
    }
    pasos([&] { Sesion().Ejecutar("SET NOCOUNT ON", 0, nullptr); });

    // From the first batch on nothing stops the run: a batch's fate is read
    // from the connection's error list alone.
    pasos.SetMode(StepRunner::Ignoring());
    bool repetir = false;
    for (int pasada = 1; pasada <= kPasadas; ++pasada) {
      for (const std::string& lote : lotes.Lotes()) {
        platform_.Operator().PumpEvents();
        // A batch that drops what it recreates would drop, in a later pass,
        // what the first pass made.
        if (pasada > 1 && FindIgnoreCase(lote, "drop ") != std::string::npos) continue;
        pasos([&] { Sesion().Conexion().Execute(lote); });
        if (pasos.If([&] { return !lista().Empty() && !lote.empty() && lista()[0].NativeError != kObjetoExistente; })) {
          reportar(lote, pasada == kPasadas);
        }
        if (pasos.If([&] { return !repetir && !lista().Empty() && lista()[0].NativeError == kObjetoInexistente; })) {
          repetir = true;
        }
        pasos([&] { lista().Clear(); });
        platform_.Operator().PumpEvents();
      }
      if (!repetir) break;
      repetir = false;
    }
    errores.reset();
    script.reset();

    if (hayErrores) {
      pasos([&] { platform_.Operator().MessageBox("Se detectaron errores, consulte el archivo " + rutaErrores, mb::kOkOnly, ""); });
      // Unattended, the message names the file and nobody is there to read it.
      if (platform_.Operator().ReadsDocuments()) {
        pasos([&] { AbrirDocumento(platform_, rutaErrores, ado::Variant(1)); });
      }
    }
  });
  return completo && sinFallas && !hayErrores;
}

}  // namespace tramvel
