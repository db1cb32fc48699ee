#pragma once

#include <string>

#include "ado/Variant.h"

namespace tramvel {

class Platform;

// Opens a document with the program its type is associated with, without
// waiting for it: xdg-open with the document's native path, minimized with
// the focus when `ConFoco` is true and without it otherwise (Empty and Null
// count as false). A failure to start it reaches the caller.
void AbrirDocumento(Platform& platform, const std::string& ruta, const ado::Variant& ConFoco = {});

}  // namespace tramvel
