#pragma once

#include <array>
#include <string>

namespace tramvel {

// The SQL Server statements that give a login its server and database roles,
// shared by the provisioning sent to the server and the creation script
// written for an administrator.

inline constexpr std::array<const char*, 7> kRolesServidor = {
    "sysadmin", "securityadmin", "serveradmin", "setupadmin", "processadmin", "diskadmin", "dbcreator"};
inline constexpr std::array<const char*, 7> kRolesBase = {"db_accessadmin",  "db_backupoperator", "db_datareader",
                                                          "db_datawriter",   "db_ddladmin",       "db_owner",
                                                          "db_securityadmin"};

// "EXEC  sp_addlogin N'login', 'password', 'base'" (two blanks after EXEC).
std::string AltaDeLogin(const std::string& login, const std::string& password, const std::string& base);

// "EXEC sp_addsrvrolemember N'login', rol" (setupadmin with two blanks before it).
std::string RolDeServidor(const std::string& login, const std::string& rol);

// "EXEC sp_grantdbaccess @loginame = 'login' , @name_in_db ='login'".
std::string AccesoABase(const std::string& login);

// "EXEC sp_addrolemember N'rol', N'login'".
std::string RolDeBase(const std::string& login, const std::string& rol);

}  // namespace tramvel
