#pragma once

#include <span>
#include <string_view>

namespace tramvel {

// The schema upgrade's content, held as data that VerificaCampos interprets:
// the undated preparations, the older upgrades of a database without a
// schema date, and the chain of dated steps. Names, type texts and script
// file names are written exactly as the upgrade passes them (their letter
// case varies from step to step, as the database ignores it).

enum class TipoAccion {
  kCampo,            // CrearCampo(tabla, campo, tipo, defecto)
  kScript,           // VerVistas(program folder + archivo)
  kSentencia,        // Ejecutar(sql)
  kMostrarErrores,   // the first entry of the connection's error list, if any, in a box
  kCambioDeVersion,  // the version-change question: No ends the step before its date write
  kArithAbort,       // "ALTER DATABASE " + the database name + CR LF + " SET ARITHABORT ON "
  kScriptEnEspera,   // the wait window around VerVistas(program folder + archivo)
};

// The default value a column action passes: none, the integer 0, the text "1".
enum class Defecto { kNinguno, kCero, kUno };

struct Accion {
  TipoAccion tipo;
  std::string_view texto;  // table (column), file (script), SQL (statement)
  std::string_view campo = {};
  std::string_view tipoSql = {};
  Defecto defecto = Defecto::kNinguno;
};

struct PasoFechado {
  std::string_view clave;  // the schema date the step starts from, "dd/mm/yyyy"
  bool confirma;           // an early step: the operator is asked first
  std::span<const Accion> acciones;
  std::string_view siguiente;  // the schema date the step writes last
};

// A block of the older upgrades: its actions run only when the guard finds
// the column (or, with an empty `campo`, the table) missing, and, where the
// block has a question date, only after the operator's Yes.
struct BloqueAnterior {
  std::string_view tablaGuarda;  // empty: the block always runs
  std::string_view campoGuarda;
  std::string_view fechaPregunta;  // "dd-mm-yyyy", or empty for no question
  std::span<const Accion> acciones;
};

inline constexpr std::string_view kClaveFinal = "08/10/2013";
inline constexpr std::string_view kFechaInicial = "03/09/2004";

// The 99 dated steps, in rising order of their keys.
std::span<const PasoFechado> PasosFechados();

// The step keyed `clave` (letter case ignored); nullptr when none.
const PasoFechado* BuscarPaso(std::string_view clave);

// How many steps remain from `clave` to the final key: 0 at the final key,
// -1 for a date that keys no step.
int PasosRestantes(std::string_view clave);

// ActualizacionesAnteriores, block by block.
std::span<const BloqueAnterior> BloquesAnteriores();

// The preparations: once FHUPDATE is added (after the bootstrap's Yes), when
// CLAVE is missing, and at every call.
std::span<const Accion> PreparacionFechaDeEsquema();
std::span<const Accion> PreparacionClaves();
std::span<const Accion> PreparacionSiempre();

}  // namespace tramvel
