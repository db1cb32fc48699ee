#include "startup/FormularioDeAcceso.h"

#include <initializer_list>

#include "platform/TextCase.h"

namespace tramvel {
namespace {

struct Equivalencia {
  std::initializer_list<const char*> formularios;
  const char* nombre;  // nullptr: the form keeps its own name and has no task
};

const Equivalencia kEquivalencias[] = {
    {{"FS_V_MV_VENTAS", "FS_V_MV_VENTASh", "V_MV_VENTASPDVG", "V_MV_VENTASPDV"}, "V_MV_VENTAS"},
    {{"V_MV_VENTASPDVGEP"}, "V_MV_VENTASPDVG"},
    {{"FS_V_MV_COMANDAH"}, "FS_V_MV_COMANDA"},
    {{"EM_PLANILLAARTICULOS2"}, "EM_PLANILLAARTICULOS"},
    {{"EM_PLANILLAEDITDATOS2"}, "EM_PLANILLAEDITDATOS"},
    {{"V_MA_PRECIOS2"}, "V_MA_PRECIOS"},
    {{"V_MA_ARTICULOS2"}, "V_MA_ARTICULOS"},
    {{"UTLFISCALH"}, "UTLFISCAL"},
    {{"EM_DBACUM"}, "Controlbaseap"},
    {{"UtlFiscal", "UtlFiscalh", "Utl_CtrlFiscal", "Utl_CtrlFiscalh", "TIMERLIQUIDACION", "Interface_Art",
      "MA_AFdesANEW", "CONS_MV_ASIENTOS", "EM_DMD_InformeStock", "DWMAPA", "INTERFACERECEPMAESTROS"},
     nullptr},
};

}  // namespace

FormularioDeAcceso BuscarFormulario(const std::string& formulario) {
  for (const Equivalencia& equivalencia : kEquivalencias) {
    for (const char* uno : equivalencia.formularios) {
      if (!EqualsIgnoreCase(formulario, uno)) continue;
      if (equivalencia.nombre == nullptr) return {formulario, true};
      return {equivalencia.nombre, false};
    }
  }
  return {formulario, false};
}

}  // namespace tramvel
