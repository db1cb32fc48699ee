#include <chrono>
#include <optional>

#include "ado/SessionLock.h"
#include "common/RecordsetAbierto.h"
#include "common/StepRunner.h"
#include "common/VbValues.h"
#include "logistics/Dll_SYD.h"
#include "platform/MessageBoxStyle.h"
#include "platform/Platform.h"
#include "platform/TextCase.h"
#include "upgrade/CatalogoEsquema.h"

namespace tramvel {
namespace {

// The source of the failures this class raises itself.
constexpr const char* kClase = "Dll_SYD";

constexpr int kEstiloPregunta = mb::kYesNo + mb::kQuestion;                          // 36
constexpr int kEstiloPreguntaNo = mb::kYesNo + mb::kQuestion + mb::kDefaultButton2;  // 292
constexpr int16_t kLimiteDeAjustes = 100;
constexpr int32_t kDesbordamiento = 6;
constexpr int32_t kTiposNoCoinciden = 13;
constexpr int32_t kObjetoNoAsignado = 91;
constexpr const char* kCandado = "Tramvel VerificaCampos";

constexpr const char* kConfirmacion =
    "Este proceso actualizará su base de datos\r\n"
    "Es muy recomendable hacer un backup de la base antes de continuar... \r\n"
    "Desea actualizar la base de datos ahora???";
constexpr const char* kPreguntaAnterior =
    " - El sistema necesita actualizar la base de datos, este proceso puede demorar unos minutos, se recomienda que "
    "el sistema no este siendo utilizado por otra terminal\r\n-Confirma?";
constexpr const char* kCambioDeVersion =
    "ESTA ACTUALIZACION SOLO FUNCIONA CON SQL2000 Y LAS SIGUIENTES CONDICIONES...POR FAVOR VERIFIQUE SI SE COMPLEN "
    "TODAS ANTES DE CONTINUAR:\r\n"
    "-La tabla MV_STOCK no debe permitir Nulos en el campo Cantidad.\r\n"
    "-El nivel de compatibilidad con la base debe ser nivel 80\r\n"
    "  \r\n"
    "Si no cumple esas condiciones seleccione NO";
constexpr const char* kCampoUd =
    "Se debe cambiar la longitud del campo UD de la Tabla MV_RUTEO de 2 a 4 caracteres!!!\r\n"
    "Hasta que no se realice esa operación el sistema no se continuará actualizando";
constexpr const char* kOtraTerminal =
    "Otra terminal está actualizando la base de datos en este momento.\r\n"
    "Vuelva a intentarlo cuando haya terminado.";

// The schema date as the upgrade compares it: "dd/mm/yyyy"; a Null or empty
// value gives the empty text.
std::string TextoDeFecha(const ado::Variant& valor) {
  if (valor.IsNull() || valor.IsEmpty()) return {};
  if (valor.Type() == ado::VariantType::kText) {
    const std::string texto = valor.ToText();
    if (RecortarBlancos(texto).empty()) return {};
    const std::optional<DateTime> fecha = ado::ParseDateText(texto);
    return fecha ? ado::FormatDateText(*fecha) : texto;
  }
  return ado::FormatDateText(valor.ToDate());
}

DateTime Fecha(const std::string& texto) {
  const std::optional<DateTime> fecha = ado::ParseDateText(texto);
  if (!fecha) throw Failure(kTiposNoCoinciden, "Type mismatch", "Dll_SYD");
  return *fecha;
}

DateTime DiaSiguiente(const DateTime& fecha) {
  using namespace std::chrono;
  const year_month_day dia{
      sys_days{year{fecha.year} / month{static_cast<unsigned>(fecha.month)} / day{static_cast<unsigned>(fecha.day)}} +
      days{1}};
  return {static_cast<int>(dia.year()), static_cast<int>(static_cast<unsigned>(dia.month())),
          static_cast<int>(static_cast<unsigned>(dia.day()))};
}

std::optional<ado::Variant> ValorPorDefecto(Defecto defecto) {
  switch (defecto) {
    case Defecto::kCero: return ado::Variant(0);
    case Defecto::kUno: return ado::Variant("1");
    case Defecto::kNinguno: break;
  }
  return std::nullopt;
}

}  // namespace

void Dll_SYD::VerificaCampos() {
  bool preguntado = false;
  bool rechazado = false;
  bool ajusteHecho = false;
  int16_t ajustes = 0;
  std::optional<Failure> paraElLlamador;
  std::unique_ptr<ado::SessionLock> candado;
  std::unique_ptr<ado::Recordset> rsConfiguracion;
  std::unique_ptr<ado::Recordset> rsUd;

  StepRunner pasos([&](const Failure& error) {
    if (ajusteHecho) {
      paraElLlamador = error;
      return OnFailure::kGiveUp;
    }
    return FromDialogAnswer(Util().ManejarError(error, std::nullopt, "VerificaCampos"));
  });

  const std::string carpeta = Utilidades::RutaConBarra(platform_.ProgramFolder());
  const auto script = [&](std::string_view archivo) { pasos([&] { VerVistas(carpeta + std::string(archivo)); }); };
  const auto sentencia = [&](const std::string& sql) { pasos([&] { Sesion().Ejecutar(sql, 0, nullptr); }); };
  const auto pregunta = [&](const std::string& texto, int estilo, const std::string& titulo, int respuesta) {
    return pasos.If([&] { return platform_.Operator().MessageBox(texto, estilo, titulo) == respuesta; });
  };

  // One action of the catalogue; false when the operator refused the step.
  const auto accion = [&](const Accion& a) {
    switch (a.tipo) {
      case TipoAccion::kCampo:
        pasos([&] {
          Sesion().CrearCampo(std::string(a.texto), std::string(a.campo), true, std::string(a.tipoSql), true,
                              ValorPorDefecto(a.defecto));
        });
        break;
      case TipoAccion::kScript: script(a.texto); break;
      case TipoAccion::kSentencia: sentencia(std::string(a.texto)); break;
      case TipoAccion::kMostrarErrores:
        if (pasos.If([&] { return !Sesion().Conexion().Errors().Empty(); })) {
          pasos([&] { platform_.Operator().MessageBox(Sesion().Conexion().Errors()[0].Description, mb::kOkOnly, ""); });
        }
        break;
      case TipoAccion::kArithAbort:
        sentencia("ALTER DATABASE " + Sesion().BaseDeDatos() + "\r\n SET ARITHABORT ON ");
        break;
      case TipoAccion::kScriptEnEspera:
        pasos([&] { Espera().Mostrar("Cargando", 0); });
        pasos([&] {
          int16_t detener = 0;
          Espera().Mensaje(detener, "Cargando Datos de ARBA", "Este Proceso Puede Tardar unos Minutos",
                           "Espere PorFavor...");
        });
        script(a.texto);
        pasos([&] { Espera().Cerrar(); });
        break;
      case TipoAccion::kCambioDeVersion:
        // A refusal counts for the whole call: asking again at every pass
        // would never end unattended, where No is the default answer.
        if (pregunta(kCambioDeVersion, kEstiloPreguntaNo, "CAMBIO DE VERSION", mb::kNo)) return false;
        break;
    }
    return true;
  };

  const auto confirmar = [&] {
    if (!preguntado) {
      pasos([&] { platform_.Operator().SetMousePointer(MousePointer::kDefault); });
      if (pregunta(kConfirmacion, kEstiloPregunta, "Atención", mb::kNo)) rechazado = true;
      pasos([&] { platform_.Operator().SetMousePointer(MousePointer::kHourglass); });
    }
    preguntado = true;
  };

  const auto actualizacionesAnteriores = [&] {
    for (const BloqueAnterior& bloque : BloquesAnteriores()) {
      if (!bloque.tablaGuarda.empty()) {
        const std::string tabla(bloque.tablaGuarda);
        const std::string campo(bloque.campoGuarda);
        const bool falta = pasos.If(
            [&] { return campo.empty() ? !Sesion().ExisteTabla(tabla) : !Sesion().ExisteCampo(tabla, campo); });
        if (!falta) continue;
      }
      if (!bloque.fechaPregunta.empty() &&
          !pregunta(std::string(bloque.fechaPregunta) + kPreguntaAnterior, kEstiloPregunta, "Atención", mb::kYes)) {
        continue;
      }
      for (const Accion& a : bloque.acciones) accion(a);
    }
  };

  // The catch-up rule for a date that keys no step.
  const auto ajustar = [&](const std::string& fecha) {
    pasos([&] {
      if (ajustes == INT16_MAX) throw Failure(kDesbordamiento, "Overflow", "Dll_SYD");
      ++ajustes;
    });
    if (ajustes == kLimiteDeAjustes) {
      sentencia("UPDATE TA_CONFIGURACION SET fhupdate = '04/07/2012'");
    } else {
      DateTime dia;
      pasos([&] { dia = Fecha(fecha.empty() ? "27/04/2012" : fecha); });
      StepRunner ignorando(StepRunner::Ignoring());
      ignorando([&] { dia = Fecha(ado::FormatDateText(DiaSiguiente(dia))); });
      ignorando([&] {
        Sesion().Ejecutar("UPDATE TA_CONFIGURACION SET fhupdate = '" + ado::FormatDateText(dia) + "'", 0, nullptr);
      });
    }
    ajusteHecho = true;
  };

  const auto salir = [&] { pasos([&] { platform_.Operator().SetMousePointer(MousePointer::kDefault); }); };

  pasos.Run([&] {
    // Another workstation upgrading the same database would interleave its
    // steps and date writes with these.
    bool ocupada = false;
    pasos([&] {
      candado = ado::SessionLock::TryAcquire(Sesion().Conexion(), kCandado);
      ocupada = candado == nullptr;
    });
    if (ocupada) {
      pasos([&] { platform_.Operator().MessageBox(kOtraTerminal, mb::kOkOnly + mb::kInformation, "Aviso al Operador"); });
      return;
    }

    if (pasos.If([&] { return !Sesion().ExisteCampo("TA_CONFIGURACION", "FHUPDATE"); })) {
      actualizacionesAnteriores();
      if (pregunta("Se ha detectado una actualizacion de sistema pendiente, desea realizarla ahora?", kEstiloPregunta,
                   "Aviso al Operador", mb::kYes)) {
        pasos([&] {
          platform_.Operator().MessageBox(
              "Este proceso puede demorar unos minutos, por favor espere el mensaje de proceso finalizado!",
              mb::kOkOnly + mb::kInformation, "Aviso al operador");
        });
        for (const Accion& a : PreparacionFechaDeEsquema()) accion(a);
        pasos([&] { platform_.Operator().MessageBox("Proceso Finalizado!", mb::kOkOnly + mb::kExclamation, "Atención"); });
      }
    }
    if (pasos.If([&] { return !Sesion().ExisteCampo("TA_CONFIGURACION", "CLAVE"); })) {
      for (const Accion& a : PreparacionClaves()) accion(a);
    }
    for (const Accion& a : PreparacionSiempre()) accion(a);

    pasos([&] {
      Sesion().AbrirRecordset("TA_CONFIGURACION", rsConfiguracion, nullptr, ado::adOpenDynamic, ado::adLockOptimistic,
                              -1, true);
    });
    if (pasos.If([&] { return !Abierto(rsConfiguracion, kClase).Eof(); })) {
      pasos([&] { Abierto(rsConfiguracion, kClase).MoveFirst(); });
      if (pasos.If([&] { return Abierto(rsConfiguracion, kClase).Fields("FhUpdate").Value().IsNull(); })) {
        pasos([&] { Abierto(rsConfiguracion, kClase).Fields("FhUpdate").SetValue(Fecha(std::string(kFechaInicial))); });
        pasos([&] { Abierto(rsConfiguracion, kClase).Update(); });
      }
    }
    pasos([&] { Sesion().CerrarRecordset(rsConfiguracion); });

    pasos([&] {
      Sesion().AbrirRecordset("SELECT TOP 1 UD FROM MV_RUTEO", rsUd, nullptr, ado::adOpenForwardOnly,
                              ado::adLockReadOnly, -1, true);
    });
    if (pasos.If([&] { return Abierto(rsUd, kClase).Fields(size_t{0}).DefinedSize() == 2; })) {
      pasos([&] { platform_.Operator().MessageBox(kCampoUd, mb::kOkOnly + mb::kInformation, "Aviso al Operador"); });
      return;
    }
    pasos([&] { Sesion().CerrarRecordset(rsUd); });

    for (;;) {
      pasos([&] {
        Sesion().AbrirRecordset("TA_CONFIGURACION", rsConfiguracion, nullptr, ado::adOpenForwardOnly,
                                ado::adLockReadOnly, -1, true);
      });
      if (pasos.If([&] { return Abierto(rsConfiguracion, kClase).Eof(); })) return;
      pasos([&] { Abierto(rsConfiguracion, kClase).MoveFirst(); });
      // The continuation test reads the date as this pass found it: the
      // recordset's row as it was read, before the step wrote the next key.
      std::string fecha;
      pasos([&] { fecha = TextoDeFecha(Abierto(rsConfiguracion, kClase).Fields("FhUpdate").Value()); });
      FhRegistroError = fecha;

      if (const PasoFechado* paso = BuscarPaso(fecha)) {
        if (paso->confirma) {
          confirmar();
          if (rechazado) return salir();
        }
        for (const Accion& a : paso->acciones) {
          if (!accion(a)) return salir();
        }
        sentencia("update ta_configuracion set fhupdate = '" + std::string(paso->siguiente) + "'");
      } else if (EqualsIgnoreCase(fecha, kClaveFinal)) {
        return salir();
      } else {
        ajustar(fecha);
      }
      pasos([&] { Sesion().CerrarRecordset(rsConfiguracion); });
      if (pasos.If([&] { return fecha == kFechaInicial; })) return salir();
    }
  });
  if (paraElLlamador) throw *paraElLlamador;
}

}  // namespace tramvel
