#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tramvel {

class SesionDatos;

// The web-server values of a run: host, user and password of the FTP
// account, and the proxy pair handed over as it is.
struct ValoresFtp {
  std::string servidor;
  std::string usuario;
  std::string password;
  std::string proxy;
  std::string proxyPass;
};

// The FTP client's parameter text for a send ("NO") or a fetch ("SI").
std::string TextoTransferencia(std::string_view modo, const ValoresFtp& ftp, std::string_view archivo,
                               std::string_view dirWeb, std::string_view carpeta);

// The FTP client's parameter text that deletes one web file; its ARCHIVO key
// follows a semicolon and a blank, and it has no proxy fields.
std::string TextoBorrado(const ValoresFtp& ftp, std::string_view archivo, std::string_view dirWeb,
                         std::string_view carpeta);

// True when `archivo` stays one ARCHIVO value inside the deletion text: it
// holds no ";" (which would close the field and let the rest of the name
// add fields of its own, a PROXY say) and no line break or NUL.
bool CabeEnTextoBorrado(std::string_view archivo);

// The FTP client's exit code when it could not reach the server or log in
// to it: no later run against that server can do better just then.
inline constexpr uint32_t kZarizSinServidor = 2;

// The parameter text of the export and import programs, with the session's
// values unescaped; it starts with a blank.
std::string TextoInterfaz(const SesionDatos& sesion);

// The customer's web folder below `dirWeb`: the base without surrounding
// blanks, a backslash when it does not end in "/", then "Vorin" and
// `cierre` ("/" for the upload, "\" for the download).
std::string CarpetaCliente(std::string_view dirWeb, char cierre);

}  // namespace tramvel
