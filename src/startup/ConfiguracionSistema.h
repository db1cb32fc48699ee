#pragma once

#include <cstdint>
#include <string>

#include "platform/ado/Currency.h"

namespace tramvel {

// The suite's common system settings, each named after its key in the
// configuration table (CargarConfiguracion.h loads them; the colours are
// gColorFondo and gColorLetra of ProgramState). Once loaded they are only
// read; this program changes no behaviour by them.
struct ConfiguracionSistema {
  bool MostrarStockenConsultas = false;
  std::string TituloClientes;
  std::string TituloProveedores;
  std::string gArchivoDocTareas;
  bool EXIGECLAVECONSULTALIKEARTICULOS = false;
  bool UsaConsultaLike = false;
  std::string gCantidadDecimales;  // CantidadDecimales, or CantidadDecimalesVentas for the sales programs
  bool SS_CONFIDENCIALIDAD = false;
  bool UsaMultilesMonedas = false;
  bool UsaFacturaProforma = false;
  bool USACCOSTO = false;
  bool USA_STK_STOCK_UDKG = false;
  std::string gUNegocio;  // from the logged-in user's record
  std::string UNIDADDEMEDIDA_M3;
  std::string UNIDADDEMEDIDA_BL;
  std::string UNIDADDEMEDIDA_KG;
  int16_t PERIODO = 0;
  bool RazonSocialPorUneg = false;
  bool VALIDACODIGOBARRA = false;
  bool ModuloOrdenDeTrabajo = false;
  bool V_ModificaCPrecio = false;
  bool C_ModificaCPrecio = false;
  bool MADERERA = false;
  std::string MAD_TIRAS;
  std::string MAD_P2;
  std::string MAD_ML;
  std::string MAD_M2;
  std::string MAD_HOJAS;
  std::string MAD_ML_P2;
  std::string MAD_M2_P2;
  std::string MAD_ML_M2;
  std::string CuentaCtroDist;
  Currency MaxDto;
  Currency MaxDtoProforma;
  bool PideClave_StockNeg = false;
  bool PideClave_MarkUpBase = false;
  bool PideClave_LimiteCredito = false;
  bool SS_BloqueoActivo = false;
  bool UTILIZARFECHADIA = false;
  bool AsignacionAutomaticaDeLoteING = false;
  int16_t CONDIVAEMPRESA = 0;
  std::string Top_Default;
};

}  // namespace tramvel
