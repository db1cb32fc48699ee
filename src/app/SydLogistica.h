#pragma once

#include <string>
#include <vector>

namespace tramvel {
class Dll_SYD;
}  // namespace tramvel

namespace tramvel::syd {

// The logistics operations of Dll_SYD from the command line, each on a
// freshly connected object. They print their result on standard output and
// return 0 when the operation did its work, 1 when it failed (the failure
// goes to standard error), 2 for a bad command line.

// traer-devoluciones / traer-devoluciones-cons NRO_VIAJE: the pending
// returns of the trip as RFC 4180 CSV with a header row.
int TraerDevoluciones(Dll_SYD& dll, const std::vector<std::string>& args);
int TraerDevolucionesCons(Dll_SYD& dll, const std::vector<std::string>& args);

// busca-distancia ID_DEL_REMITO: the distance, then the locality it is of.
int BuscaDistancia(Dll_SYD& dll, const std::vector<std::string>& args);

// importe-del-articulo TIPO VIGENCIA PROVEEDOR VEHICULO CATEGORIA ITEM
// CANTIDAD: the outbound tariff, then the return tariff (both 0 without one).
int ImporteDelArticulo(Dll_SYD& dll, const std::vector<std::string>& args);

// existe-tarifa TIPO VIGENCIA PROVEEDOR VEHICULO CATEGORIA ARTICULO: SI or NO.
int ExisteTarifa(Dll_SYD& dll, const std::vector<std::string>& args);

// importe-por-articulo NRO_VIAJE TIPO: the freight of the trip.
int ImportePorArticulo(Dll_SYD& dll, const std::vector<std::string>& args);

// actualiza-consolidado DESDE HASTA [SI|NO]: consolidates the load orders of
// the range (the whole range first when SI), then prints the range back.
int ActualizaConsolidado(Dll_SYD& dll, const std::vector<std::string>& args);

}  // namespace tramvel::syd
