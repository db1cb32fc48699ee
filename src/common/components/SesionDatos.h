#pragma once

#include <string>

namespace tramvel {

// A database session: the server, database, user and password it connects
// with, read back as set.
class SesionDatos {
 public:
  const std::string& Servidor() const { return servidor_; }
  void Servidor(std::string valor) { servidor_ = std::move(valor); }
  const std::string& BaseDeDatos() const { return baseDeDatos_; }
  void BaseDeDatos(std::string valor) { baseDeDatos_ = std::move(valor); }
  const std::string& Usuario() const { return usuario_; }
  void Usuario(std::string valor) { usuario_ = std::move(valor); }
  const std::string& Password() const { return password_; }
  void Password(std::string valor) { password_ = std::move(valor); }

 private:
  std::string servidor_;
  std::string baseDeDatos_;
  std::string usuario_;
  std::string password_;
};

}  // namespace tramvel
