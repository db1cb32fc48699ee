#pragma once

#include <string>
#include <string_view>

namespace tramvel {

// The server name as the connection wants it: what follows the first "/"
// (a protocol prefix such as "TCP/"), cut before the first ":" (a port).
std::string NombreServidor(std::string_view servidor);

}  // namespace tramvel
