#include "startup/SentenciasDeLogin.h"

namespace tramvel {

std::string AltaDeLogin(const std::string& login, const std::string& password, const std::string& base) {
  return "EXEC  sp_addlogin N'" + login + "', '" + password + "', '" + base + "'";
}

std::string RolDeServidor(const std::string& login, const std::string& rol) {
  const std::string separador = std::string(rol) == "setupadmin" ? ",  " : ", ";
  return "EXEC sp_addsrvrolemember N'" + login + "'" + separador + rol;
}

std::string AccesoABase(const std::string& login) {
  return "EXEC sp_grantdbaccess @loginame = '" + login + "' , @name_in_db ='" + login + "'";
}

std::string RolDeBase(const std::string& login, const std::string& rol) {
  return "EXEC sp_addrolemember N'" + rol + "', N'" + login + "'";
}

}  // namespace tramvel
