#include "startup/RegistrarAcceso.h"

#include <memory>

#include "common/AdaptarSQL.h"
#include "common/ArmarSentencia.h"
#include "common/DoblarComillas.h"
#include "common/FormatosFecha.h"
#include "common/GActualizarDatoScript.h"
#include "common/RecordsetAbierto.h"
#include "common/StepRunner.h"
#include "common/VbValues.h"
#include "platform/Platform.h"
#include "platform/TextCase.h"
#include "startup/FormularioDeAcceso.h"
#include "startup/ProgramState.h"

namespace tramvel {
namespace {

constexpr const char* kFuente = "RegistrarAcceso";
constexpr const char* kSupervisor = "SUPERVISOR DORWIND MC";

}  // namespace

std::string ConsultaDeTareas(const std::string& usuario, const std::string& formulario) {
  // A name with a quote would otherwise end its literal early and the query
  // would fail (or run what follows the quote).
  return std::string("SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre ") +
         " FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave " +
         " WHERE (TA_TAREAS.USUARIO = '" + DoblarComillas(usuario) + " ') AND (TA_MENU.Proceso LIKE '%" +
         DoblarComillas(formulario) + "%')";
}

void RegistrarAcceso(ProgramState& programa, const std::string& formulario) {
  Platform& platform = programa.platform();
  SesionDatos& sesion = programa.Sesion();
  StepRunner pasos(StepRunner::Ignoring());
  std::string nombre;
  FormularioDeAcceso busqueda;
  std::string tarea;
  std::unique_ptr<ado::Recordset> tareas;
  std::unique_ptr<ado::Recordset> ultimo;
  pasos.Run([&] {
    pasos([&] { nombre = formulario.empty() ? platform.ExecutableName() : formulario; });
    pasos([&] { programa.gUsuarioLogeado = sesion.Usuario(); });
    pasos([&] { busqueda = BuscarFormulario(nombre); });
    if (!busqueda.sinTarea) {
      pasos([&] {
        sesion.AbrirRecordset(ConsultaDeTareas(programa.gUsuarioLogeado, busqueda.nombre), tareas, nullptr,
                              ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
      });
      if (pasos.If([&] { return !Abierto(tareas, kFuente).Bof(); })) {
        pasos([&] { Abierto(tareas, kFuente).MoveFirst(); });
        pasos([&] { tarea = Utilidades::SinNulo(Abierto(tareas, kFuente).Fields("Nombre").Value()).ToText(); });
      } else if (pasos.If([&] { return EqualsIgnoreCase(platform.ExecutableName(), "RO000VU"); })) {
        pasos([&] { tarea = "Menu Principal"; });
      } else if (pasos.If([&] {
                   return EqualsIgnoreCase(sesion.Usuario(), sesion.BaseDeDatos()) ||
                          EqualsIgnoreCase(sesion.Usuario(), kSupervisor);
                 })) {
        pasos([&] { tarea = platform.ExecutableName(); });
      }
      pasos([&] { sesion.CerrarRecordset(tareas); });
    }
    pasos([&] {
      sesion.AbrirRecordset(AdaptarSQL(sesion, "Select TOP 1 * from Control_Acceso  with(nolock) "), ultimo, nullptr,
                            ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
    });
    pasos([&] { programa.gLineas = {""}; });
    auto campo = [&](const char* columna, std::string valor, bool nuevo) {
      pasos([&] { AgregarCampo(sesion, programa.gCampos, columna, valor, "'", nuevo); });
    };
    campo("Maquina", ToUpper(RecortarBlancos(programa.Equipo().NombreMaquina())), true);
    campo("Usuario", ToUpper(RecortarBlancos(programa.gUsuarioLogeado)), false);
    campo("Formulario", ToUpper(RecortarBlancos(busqueda.nombre)), false);
    campo("Tarea", ToUpper(RecortarBlancos(tarea)), false);
    campo("Ingreso", FormatearFecha(platform.Now(), FormatoFecha() + " " + FormatoHora()), false);
    campo("NombreUsuario", programa.gUsuarioLogeado, false);
    pasos([&] {
      std::string where;
      ArmarSentencia(programa.gCampos, programa.gLineas, "Control_Acceso", false, where, false);
    });
    pasos([&] {
      bool huboError = false;
      int32_t nroError = 0;
      std::string script;
      std::string mensaje;
      GActualizarDatoScript(programa.Script(), programa.gLineas, huboError, nroError, false, false, script, mensaje,
                            true);
    });
    pasos([&] { programa.gIdAcceso = CLng(Abierto(ultimo, kFuente).Fields("Id").Value().ToDouble()); });
    pasos([&] { sesion.CerrarRecordset(ultimo); });
  });
}

}  // namespace tramvel
