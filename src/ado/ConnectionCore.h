#pragma once

// Internal to the data-access layer: the state a Connection shares with the
// recordsets opened on it. Not for use outside src/ado.

#include <memory>
#include <vector>

#include "ado/Connection.h"
#include "ado/Engine.h"
#include "ado/Errors.h"

namespace tramvel::ado::detail {

struct ConnectionCore {
  std::unique_ptr<Engine> engine;  // null once closed
  ErrorCollection errors;
  int commandTimeout = 30;
  int isolationLevel = adXactReadCommitted;
  std::vector<Recordset*> recordsets;  // open on this connection

  bool Open() const { return engine != nullptr; }

  // The one place where what an engine reported becomes a failure: puts
  // `reported` in Errors and raises -2147217900 with the first description.
  // Nothing happens when the list is empty.
  void Raise(ErrorList reported);
};

// ADO's own failures (3704, 3021, ...) with ADO's words.
[[noreturn]] void RaiseAdo(int32_t number, const char* source);

// A database error without a connection to keep it (a failed connect):
// Failure -2147217900 with the error's description and source.
[[noreturn]] void RaiseDatabase(const Error& error);

}  // namespace tramvel::ado::detail
