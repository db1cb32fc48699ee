#include "SydLogistica.h"

#include <cmath>
#include <functional>
#include <iostream>
#include <optional>

#include "common/CsvText.h"
#include "common/StepRunner.h"
#include "logistics/Dll_SYD.h"
#include "platform/TextCase.h"
#include "ado/Recordset.h"
#include "ado/Variant.h"

namespace tramvel::syd {
namespace {

constexpr double kMayorOrden = 2147483647;

int Uso(const std::string& texto) {
  std::cerr << "syd: " << texto << "\n";
  return 2;
}

// Runs an operation whose failures reach its caller: the failure is told on
// standard error and the exit status says it.
int Ejecutar(const std::function<void()>& operacion) {
  bool fallo = false;
  StepRunner pasos([&](const Failure& error) {
    std::cerr << "syd: " << error.Description() << "\n";
    fallo = true;
    return OnFailure::kGiveUp;
  });
  pasos.Run([&] { pasos(operacion); });
  return fallo ? 1 : 0;
}

void EscribirCsv(ado::Recordset& rs) {
  std::string texto;
  std::vector<std::optional<std::string>> campos;
  for (ado::Field& campo : rs.Fields()) campos.emplace_back(campo.Name());
  AppendCsvRecord(texto, campos);
  for (; !rs.Eof(); rs.MoveNext()) {
    campos.clear();
    for (ado::Field& campo : rs.Fields()) {
      const ado::Variant& valor = campo.Value();
      campos.push_back(valor.IsNull() ? std::nullopt : std::optional<std::string>(valor.ToText()));
    }
    AppendCsvRecord(texto, campos);
  }
  std::cout << texto;
}

int Devoluciones(Dll_SYD& dll, const std::vector<std::string>& args, bool envases, const char* nombre) {
  if (args.size() != 1) return Uso(std::string(nombre) + " takes one NRO_VIAJE");
  return Ejecutar([&] {
    dll.OpenADOServer();
    ado::Recordset rs;
    if (envases) {
      dll.TraerDevolucionesCons(args[0], rs);
    } else {
      dll.TraerDevoluciones(args[0], rs);
    }
    EscribirCsv(rs);
  });
}

// A decimal number with a point, or nullopt.
std::optional<double> Numero(const std::string& texto) { return ado::ParseNumberText(texto); }

}  // namespace

int TraerDevoluciones(Dll_SYD& dll, const std::vector<std::string>& args) {
  return Devoluciones(dll, args, false, "traer-devoluciones");
}

int TraerDevolucionesCons(Dll_SYD& dll, const std::vector<std::string>& args) {
  return Devoluciones(dll, args, true, "traer-devoluciones-cons");
}

int BuscaDistancia(Dll_SYD& dll, const std::vector<std::string>& args) {
  if (args.size() != 1) return Uso("busca-distancia takes one ID_DEL_REMITO");
  return Ejecutar([&] {
    dll.OpenADOServer();
    std::string localidad;
    const double distancia = dll.BuscaDistancia(args[0], localidad);
    std::cout << ado::FormatDouble(distancia) << "\n" << localidad << "\n";
  });
}

int ImporteDelArticulo(Dll_SYD& dll, const std::vector<std::string>& args) {
  if (args.size() != 7) {
    return Uso("importe-del-articulo takes TIPO VIGENCIA PROVEEDOR VEHICULO CATEGORIA ITEM CANTIDAD");
  }
  const std::optional<double> cantidad = Numero(args[6]);
  if (!cantidad) return Uso("importe-del-articulo: CANTIDAD '" + args[6] + "' is not a number");
  dll.OpenADOServer();
  Currency ida;
  Currency vuelta;
  dll.ImporteDelArticulo(args[0], args[1], args[2], args[3], args[4], args[5], *cantidad, ida, vuelta);
  std::cout << ida.ToString() << "\n" << vuelta.ToString() << "\n";
  return 0;
}

int ExisteTarifa(Dll_SYD& dll, const std::vector<std::string>& args) {
  if (args.size() != 6) return Uso("existe-tarifa takes TIPO VIGENCIA PROVEEDOR VEHICULO CATEGORIA ARTICULO");
  dll.OpenADOServer();
  const bool existe = dll.ExisteTarifaArticulo(args[0], args[1], args[2], args[3], args[4], args[5]);
  std::cout << (existe ? "SI" : "NO") << "\n";
  return 0;
}

int ImportePorArticulo(Dll_SYD& dll, const std::vector<std::string>& args) {
  if (args.size() != 2) return Uso("importe-por-articulo takes NRO_VIAJE TIPO");
  dll.OpenADOServer();
  std::cout << dll.ImportePorArticulo(args[0], args[1]).ToString() << "\n";
  return 0;
}

int ActualizaConsolidado(Dll_SYD& dll, const std::vector<std::string>& args) {
  // The operation's own default range visits 999,999 orders: the range is
  // always asked for.
  if (args.size() < 2 || args.size() > 3) return Uso("actualiza-consolidado takes DESDE HASTA [SI|NO]");
  // Load orders are whole numbers of the database's int columns; a larger
  // one could not even be counted one by one in the operation's counter.
  for (std::size_t i = 0; i < 2; ++i) {
    const std::optional<double> orden = Numero(args[i]);
    if (!orden || *orden != std::floor(*orden) || *orden < 0 || *orden > kMayorOrden) {
      return Uso("actualiza-consolidado: '" + args[i] + "' is not an order number");
    }
  }
  bool sinSaldos = false;
  if (args.size() == 3) {
    if (!EqualsIgnoreCase(args[2], "SI") && !EqualsIgnoreCase(args[2], "NO")) {
      return Uso("actualiza-consolidado: SIN_SALDOS is SI or NO");
    }
    sinSaldos = EqualsIgnoreCase(args[2], "SI");
  }
  dll.OpenADOServer();
  std::string desde = args[0];
  std::string hasta = args[1];
  dll.ActualizaConsolidadoOrdenes(desde, hasta, "", sinSaldos);
  std::cout << desde << "\n" << hasta << "\n";
  return 0;
}

}  // namespace tramvel::syd
