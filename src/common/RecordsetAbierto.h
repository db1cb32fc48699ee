#pragma once

#include <memory>
#include <string>

#include "platform/Failure.h"
#include "ado/Recordset.h"

namespace tramvel {

// The recordset a step opened. A step whose opening failed and was skipped
// leaves none, and VB met the next use of it with error 91.
inline ado::Recordset& Abierto(const std::unique_ptr<ado::Recordset>& recordset, const std::string& fuente) {
  if (!recordset) throw Failure(91, "Object variable or With block variable not set", fuente);
  return *recordset;
}

}  // namespace tramvel
