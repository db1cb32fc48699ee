#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "ado/Connection.h"
#include "ado/OpenConnection.h"
#include "ado/Recordset.h"
#include "ado/Variant.h"

namespace tramvel {

class Platform;

// A database session: the server, database, user and password it connects
// with, and the connection it opened. The engine comes from the
// configuration file, section [BaseDeDatos], key Motor: SQLITE (the default,
// the embedded engine, whose databases lie in the folder that key Carpeta
// names, "C:\TRAMVEL\DATOS\" by default, one sub-folder per server), or
// SQLSERVER, ORACLE or ODBC, reached through unixODBC.
class SesionDatos {
 public:
  // `abrir` opens the connection from the settings; a test hands in its own
  // engine.
  explicit SesionDatos(Platform& platform, ado::ConnectionOpener abrir = ado::OpenConnection);
  ~SesionDatos();
  SesionDatos(const SesionDatos&) = delete;
  SesionDatos& operator=(const SesionDatos&) = delete;

  const std::string& Servidor() const { return servidor_; }
  void Servidor(std::string valor) { servidor_ = std::move(valor); }
  const std::string& BaseDeDatos() const { return baseDeDatos_; }
  void BaseDeDatos(std::string valor) { baseDeDatos_ = std::move(valor); }
  const std::string& Usuario() const { return usuario_; }
  void Usuario(std::string valor) { usuario_ = std::move(valor); }
  const std::string& Password() const { return password_; }
  void Password(std::string valor) { password_ = std::move(valor); }

  // The server as the launch parameter wrote it; a server engine reaches
  // "HOST:PORT" at its port, while Servidor holds the name alone. Empty:
  // Servidor.
  const std::string& ServidorEscrito() const { return servidorEscrito_; }
  void ServidorEscrito(std::string valor) { servidorEscrito_ = std::move(valor); }

  // The connection's description; holds "ORACLE" for an Oracle database.
  const std::string& CadenaConexion() const { return cadenaConexion_; }
  void CadenaConexion(std::string valor) { cadenaConexion_ = std::move(valor); }

  // True while the connection is open; a caller that closed the connection
  // itself sets it false.
  bool Conectado() const;
  void Conectado(bool valor);

  // The open connection; 3709 when there is none.
  ado::Connection& Conexion();
  // Takes an open connection in place of one that Conectar would open (a
  // caller that holds one already, on an engine of its own).
  void Conexion(std::unique_ptr<ado::Connection> conexion) { conexion_ = std::move(conexion); }

  // The engine's name: "SQLITE", "SQLSERVER", "ORACLE" (Motor=ORACLE, or an
  // Oracle connection text) or "ODBC".
  std::string Motor() const;

  // The connection text that a second session on the same server copies
  // into its CadenaConexion.
  std::string CadenaOrigen() const;

  // Where the embedded engine keeps the databases of this session's server:
  // the configured folder (key Carpeta) and the server's name in it, as the
  // system's own path. A command that creates a database puts it there.
  // A server name that climbs out of that folder, or a database name that is
  // not one file name, raises 5 with a message saying so.
  std::string CarpetaServidor() const;

  // Opens the connection from the four properties (a session already
  // connected is reconnected). `cadena`, when not empty, is a complete
  // connection text. Success is read back through Conectado; a failure is
  // shown to the operator when `avisar`, and raises nothing.
  void Conectar(bool pedirDatos, int32_t modo, const std::string& cadena, bool reintentar, bool avisar);

  // Runs SQL text on the connection; a database error fills Conexion().Errors
  // and raises -2147217900.
  void Ejecutar(const std::string& sql, int32_t registros = 0, ado::Recordset* recordset = nullptr);

  // Opens `recordset` anew on the query (or bare table name), on `conexion`
  // or this session's own connection.
  void AbrirRecordset(const std::string& sql, std::unique_ptr<ado::Recordset>& recordset,
                      ado::Connection* conexion, int cursor, int bloqueo, int opciones = -1, bool flag = true);

  // Closes and releases a recordset that AbrirRecordset opened.
  void CerrarRecordset(std::unique_ptr<ado::Recordset>& recordset);

  // The value as an SQL literal for the connected database, delimited by
  // `delimitador` with any delimiter inside it doubled, so that no value can
  // break out of its literal. Null and Empty give NULL.
  std::string ValorSQL(const ado::Variant& valor, const std::string& delimitador = "'") const;

  bool ExisteTabla(const std::string& tabla);
  bool ExisteCampo(const std::string& tabla, const std::string& campo);

  // Adds the column with that type text (exactly as given) and default when
  // the table lacks it; an existing column is left alone. Returns -1 when it
  // added the column, 0 otherwise.
  int16_t CrearCampo(const std::string& tabla, const std::string& campo, bool permitirNulos, const std::string& tipo,
                     bool siNoExiste, const std::optional<ado::Variant>& defecto = std::nullopt);

 private:
  void Abrir(const std::string& cadena);
  ado::DatabaseConfig Configuracion() const;

  Platform& platform_;
  ado::ConnectionOpener abrir_;
  std::string servidor_;
  std::string servidorEscrito_;
  std::string baseDeDatos_;
  std::string usuario_;
  std::string password_;
  std::string cadenaConexion_;
  std::unique_ptr<ado::Connection> conexion_;
};

}  // namespace tramvel
