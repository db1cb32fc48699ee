#include "ParameterText.h"

#include <array>
#include <map>

#include "TextBlanks.h"
#include "platform/TextCase.h"

namespace tramvel::zariz {
namespace {

constexpr std::array<std::string_view, 9> kKeys = {"DOWNLOAD", "SERVER",     "USUARIO", "PASSWORD",  "ARCHIVO",
                                                   "DIRWEB",   "DIRDESTINO", "PROXY",   "PROXYPASS"};

ParsedParameters Refuse(std::string why) { return {std::nullopt, std::move(why)}; }

bool IsKnownKey(std::string_view key) {
  for (const std::string_view known : kKeys) {
    if (key == known) return true;
  }
  return false;
}

// A name the server can take as one file of the web folder, and nothing more.
bool IsPlainFileName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string_view::npos;
}

}  // namespace

ParsedParameters ParseParameterText(std::string_view text) {
  // A value can only reach the server inside an FTP command line, which a
  // line break would end early and follow with whatever came next.
  if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
    return Refuse("el texto de parámetros contiene un salto de línea o un carácter nulo");
  }

  std::map<std::string, std::string> fields;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view field = text.substr(start, end - start);
    start = end + 1;
    if (TrimBlanks(field).empty()) continue;
    const std::size_t equals = field.find('=');
    if (equals == std::string_view::npos) {
      return Refuse("campo sin \"=\": \"" + std::string(TrimBlanks(field)) + "\"");
    }
    const std::string key = ToUpper(TrimBlanks(field.substr(0, equals)));
    if (!IsKnownKey(key)) return Refuse("clave desconocida: \"" + key + "\"");
    if (!fields.emplace(key, std::string(field.substr(equals + 1))).second) {
      return Refuse("clave repetida: \"" + key + "\"");
    }
  }

  const auto value = [&fields](const char* key) -> std::string {
    const auto found = fields.find(key);
    return found == fields.end() ? std::string() : found->second;
  };
  const auto present = [&fields](const char* key) { return fields.count(key) != 0; };

  FtpParameters parameters;
  const std::string mode(TrimBlanks(value("DOWNLOAD")));
  if (EqualsIgnoreCase(mode, "NO")) {
    parameters.mode = TransferMode::kSend;
  } else if (EqualsIgnoreCase(mode, "SI")) {
    parameters.mode = TransferMode::kFetch;
  } else if (EqualsIgnoreCase(mode, "BORRAR")) {
    parameters.mode = TransferMode::kDelete;
  } else if (!present("DOWNLOAD")) {
    return Refuse("falta DOWNLOAD= (NO, SI o BORRAR)");
  } else {
    return Refuse("DOWNLOAD=" + mode + " no es NO, SI ni BORRAR");
  }

  if (TrimBlanks(value("SERVER")).empty()) return Refuse("falta SERVER=");
  const std::optional<FtpServer> server = ParseServer(value("SERVER"));
  if (!server) return Refuse("SERVER=" + value("SERVER") + " no es host, host:puerto ni ftps://host[:puerto]");
  parameters.server = *server;

  parameters.user = value("USUARIO");
  parameters.password = value("PASSWORD");
  parameters.webFolder = std::string(TrimBlanks(value("DIRWEB")));
  parameters.localFolder = std::string(TrimBlanks(value("DIRDESTINO")));
  parameters.proxy = std::string(TrimBlanks(value("PROXY")));
  parameters.proxyPassword = value("PROXYPASS");

  const std::string file = value("ARCHIVO");
  if (parameters.mode == TransferMode::kDelete) {
    if (EqualsIgnoreCase(TrimBlanks(file), "TODOS")) {
      return Refuse("BORRAR borra un solo archivo: ARCHIVO=TODOS no se acepta");
    }
    if (!IsPlainFileName(file)) return Refuse("BORRAR necesita en ARCHIVO= el nombre de un archivo, sin carpetas");
    parameters.file = file;
  } else {
    if (!TrimBlanks(file).empty() && !EqualsIgnoreCase(TrimBlanks(file), "TODOS")) {
      return Refuse("ARCHIVO=" + file + ": el envío y la descarga son siempre de todos los archivos (TODOS)");
    }
    if (parameters.localFolder.empty()) return Refuse("falta DIRDESTINO=");
  }
  return {parameters, {}};
}

}  // namespace tramvel::zariz
