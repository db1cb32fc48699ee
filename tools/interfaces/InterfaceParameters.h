#pragma once

#include <string>
#include <string_view>

namespace tramvel::interfaces {

// The interface text the synchronization job hands both programs,
// " @server=S; @dbname=D; @usuario=U; @Password=P; @ParametroAdicional=AUTO;",
// read with the job's own launch-parameter extraction (fields in any order,
// keys in any case).
struct InterfaceParameters {
  std::string servidor;
  std::string baseDeDatos;
  std::string usuario;
  std::string password;
  std::string parametroAdicional;
};

InterfaceParameters ReadInterfaceParameters(std::string_view text);

}  // namespace tramvel::interfaces
