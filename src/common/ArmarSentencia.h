#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tramvel {

class SesionDatos;

// One column and its value, the value already an SQL literal (or Null).
struct ParCampo {
  std::string Campo;
  std::string Valor;
};

// The program's pending field list: none until a first pair is added with
// `nuevo` set.
using CamposPendientes = std::optional<std::vector<ParCampo>>;

// Adds a column/value pair to the pending list (a fresh list when `nuevo`).
// Single quotes are removed from `valor`, the caller's text too; "NULL" in
// any case is stored as the bare word Null, anything else as the session's
// literal with `delimitador`. Adding to a list never started raises 9.
void AgregarCampo(SesionDatos& sesion, CamposPendientes& campos, const std::string& campo, std::string& valor,
                  const std::string& delimitador, bool nuevo);

// Builds an INSERT (or, when `esUpdate`, an UPDATE ... SET ... `where`) of
// `tabla` from the pending list and appends it to `lineas`. A bare
// condition in `where` gets " WHERE " before it, in the caller's text too.
// The list goes back to a single empty pair unless `conservarCampos`.
void ArmarSentencia(CamposPendientes& campos, std::vector<std::string>& lineas, const std::string& tabla, bool esUpdate,
                    std::string& where, bool conservarCampos);

}  // namespace tramvel
