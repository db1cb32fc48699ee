#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/components/SesionDatos.h"
#include "common/components/Utilidades.h"
#include "common/components/VentanaEspera.h"
#include "ado/Currency.h"

namespace tramvel {

namespace ado {
class Connection;
class Recordset;
}
class Platform;

// The suite's logistics services. A caller fills the public connection
// members, connects with OpenADOServer and calls the operations it needs;
// the file operations need no database. Each object owns its own component
// instances, created on first use.
class Dll_SYD {
 public:
  explicit Dll_SYD(Platform& platform) : platform_(platform) {}
  // An object whose session works on `conexion`, an open connection over an
  // engine of the caller's choosing, instead of one OpenADOServer opens.
  Dll_SYD(Platform& platform, std::unique_ptr<ado::Connection> conexion);
  Dll_SYD(const Dll_SYD&) = delete;
  Dll_SYD& operator=(const Dll_SYD&) = delete;

  std::string gDBName;
  std::string gServidor;
  std::string gUsuario;
  std::string gUserPassWord;
  std::string gConnString;
  ado::Connection* gCnn = nullptr;  // kept for callers only
  std::string FhRegistroError;

  // ----- pending returns, distances, tariffs, trip valuation, consolidation -----
  // Values that go into the SQL text between quotes have their quotes
  // doubled, so a value can never end its literal early.

  // Reopens the caller's recordset, with the cursor and lock types set on it,
  // on the pending returns of goods of the trip (Ql_DevolPendiente by
  // Nro_Viaje) / of empty containers (Ql_DevolVaciosPendientes by
  // IdComprobante_Origen), ordered by IDCOMPROBANTE. Failures reach the caller.
  void TraerDevoluciones(const std::string& NroViaje, ado::Recordset& LrcsTmp);
  void TraerDevolucionesCons(const std::string& NroViaje, ado::Recordset& LrcsTmp);

  // The distance of the delivery note's locality (TA_DISTLOCALIDADES), or of
  // its consignee's locality (MA_DESTINATARIOS) when its own has none; the
  // locality looked up goes into `MaximaLocalidad` (empty, and 0 returned,
  // for an unknown note). An `IdDelRemito` that is not a whole number is
  // refused with failure 13 before any query. Failures reach the caller.
  double BuscaDistancia(const std::string& IdDelRemito, std::string& MaximaLocalidad);
  double BuscaDistancia(const std::string& IdDelRemito);

  // The freight of the trip's article lines (Ql_ConsValorizado03): units
  // charged times the sum of each line's outbound and return tariffs. A line
  // whose tariffs cannot be found is valued at 0. Failures are shown with
  // the routine name "ObtieneImporte"; giving up returns 0.
  Currency ImportePorArticulo(const std::string& NroViaje, const std::string& Tipo);

  // The outbound and return tariffs of an article: the latest row of
  // TA_Tarifas_Articulos that matches tariff type, supplier, vehicle type,
  // category and article, widening to fewer criteria (supplier, then vehicle
  // type, then category dropped) while none matches. With no row at all the
  // wait window closes, the operator is told, and `Ida` and `Vuelta` keep
  // their values. Failing steps are passed over silently.
  void ImporteDelArticulo(const std::string& TipoTarifa, const std::string& FhVigencia, const std::string& Proveedor,
                          const std::string& TIPO_VEHICULO, const std::string& IdCategoria, const std::string& Item,
                          double Cantidad, Currency& Ida, Currency& Vuelta);

  // Whether a tariff row exists for the type and article and, where given,
  // the date, supplier and category (codes brought to their stored widths);
  // `Vehiculo` takes no part. With `LRCS` the caller's recordset is left
  // open on the matching rows. A blank article is refused with a message.
  bool ExisteTarifaArticulo(const std::string& TipoTarifa, const std::string& Vigencia, const std::string& Proveedor,
                            const std::string& Vehiculo, const std::string& Categoria, const std::string& Articulo,
                            ado::Recordset* LRCS = nullptr);

  // Runs the consolidation procedures dw_consolidaordenes1, 3 and 5 for each
  // load order from `OrdenDeCarga_Desde` to `OrdenDeCarga_Hasta` (with a
  // first pass of 1 and 3 over the whole range when `SinSaldos`), then
  // dw_consolidaordenes2 over the range, showing the progress in the wait
  // window, whose stop button ends the run. On a normal end the two
  // arguments hold the range's first and last numbers; after a stop or a
  // failure given up, the order being processed. `ListaDeOrdenes` takes no
  // part. The range goes into the whole-range statements as numbers: a range
  // text that is not one fails there with 13. Failures are shown with the
  // routine name "ActualizaConsolidadoOrdenes".
  void ActualizaConsolidadoOrdenes(std::string& OrdenDeCarga_Desde, std::string& OrdenDeCarga_Hasta,
                                   const std::string& ListaDeOrdenes = {}, bool SinSaldos = false);
  // The same over the default range, orders "1" to "999999".
  void ActualizaConsolidadoOrdenes();

  // ----- file helpers and reception witness -----

  // True when `path` can be opened for reading.
  bool FileExists(const std::string& path);

  // Copies the whole file; false when the source is missing (after telling
  // the operator) or the copy fails (silently).
  bool CopyFile(std::string SourcePath, std::string DestinationPath);

  // Files a copy of the received file under
  // RutaDestino\TESTIGO\yyyy-mm\dd-hhmm<SubFijo>\. `SubFijo` is cut to its first
  // character; an empty `RutaDestino` becomes the program folder; on failure
  // `RutaArchivo` becomes "ERROR".
  void GuardarTestigoRecepcion(std::string& RutaArchivo, std::string& SubFijo, std::string& RutaDestino);
  void GuardarTestigoRecepcion(std::string& RutaArchivo);

  // ----- configuration and connection -----

  // The column `QueCampo` of the first row of TA_CONFIGURACION, trimmed; the
  // empty text when the table has no row, or when reading it fails and the
  // operator gives up (the failure is shown with the routine name "CFG").
  // A name that is not an identifier is such a failure, and nothing is sent.
  std::string Cfg(const std::string& QueCampo);

  // True for an identifier as SQL Server writes one unquoted (a letter, "_",
  // "@" or "#", then letters, digits, "_", "@", "#" or "$"; at most 128).
  static bool EsNombreDeColumna(std::string_view nombre);

  // Connects the object's own session to gServidor / gDBName with the
  // account gUsuario / gUserPassWord. Its outcome is not checked here: a
  // failed connection shows up in the first operation that needs it.
  void OpenADOServer();

  // ----- schema upgrade -----

  // Brings the schema up to the last dated step this build knows: reads the
  // schema date (TA_CONFIGURACION.FHUPDATE), runs the step it keys and goes
  // on with the date that step wrote, asking the operator before the early
  // steps. One workstation at a time: a call that finds another upgrading
  // says so and changes nothing. A step the operator refuses ends the call.
  // Once a pass has had to advance a date that keys no step, a failure is
  // no longer shown to the operator but raised to the caller. A call also
  // ends after the pass that started from 03/09/2004: the loop's test reads
  // the date its pass started from, so a database at 02/07/2004 takes two
  // calls to reach the final key.
  void VerificaCampos();

  // Runs a script of batches separated by GO lines on the object's session.
  // Every batch runs; a pass that met a missing object (208) runs the set
  // again, up to 20 passes, the "drop " batches only in the first. Objects
  // that exist already count as made; every other database error is written
  // to "Script<h><m><s>.TXT" in the temporary folder, which the operator is
  // then told of, and which is opened for an operator who reads documents.
  // An empty `Archivo` does nothing. Never raises; true when the script could
  // be read and no error was written.
  bool VerVistas(const std::string& Archivo);

 private:
  Utilidades& Util();
  SesionDatos& Sesion();
  VentanaEspera& Espera();

  Platform& platform_;
  std::unique_ptr<Utilidades> utilidades_;
  std::unique_ptr<SesionDatos> sesion_;
  std::unique_ptr<VentanaEspera> espera_;
};

}  // namespace tramvel
