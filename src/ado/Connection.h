#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "ado/Engine.h"
#include "ado/Errors.h"
#include "ado/Recordset.h"
#include "ado/Variant.h"

namespace tramvel::ado {

namespace detail {
struct ConnectionCore;
}

enum ObjectStateEnum : int { adStateClosed = 0, adStateOpen = 1 };

enum IsolationLevelEnum : int {
  adXactUnspecified = -1,
  adXactChaos = 16,
  adXactReadUncommitted = 256,
  adXactReadCommitted = 4096,
  adXactRepeatableRead = 65536,
  adXactSerializable = 1048576,
};

// ADO's Connection over one engine: it is open from construction until Close.
// Every database error the engine reports is put in Errors() and raised as
// Failure(-2147217900, the first error's description, its source); an
// operation on a closed connection raises 3704.
class Connection {
 public:
  explicit Connection(std::unique_ptr<Engine> engine);
  ~Connection();  // closes, with the recordsets open on it
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Runs a T-SQL batch (Errors() is cleared first). When the batch yields
  // rows, the first result comes back as an open static read-only
  // recordset; otherwise nullptr.
  std::unique_ptr<Recordset> Execute(std::string_view commandText);

  // What the last Execute or Open reported (and any later failing call).
  ErrorCollection& Errors();
  const ErrorCollection& Errors() const;

  // Closes the connection and every recordset open on it; 3704 when closed.
  void Close();
  int State() const;  // adStateClosed or adStateOpen

  // The current database; setting another one moves the connection to it
  // (911 when it does not exist).
  std::string DefaultDatabase() const;
  void SetDefaultDatabase(const std::string& database);

  // Seconds a statement waits for a lock before failing with 1222; 0 waits
  // without limit. 30 until set. Negative: 3001.
  int CommandTimeout() const;
  void SetCommandTimeout(int seconds);

  // adXact... values; adXactReadCommitted until set.
  int IsolationLevel() const;
  void SetIsolationLevel(int level);

  // Beyond ADO, what its OpenSchema would tell: whether a table (not a view)
  // exists, whether a table or view has a column. Names in any case.
  bool TableExists(std::string_view table);
  bool ColumnExists(std::string_view table, std::string_view column);

  // A value as an SQL literal of this connection's engine (for ValorSQL):
  // 'text' with its quotes doubled, NULL, numbers, dates, 1/0.
  std::string SqlLiteral(const Variant& value) const;

  // Beyond ADO: a named lock of this session (SessionLock.h); false when
  // another session holds it. Releasing on a closed connection does nothing:
  // the lock went with the session.
  bool AcquireSessionLock(std::string_view resource);
  void ReleaseSessionLock(std::string_view resource);

 private:
  friend class Recordset;
  std::shared_ptr<detail::ConnectionCore> core_;
};

}  // namespace tramvel::ado
