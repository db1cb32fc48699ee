#pragma once

#include <string>

namespace tramvel {

// The one text that creates the login on an Oracle database: the user with
// its tablespaces, 33 roles WITH ADMIN OPTION, DBA and CONNECT as its default
// roles, unlimited tablespace, and EXECUTE on 35 system objects WITH GRANT
// OPTION; 75 lines, each ended by CR LF.
std::string TextoLoginOracle(const std::string& login, const std::string& password);

}  // namespace tramvel
