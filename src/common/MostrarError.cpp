#include "common/MostrarError.h"

#include <fmt/format.h>

#include <span>
#include <string_view>

#include "common/VbValues.h"
#include "common/components/InfoEquipo.h"
#include "common/components/Utilidades.h"
#include "platform/MessageBoxStyle.h"
#include "platform/Platform.h"

namespace tramvel {
namespace {

constexpr int32_t kEstiloPorDefecto = mb::kAbortRetryIgnore + mb::kCritical;

// The folder as Windows programs of the suite have always found it: TMP, but
// only when TEMP is set.
std::string CarpetaDelRegistro(Platform& platform) {
  std::string carpeta;
  if (!platform.GetEnv("TEMP").value_or("").empty()) carpeta = platform.GetEnv("TMP").value_or("");
  carpeta = RecortarBlancos(carpeta);
  if (carpeta.empty()) carpeta = InfoEquipo(platform).CarpetaTemporal();
  carpeta = Utilidades::RutaConBarra(carpeta);
  if (carpeta.empty() || carpeta.back() != '\\') carpeta += '\\';
  return carpeta;
}

std::string_view PalabraDeRespuesta(int respuesta) {
  switch (respuesta) {
    case mb::kRetry:
      return "Reintentar";
    case mb::kIgnore:
      return "Ignorar";
    case mb::kAbort:
      return "Abortar";
    case mb::kCancel:
      return "Cancelar";
    case mb::kYes:
      return "Sí";
    case mb::kNo:
      return "No";
    default:
      return "";
  }
}

}  // namespace

int16_t MostrarError(Platform& platform, const Failure& error, std::optional<int32_t> botones,
                     const std::optional<std::string>& rutina) {
  const auto registro = platform.OpenFile(CarpetaDelRegistro(platform) + "DWERR.LOG", OpenMode::kAppend);

  const std::string mensaje =
      fmt::format("Ha ocurrido el Siguiente Error ({}) {}", error.Number(), RecortarBlancos(error.Description()));
  const std::string parteRutina = rutina ? " - " + *rutina : std::string();
  // A failure of our own code names no component; the program raised it.
  const std::string origen = error.Source().empty() ? platform.ExecutableName() : error.Source();
  const std::string titulo = origen + parteRutina + " Aviso al operador!!! ";
  if (error.Number() == 0) return 0;

  const int respuesta = platform.MessageBox(mensaje, botones.value_or(kEstiloPorDefecto), titulo);
  const DateTime ahora = platform.Now();
  const std::string linea =
      fmt::format("{:02}-{:02}-{:04} {:02}:{:02}:{:02} Rutina: {} Mensaje {} Respondió : {}\r\n", ahora.month,
                  ahora.day, ahora.year, ahora.hour, ahora.minute, ahora.second, RecortarBlancos(parteRutina),
                  RecortarBlancos(mensaje), PalabraDeRespuesta(respuesta));
  registro->Write(std::as_bytes(std::span(linea.data(), linea.size())));
  return static_cast<int16_t>(respuesta);
}

}  // namespace tramvel
