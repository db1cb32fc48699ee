#include <optional>

#include "common/RecordsetAbierto.h"
#include "common/StepRunner.h"
#include "common/VbValues.h"
#include "logistics/Dll_SYD.h"

namespace tramvel {
namespace {

// The source of the failures this class raises itself.
constexpr const char* kClase = "Dll_SYD";

}  // namespace

bool Dll_SYD::EsNombreDeColumna(std::string_view nombre) {
  // SQL Server's regular identifiers; a byte above 127 is part of a letter.
  const auto letra = [](unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '@' || c == '#' || c >= 0x80;
  };
  if (nombre.empty() || nombre.size() > 128 || !letra(static_cast<unsigned char>(nombre.front()))) return false;
  for (const char c : nombre) {
    const auto u = static_cast<unsigned char>(c);
    if (!letra(u) && !(u >= '0' && u <= '9') && u != '$') return false;
  }
  return true;
}

std::string Dll_SYD::Cfg(const std::string& QueCampo) {
  std::string resultado;
  std::unique_ptr<ado::Recordset> rs;
  StepRunner pasos([&](const Failure& error) {
    resultado.clear();
    return FromDialogAnswer(Util().ManejarError(error, std::nullopt, "CFG"));
  });
  pasos.Run([&] {
    // The name goes into the statement as written, so it has to be a name:
    // "1; DELETE FROM TA_CONFIGURACION; --" reported a failure and emptied
    // the table.
    pasos([&] {
      if (!EsNombreDeColumna(QueCampo)) {
        throw Failure(failure::kInvalidCall, "El nombre de columna '" + QueCampo + "' no es un identificador",
                      "Dll_SYD");
      }
      Sesion().AbrirRecordset("SELECT " + QueCampo + " FROM TA_CONFIGURACION", rs, &Sesion().Conexion(),
                              ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
    });
    if (pasos.If([&] { return !Abierto(rs, kClase).Bof(); })) {
      pasos([&] {
        resultado = RecortarBlancos(Utilidades::SinNulo(Abierto(rs, kClase).Fields(QueCampo).Value()).ToText());
      });
    } else {
      resultado.clear();
    }
    pasos([&] {
      if (Abierto(rs, kClase).State() == ado::adStateOpen) rs->Close();
      rs.reset();
    });
  });
  return resultado;
}

void Dll_SYD::OpenADOServer() {
  SesionDatos& sesion = Sesion();
  sesion.BaseDeDatos(gDBName);
  sesion.Servidor(gServidor);
  sesion.Usuario(gUsuario);
  sesion.Password(gUserPassWord);
  sesion.Conectar(false, 3, "", true, true);
}

}  // namespace tramvel
