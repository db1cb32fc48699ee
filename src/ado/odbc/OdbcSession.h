#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ado/Errors.h"
#include "ado/Variant.h"
#include "ado/odbc/OdbcDiagnostics.h"
#include "ado/odbc/OdbcWatchdog.h"

namespace tramvel::ado::odbc {

class LiveRows;

// What finds a fetched row again to write it back: its primary key's values
// or, for a table without one, all of its original comparable values.
struct RowKey {
  bool primary = false;
  std::vector<std::string> columns;  // stored names
  std::vector<Variant> values;       // one per column
};

// The rows' keys of a connection; a row's identity is its key's index here,
// so the key can change with an update of the row.
class RowKeys {
 public:
  Variant Add(RowKey key) {
    keys_.push_back(std::move(key));
    return Variant(static_cast<int64_t>(keys_.size() - 1));
  }
  RowKey* Find(const Variant& identity) {
    if (identity.Type() != VariantType::kInteger) return nullptr;
    const int64_t index = identity.ToInteger();
    return index >= 0 && static_cast<size_t>(index) < keys_.size() ? &keys_[static_cast<size_t>(index)] : nullptr;
  }

 private:
  std::vector<RowKey> keys_;
};

// One ODBC connection and what the engine's parts share about it.
class OdbcSession {
 public:
  OdbcSession(Handle environment, Handle connection);
  OdbcSession(const OdbcSession&) = delete;
  OdbcSession& operator=(const OdbcSession&) = delete;

  const Handle& Connection() const { return connection_; }

  // A new statement with the command time-out applied; an empty handle on an
  // error. A result still being read is read to its end first (Park).
  Handle NewStatement(ErrorList& errors);

  // Reads the rest of the result still being read, if any, into memory, so
  // that the connection can serve another statement or setting.
  void Park();
  // The result being read from the server; nullptr once it is read.
  void SetLive(LiveRows* live) { live_ = live; }

  // Runs `work` (the statement's execution and fetches) under the command
  // time-out: a statement still running when it passes is cancelled, and
  // reported as ODBC's "Query timeout expired" (1222, HYT00) ahead of what
  // the driver said about the cancel. A statement that ended without an
  // error as the cancel came did its work, and is no failure.
  template <typename Work>
  void Timed(const Handle& statement, ErrorList& errors, Work work) {
    const size_t before = errors.size();
    Watchdog::Guard guard(watchdog_, statement.get(), timeout_);
    work();
    if (guard.Expired() && errors.size() > before) {
      errors.insert(errors.begin() + static_cast<std::ptrdiff_t>(before), Error{1222, "Query timeout expired", "HYT00"});
    }
  }

  int CommandTimeout() const { return timeout_; }
  void SetCommandTimeout(int seconds) { timeout_ = seconds; }

  // A name as an identifier of this server: [T] on SQL Server, "T" elsewhere.
  std::string Quote(std::string_view name) const;

  RowKeys& Keys() { return keys_; }

  // The statement that reads the key the server gave the row this session
  // inserted last (SQL Server's SCOPE_IDENTITY(), ...); "" for a server
  // without one.
  const std::string& NewKeyQuery() const { return newKeyQuery_; }

 private:
  Handle environment_;
  Handle connection_;
  int timeout_ = 30;
  bool sqlServer_ = false;
  std::string newKeyQuery_;
  std::string quote_ = "\"";
  RowKeys keys_;
  LiveRows* live_ = nullptr;
  Watchdog watchdog_;  // last: its thread goes before the handles
};

}  // namespace tramvel::ado::odbc
