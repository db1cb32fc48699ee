#include <optional>

#include "common/DoblarComillas.h"
#include "common/RecordsetAbierto.h"
#include "common/StepRunner.h"
#include "common/VbValues.h"
#include "logistics/Dll_SYD.h"

namespace tramvel {
namespace {

// The source of the failures this class raises itself.
constexpr const char* kClase = "Dll_SYD";

// A numeric comparison of two field values, false when either is Null.
bool Mayor(const ado::Variant& a, const ado::Variant& b) {
  if (a.IsNull() || b.IsNull()) return false;
  return a.ToDouble() > b.ToDouble();
}

}  // namespace

Currency Dll_SYD::ImportePorArticulo(const std::string& NroViaje, const std::string& Tipo) {
  if (RecortarBlancos(NroViaje).empty()) return Currency();
  Currency total;
  std::unique_ptr<ado::Recordset> rs;
  StepRunner pasos([&](const Failure& error) {
    return FromDialogAnswer(Util().ManejarError(error, std::nullopt, "ObtieneImporte"));
  });
  const bool completo = pasos.Run([&] {
    pasos([&] {
      Sesion().AbrirRecordset(
          "Select * from Ql_ConsValorizado03 where Nro_Comprobante = '" + DoblarComillas(NroViaje) + "'", rs, nullptr,
          ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
    });
    const auto campo = [&](const char* nombre) -> const ado::Variant& {
      return Abierto(rs, kClase).Fields(nombre).Value();
    };
    if (pasos.If([&] { return !Abierto(rs, kClase).Eof(); })) {
      pasos([&] { Abierto(rs, kClase).MoveFirst(); });
      while (pasos.If([&] { return !Abierto(rs, kClase).Eof(); })) {
        // Each line starts from no tariff: a line whose lookup finds none,
        // or fails, is valued at 0 and never at the tariffs of the line
        // before it.
        Currency ida;
        Currency vuelta;
        pasos([&] {
          ImporteDelArticulo(Tipo, campo("Fecha_Comprobante").ToText(), campo("Proveedor").ToText(),
                             campo("TIPO_VEHICULO").ToText(), campo("IdCategoria").ToText(),
                             campo("IdArticulo").ToText(), campo("Saldo").ToDouble(), ida, vuelta);
        });
        Currency a;
        Currency b;
        Currency c;
        Currency d;
        pasos([&] {
          if (Mayor(campo("ARETORNAR"), 0)) {
            a = campo("Devolucion").ToCurrency();
          } else if (Mayor(campo("Devolucion"), campo("Cantidad"))) {
            a = Currency::FromDouble(campo("Devolucion").ToDouble() - campo("Cantidad").ToDouble());
          }
        });
        pasos([&] {
          if (Mayor(campo("ARETORNAR"), 0)) {
            b = Currency();
          } else if (Mayor(campo("Devolucion"), campo("Cantidad"))) {
            b = campo("Cantidad").ToCurrency();
          } else {
            b = campo("Devolucion").ToCurrency();
          }
        });
        pasos([&] { c = Currency::FromDouble(campo("Cantidad").ToDouble() - b.ToDouble()); });
        pasos([&] { d = c + a; });
        pasos([&] { total += d * (ida + vuelta); });
        pasos([&] { Abierto(rs, kClase).MoveNext(); });
      }
    }
  });
  return completo ? total : Currency();
}

}  // namespace tramvel
