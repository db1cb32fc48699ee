#include <optional>

#include "common/StepRunner.h"
#include "common/VbValues.h"
#include "logistics/Dll_SYD.h"
#include "ado/Variant.h"

namespace tramvel {
namespace {

constexpr int16_t kAnchoDeposito = 4;
constexpr int32_t kTipoNoCoincide = 13;

// An order number as the text gives it: the number at its start, blanks,
// tabs and line feeds anywhere in it not counting (VB's Val).
double NumeroDeOrden(const std::string& texto) {
  std::string sinBlancos;
  for (const char c : texto) {
    if (c != ' ' && c != '\t' && c != '\n') sinBlancos.push_back(c);
  }
  return Val(sinBlancos);
}

// The range statements put the caller's texts into the SQL unquoted, as
// the numbers the procedures take: anything else is refused before it
// reaches the database.
const std::string& ComoNumero(const std::string& orden) {
  if (!ado::ParseNumberText(orden)) {
    throw Failure(kTipoNoCoincide, "La orden de carga '" + orden + "' no es un número", "Dll_SYD");
  }
  return orden;
}

// The counter as CStr writes it ("12") and as Str writes it, with a place
// for its sign (" 12").
std::string FormaSimple(double numero) { return ado::FormatDouble(numero); }
std::string FormaConSigno(double numero) { return (numero < 0 ? "" : " ") + ado::FormatDouble(numero); }

}  // namespace

void Dll_SYD::ActualizaConsolidadoOrdenes() {
  std::string desde = "1";
  std::string hasta = "999999";
  ActualizaConsolidadoOrdenes(desde, hasta);
}

void Dll_SYD::ActualizaConsolidadoOrdenes(std::string& OrdenDeCarga_Desde, std::string& OrdenDeCarga_Hasta,
                                          const std::string& /*ListaDeOrdenes*/, bool SinSaldos) {
  int16_t detener = 0;
  StepRunner pasos([&](const Failure& error) {
    Espera().Cerrar();
    return FromDialogAnswer(Util().ManejarError(error, std::nullopt, "ActualizaConsolidadoOrdenes"));
  });
  const auto deposito = [&] { return Utilidades::FormatoCodigo(Cfg("ssl_depositodefault"), kAnchoDeposito); };
  const auto ejecutar = [&](const std::string& procedimiento, const std::string& desde, const std::string& hasta,
                            bool conDeposito) {
    std::string sql = "exec " + procedimiento + " " + desde + ", " + hasta;
    if (conDeposito) sql += ", '" + deposito() + "'";
    Sesion().Ejecutar(sql, 0, nullptr);
  };

  pasos.Run([&] {
    pasos([&] { Espera().Mostrar("Actualizando Consolidado", -1); });
    pasos([&] {
      int16_t ignorado = 0;
      Espera().Mensaje(ignorado, "Espero por favor...", OrdenDeCarga_Desde, OrdenDeCarga_Hasta);
    });
    if (SinSaldos) {
      pasos([&] {
        ejecutar("dw_consolidaordenes1", ComoNumero(OrdenDeCarga_Desde), ComoNumero(OrdenDeCarga_Hasta), false);
      });
      pasos([&] {
        ejecutar("dw_consolidaordenes3", ComoNumero(OrdenDeCarga_Desde), ComoNumero(OrdenDeCarga_Hasta), true);
      });
    }
    double primero = 0;
    double ultimo = 0;
    pasos([&] { primero = NumeroDeOrden(OrdenDeCarga_Desde); });
    pasos([&] { ultimo = NumeroDeOrden(OrdenDeCarga_Hasta); });

    std::string conSigno;
    bool detenido = false;
    for (double contador = primero; contador <= ultimo && !detenido; contador += 1) {
      conSigno = FormaConSigno(contador);
      const std::string simple = FormaSimple(contador);
      const std::string de = simple + " de " + FormaSimple(ultimo);
      const char* const procedimientos[] = {"dw_consolidaordenes1", "dw_consolidaordenes3", "dw_consolidaordenes5"};
      for (int paso = 0; paso < 3 && !detenido; ++paso) {
        pasos([&] {
          OrdenDeCarga_Desde = simple;
          OrdenDeCarga_Hasta = simple;
        });
        pasos([&] { ejecutar(procedimientos[paso], OrdenDeCarga_Desde, OrdenDeCarga_Desde, paso > 0); });
        pasos([&] {
          Espera().Mensaje(detener, "Orden de Carga", std::to_string(paso + 1) + " Procesando: " + conSigno, de);
        });
        detenido = detener == -1;
      }
    }
    if (detenido) {
      pasos([&] { Espera().Cerrar(); });
      return;
    }
    pasos([&] {
      OrdenDeCarga_Desde = FormaSimple(primero);
      OrdenDeCarga_Hasta = FormaSimple(ultimo);
    });
    pasos([&] { Espera().Mensaje(detener, "Orden de Carga", "Finalizando: " + conSigno); });
    // The closing pass gets the whole range, first and last order, so that
    // dw_consolidaordenes2 sees every order the loop consolidated (the
    // per-order calls repeat the first argument because there both are
    // the same order).
    pasos([&] { ejecutar("dw_consolidaordenes2", OrdenDeCarga_Desde, OrdenDeCarga_Hasta, true); });
    pasos([&] { Espera().Cerrar(); });
  });
}

}  // namespace tramvel
