#pragma once

#include <string>

namespace tramvel {

// The suite's search engine, as far as this program sets it up: the
// database engine it searches, whether it is enabled and the path of its
// search-definitions file ("consultas.dwk", written once by
// GenerarConsultas). The searches themselves belong to the suite's other
// programs.
class Consultas {
 public:
  void MotorDatos(std::string motor) { motorDatos_ = std::move(motor); }
  const std::string& MotorDatos() const { return motorDatos_; }
  void Habilitado(bool habilitado) { habilitado_ = habilitado; }
  bool Habilitado() const { return habilitado_; }
  void ArchivoConsultas(std::string ruta) { archivoConsultas_ = std::move(ruta); }
  const std::string& ArchivoConsultas() const { return archivoConsultas_; }

 private:
  std::string motorDatos_;
  bool habilitado_ = false;
  std::string archivoConsultas_;
};

}  // namespace tramvel
