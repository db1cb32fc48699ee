#pragma once

#include <memory>

#include "platform/Failure.h"
#include "ado/Recordset.h"

namespace tramvel {

// The recordset a step opened. A step whose opening failed and was passed
// over leaves none, and a later step that reads it meets error 91, as VB
// met an object variable that was never set.
inline ado::Recordset& Abierto(const std::unique_ptr<ado::Recordset>& recordset) {
  if (!recordset) throw Failure(91, "Object variable or With block variable not set", "Dll_SYD");
  return *recordset;
}

}  // namespace tramvel
