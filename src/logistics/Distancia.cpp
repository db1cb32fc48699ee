#include <cctype>

#include "ado/Recordset.h"
#include "common/DoblarComillas.h"
#include "common/VbValues.h"
#include "logistics/Dll_SYD.h"

namespace tramvel {
namespace {

constexpr int32_t kTipoNoCoincide = 13;

// The note's identifier goes into the statement unquoted, as the number the
// ID column holds: anything but a whole number (blanks around allowed) is
// refused before it can reach the database.
void ExigirNumero(const std::string& id) {
  const std::string recortado = RecortarBlancos(id);
  bool numero = !recortado.empty();
  for (const char c : recortado) numero = numero && std::isdigit(static_cast<unsigned char>(c)) != 0;
  if (!numero) {
    throw Failure(kTipoNoCoincide, "El identificador de remito '" + id + "' no es un número", "Dll_SYD");
  }
}

}  // namespace

double Dll_SYD::BuscaDistancia(const std::string& IdDelRemito) {
  std::string localidad;
  return BuscaDistancia(IdDelRemito, localidad);
}

double Dll_SYD::BuscaDistancia(const std::string& IdDelRemito, std::string& MaximaLocalidad) {
  ExigirNumero(IdDelRemito);
  std::unique_ptr<ado::Recordset> rs;
  const auto abrir = [&](const std::string& sql) {
    Sesion().AbrirRecordset(sql, rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
  };
  // One recordset serves both lookups of the distance.
  const auto distanciaDe = [&](const std::string& lugar, double& distancia) {
    abrir("SELECT Distancia FROM TA_DISTLOCALIDADES WHERE LOCALIDAD = '" + DoblarComillas(RecortarBlancos(lugar)) +
          "'");
    if (rs->Bof()) {
      distancia = 0;
      return false;
    }
    distancia = rs->Fields("Distancia").Value().ToDouble();
    return true;
  };

  double distancia = 0;
  std::string localidad;
  abrir("SELECT CODIGO_CLIENTE,SUCURSAL_CLIENTE,LOCALIDAD FROM MV_RUTEOCAB WHERE ID = " + IdDelRemito);
  if (!rs->Bof()) {
    const std::string cliente = Utilidades::SinNulo(rs->Fields("CODIGO_CLIENTE").Value()).ToText();
    const std::string sucursal = Utilidades::SinNulo(rs->Fields("Sucursal_cliente").Value()).ToText();
    localidad = RecortarBlancos(Utilidades::SinNulo(rs->Fields("Localidad").Value()).ToText());
    if (!distanciaDe(localidad, distancia)) {
      // The consignee's branch is read without a test for its row: a branch
      // that is not there fails here and reaches the caller.
      abrir("SELECT TOP 1 LOCALIDAD FROM MA_DESTINATARIOS WHERE CODIGO = '" + DoblarComillas(cliente) +
            "' AND SUCURSAL = '" + DoblarComillas(sucursal) + "'");
      localidad = RecortarBlancos(Utilidades::SinNulo(rs->Fields("Localidad").Value()).ToText());
      distanciaDe(localidad, distancia);
    }
  }
  MaximaLocalidad = localidad;
  return distancia;
}

}  // namespace tramvel
