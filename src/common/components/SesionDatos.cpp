#include "common/components/SesionDatos.h"

#include <string_view>

#include "common/ConfigFile.h"
#include "common/StepRunner.h"
#include "common/components/ArchivoIni.h"
#include "common/components/Utilidades.h"
#include "platform/MessageBoxStyle.h"
#include "platform/Platform.h"
#include "platform/TextCase.h"

namespace tramvel {
namespace {

constexpr const char* kCarpetaPorDefecto = "C:\\TRAMVEL\\DATOS\\";

// True when the name, read as folders below another folder, climbs out of it
// ("..\..\escaped"); "A\B" stays inside.
bool SaleDeLaCarpeta(std::string_view nombre) {
  int profundidad = 0;
  for (std::size_t pos = 0; pos <= nombre.size();) {
    std::size_t fin = nombre.find_first_of("\\/", pos);
    if (fin == std::string_view::npos) fin = nombre.size();
    const std::string_view parte = nombre.substr(pos, fin - pos);
    if (parte == "..") {
      if (--profundidad < 0) return true;
    } else if (!parte.empty() && parte != ".") {
      ++profundidad;
    }
    pos = fin + 1;
  }
  return false;
}

std::string Doblado(const std::string& texto, const std::string& delimitador) {
  if (delimitador.empty()) return texto;
  std::string out;
  for (std::size_t i = 0; i < texto.size();) {
    if (texto.compare(i, delimitador.size(), delimitador) == 0) {
      out += delimitador + delimitador;
      i += delimitador.size();
    } else {
      out.push_back(texto[i++]);
    }
  }
  return out;
}

}  // namespace

SesionDatos::SesionDatos(Platform& platform, ado::ConnectionOpener abrir)
    : platform_(platform), abrir_(std::move(abrir)) {}

SesionDatos::~SesionDatos() = default;

bool SesionDatos::Conectado() const { return conexion_ && conexion_->State() == ado::adStateOpen; }

void SesionDatos::Conectado(bool valor) {
  if (!valor) conexion_.reset();
}

ado::Connection& SesionDatos::Conexion() {
  if (!conexion_) {
    throw Failure(ado::adoerror::kConnectionClosed,
                  "The connection cannot be used to perform this operation. It is either closed or invalid in this "
                  "context.",
                  "SesionDatos");
  }
  return *conexion_;
}

ado::DatabaseConfig SesionDatos::Configuracion() const {
  const ArchivoIni ini(platform_);
  const std::string archivo = RutaArchivoIni(platform_);
  return ado::ReadDatabaseConfig([&](const std::string& clave, const std::string& defecto) {
    return ini.LeerValor(archivo, "BaseDeDatos", clave, defecto);
  });
}

std::string SesionDatos::Motor() const { return ado::EngineName(Configuracion(), cadenaConexion_); }

std::string SesionDatos::CadenaOrigen() const {
  const ArchivoIni ini(platform_);
  const std::string carpeta = ini.LeerValor(RutaArchivoIni(platform_), "BaseDeDatos", "Carpeta", kCarpetaPorDefecto);
  return "Provider=" + Motor() + ";Data Source=" + Utilidades::RutaConBarra(carpeta) + servidor_ +
         ";Initial Catalog=" + baseDeDatos_ + ";User ID=" + usuario_ + ";";
}

std::string SesionDatos::CarpetaServidor() const {
  const ArchivoIni ini(platform_);
  const std::string carpeta = ini.LeerValor(RutaArchivoIni(platform_), "BaseDeDatos", "Carpeta", kCarpetaPorDefecto);
  // Names come from a command line: none may lead the engine to a file
  // outside its data folder.
  if (SaleDeLaCarpeta(servidor_)) {
    throw Failure(failure::kInvalidCall,
                  "El servidor '" + servidor_ + "' queda fuera de la carpeta de datos " + carpeta, "SesionDatos");
  }
  if (baseDeDatos_.find_first_of("\\/:") != std::string::npos || baseDeDatos_ == "." || baseDeDatos_ == "..") {
    throw Failure(failure::kInvalidCall,
                  "La base de datos '" + baseDeDatos_ + "' no es un nombre de archivo: no puede llevar \\, / ni :",
                  "SesionDatos");
  }
  return servidor_.empty() ? carpeta : Utilidades::RutaConBarra(carpeta) + servidor_;
}

void SesionDatos::Conectar(bool /*pedirDatos*/, int32_t /*modo*/, const std::string& cadena, bool /*reintentar*/,
                           bool avisar) {
  conexion_.reset();
  StepRunner pasos([&](const Failure& error) {
    if (avisar) {
      platform_.Operator().MessageBox("No se pudo conectar con la base de datos " + baseDeDatos_ + " del servidor " + servidor_ +
                               ":\r\n" + error.Description(),
                           mb::kOkOnly + mb::kCritical, "");
    }
    return OnFailure::kGiveUp;
  });
  pasos.Run([&] { pasos([&] { Abrir(cadena); }); });
}

void SesionDatos::Abrir(const std::string& cadena) {
  ado::ConnectionSettings ajustes;
  ajustes.config = Configuracion();
  ajustes.engine = ado::EngineName(ajustes.config, cadena.empty() ? cadenaConexion_ : cadena);
  // Only the embedded engine keeps its databases in a folder of this machine.
  if (ajustes.engine == "SQLITE") ajustes.serverFolderNative = platform_.NativePath(CarpetaServidor());
  ajustes.server = servidorEscrito_.empty() ? servidor_ : servidorEscrito_;
  ajustes.database = baseDeDatos_;
  ajustes.user = usuario_;
  ajustes.password = password_;
  ajustes.connectionText = cadena;
  conexion_ = abrir_(ajustes);
  if (cadenaConexion_.empty()) cadenaConexion_ = CadenaOrigen();
}

void SesionDatos::Ejecutar(const std::string& sql, int32_t /*registros*/, ado::Recordset* /*recordset*/) {
  Conexion().Execute(sql);
}

void SesionDatos::AbrirRecordset(const std::string& sql, std::unique_ptr<ado::Recordset>& recordset,
                                 ado::Connection* conexion, int cursor, int bloqueo, int /*opciones*/, bool /*flag*/) {
  auto nuevo = std::make_unique<ado::Recordset>();
  nuevo->Open(sql, conexion ? *conexion : Conexion(), cursor, bloqueo);
  recordset = std::move(nuevo);
}

void SesionDatos::CerrarRecordset(std::unique_ptr<ado::Recordset>& recordset) {
  if (recordset && recordset->State() == ado::adStateOpen) recordset->Close();
  recordset.reset();
}

std::string SesionDatos::ValorSQL(const ado::Variant& valor, const std::string& delimitador) const {
  if (valor.IsNull() || valor.IsEmpty()) return "NULL";
  if (delimitador == "'" && conexion_) return conexion_->SqlLiteral(valor);
  if (valor.Type() == ado::VariantType::kText || valor.Type() == ado::VariantType::kDate) {
    return delimitador + Doblado(valor.ToText(), delimitador) + delimitador;
  }
  if (valor.Type() == ado::VariantType::kBoolean) return valor.ToBoolean() ? "1" : "0";
  return valor.ToText();
}

bool SesionDatos::ExisteTabla(const std::string& tabla) { return Conexion().TableExists(tabla); }

bool SesionDatos::ExisteCampo(const std::string& tabla, const std::string& campo) {
  return Conexion().ColumnExists(tabla, campo);
}

int16_t SesionDatos::CrearCampo(const std::string& tabla, const std::string& campo, bool /*permitirNulos*/,
                                const std::string& tipo, bool /*siNoExiste*/,
                                const std::optional<ado::Variant>& defecto) {
  if (ExisteCampo(tabla, campo)) return 0;
  std::string sql = "ALTER TABLE " + tabla + " ADD " + campo + " " + tipo;
  if (defecto) sql += " DEFAULT " + ValorSQL(*defecto);
  Ejecutar(sql);
  return -1;
}

}  // namespace tramvel
