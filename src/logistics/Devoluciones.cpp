#include "ado/Connection.h"
#include "ado/Recordset.h"
#include "common/DoblarComillas.h"
#include "logistics/Dll_SYD.h"

namespace tramvel {
namespace {

// The caller chose how its recordset behaves: it is reopened with the
// cursor and lock types it holds now.
void Reabrir(ado::Recordset& recordset, const std::string& sql, ado::Connection& conexion) {
  if (recordset.State() != ado::adStateClosed) recordset.Close();
  recordset.Open(sql, conexion, recordset.CursorType(), recordset.LockType());
}

}  // namespace

void Dll_SYD::TraerDevoluciones(const std::string& NroViaje, ado::Recordset& LrcsTmp) {
  Reabrir(LrcsTmp,
          "Select * From Ql_DevolPendiente Where Nro_Viaje = '" + DoblarComillas(NroViaje) + "' ORDER BY IDCOMPROBANTE",
          Sesion().Conexion());
}

void Dll_SYD::TraerDevolucionesCons(const std::string& NroViaje, ado::Recordset& LrcsTmp) {
  Reabrir(LrcsTmp,
          "SELECT * FROM Ql_DevolVaciosPendientes WHERE IdComprobante_Origen = '" + DoblarComillas(NroViaje) +
              "' ORDER BY IDCOMPROBANTE",
          Sesion().Conexion());
}

}  // namespace tramvel
