#include <array>

#include "ado/Connection.h"
#include "common/DoblarComillas.h"
#include "common/RecordsetAbierto.h"
#include "common/StepRunner.h"
#include "common/VbValues.h"
#include "logistics/Dll_SYD.h"
#include "platform/MessageBoxStyle.h"
#include "platform/Platform.h"

namespace tramvel {
namespace {

// The source of the failures this class raises itself.
constexpr const char* kClase = "Dll_SYD";

constexpr int16_t kAnchoProveedor = 6;
constexpr int16_t kAnchoCategoria = 4;
constexpr int16_t kAnchoArticulo = 25;

bool EnBlanco(const std::string& texto) { return RecortarBlancos(texto).empty(); }

}  // namespace

void Dll_SYD::ImporteDelArticulo(const std::string& TipoTarifa, const std::string& /*FhVigencia*/,
                                 const std::string& Proveedor, const std::string& TIPO_VEHICULO,
                                 const std::string& IdCategoria, const std::string& Item, double /*Cantidad*/,
                                 Currency& Ida, Currency& Vuelta) {
  const std::string tipo = "TipoTarifa = '" + DoblarComillas(TipoTarifa) + "'";
  const std::string proveedor = " and Proveedor = '" + DoblarComillas(Proveedor) + "'";
  const std::string vehiculo = " and IdTipoVehiculo = '" + DoblarComillas(TIPO_VEHICULO) + "'";
  const std::string categoria = " and IdCategoria = '" + DoblarComillas(IdCategoria) + "'";
  const std::string articulo = " and IdArticulo = '" + DoblarComillas(Item) + "'";
  // Each lookup drops one more criterion: the supplier, the vehicle type,
  // then the category; the tariff type and the article always count.
  const std::array<std::string, 4> busquedas = {
      tipo + proveedor + vehiculo + categoria + articulo,
      tipo + vehiculo + categoria + articulo,
      tipo + categoria + articulo,
      tipo + articulo,
  };

  std::unique_ptr<ado::Recordset> rs;
  StepRunner pasos(StepRunner::Ignoring());
  pasos.Run([&] {
    for (const std::string& condicion : busquedas) {
      // A lookup whose opening fails leaves no recordset, so its row test
      // fails too and counts as a row found: the tariffs then cannot be
      // read and stay as they were, without the message.
      pasos([&] { Sesion().CerrarRecordset(rs); });
      pasos([&] {
        Sesion().AbrirRecordset("Select * From TA_Tarifas_Articulos where " + condicion + " Order by Fecha desc", rs,
                                nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
      });
      if (pasos.If([&] { return !Abierto(rs, kClase).Bof(); })) {
        pasos([&] { Abierto(rs, kClase).MoveFirst(); });
        pasos([&] { Ida = Abierto(rs, kClase).Fields("TarifaIda").Value().ToCurrency(); });
        pasos([&] { Vuelta = Abierto(rs, kClase).Fields("TarifaVuelta").Value().ToCurrency(); });
        return;
      }
    }
    pasos([&] { Espera().Cerrar(); });
    pasos([&] { platform_.Operator().MessageBox("No existe Tarifa Asociada al Articulo: " + Item, mb::kCritical, "Atención!"); });
  });
}

bool Dll_SYD::ExisteTarifaArticulo(const std::string& TipoTarifa, const std::string& Vigencia,
                                   const std::string& Proveedor, const std::string& /*Vehiculo*/,
                                   const std::string& Categoria, const std::string& Articulo, ado::Recordset* LRCS) {
  // The codes are compared in the width their columns store them in;
  // FormatoCodigo doubles their quotes itself.
  std::string condicion = " TipoTarifa = '" + DoblarComillas(RecortarBlancos(TipoTarifa)) + "'";
  if (!EnBlanco(Vigencia)) condicion += " AND FECHA = '" + DoblarComillas(RecortarBlancos(Vigencia)) + "'";
  if (!EnBlanco(Proveedor)) {
    condicion += " AND PROVEEDOR = '" + Utilidades::FormatoCodigo(Proveedor, kAnchoProveedor) + "'";
  }
  if (!EnBlanco(Categoria)) {
    condicion += " AND IdCategoria = '" + Utilidades::FormatoCodigo(Categoria, kAnchoCategoria) + "'";
  }
  if (EnBlanco(Articulo)) {
    platform_.Operator().MessageBox("Error en Consulta de Tarifas, debe informar el Codigo de articulo!!!", mb::kCritical,
                         "Aviso al Programador");
    return false;
  }
  condicion += " AND IdArticulo = '" + Utilidades::FormatoCodigo(Articulo, kAnchoArticulo) + "'";
  const std::string sql = "SELECT * FROM TA_TARIFAS_ARTICULOS WHERE " + condicion;

  bool existe = false;
  StepRunner pasos([&](const Failure& error) {
    return FromDialogAnswer(
        platform_.Operator().MessageBox(error.Description(), mb::kCritical + mb::kAbortRetryIgnore, "Aviso al Operador"));
  });
  pasos.Run([&] {
    if (LRCS) {
      pasos([&] {
        if (LRCS->State() != ado::adStateClosed) LRCS->Close();
      });
      pasos([&] { LRCS->Open(sql, Sesion().Conexion(), LRCS->CursorType(), LRCS->LockType()); });
      pasos([&] { existe = !LRCS->Bof(); });
      return;
    }
    std::unique_ptr<ado::Recordset> rs;
    pasos([&] { Sesion().AbrirRecordset(sql, rs, nullptr, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true); });
    pasos([&] { existe = !Abierto(rs, kClase).Bof(); });
    pasos([&] { Sesion().CerrarRecordset(rs); });
  });
  return existe;
}

}  // namespace tramvel
