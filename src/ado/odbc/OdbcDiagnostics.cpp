#include "ado/odbc/OdbcDiagnostics.h"

#include <string>
#include <vector>

#include "ado/odbc/OdbcText.h"

namespace tramvel::ado::odbc {
namespace {

constexpr int32_t kLockTimeout = 1222;

// SQLSTATEs of a statement stopped because its time-out passed: ODBC's own
// and PostgreSQL's "canceling statement due to statement timeout".
bool IsTimeout(std::string_view state) {
  return state == "HYT00" || state == "HYT01" || state == "57014";
}

// "[FreeTDS][SQL Server]Invalid object name 'X'." reads "Invalid object
// name 'X'.", as the server words it.
std::string WithoutVendorPrefixes(std::string message) {
  size_t at = 0;
  while (at < message.size() && message[at] == '[') {
    size_t close = message.find(']', at);
    if (close == std::string::npos) break;
    at = close + 1;
  }
  message.erase(0, at);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
    message.pop_back();
  }
  return message;
}

}  // namespace

Handle& Handle::operator=(Handle&& other) noexcept {
  if (this != &other) {
    Free();
    type_ = other.type_;
    handle_ = other.handle_;
    other.handle_ = SQL_NULL_HANDLE;
  }
  return *this;
}

void Handle::Free() {
  if (handle_ == SQL_NULL_HANDLE) return;
  if (type_ == SQL_HANDLE_DBC) SQLDisconnect(handle_);
  SQLFreeHandle(type_, handle_);
  handle_ = SQL_NULL_HANDLE;
}

void AppendDiagnostics(const Handle& handle, ErrorList& errors) {
  const size_t before = errors.size();
  for (SQLSMALLINT record = 1;; ++record) {
    SQLWCHAR state[6] = {};
    SQLINTEGER native = 0;
    std::vector<SQLWCHAR> message(1024);
    SQLSMALLINT length = 0;
    SQLRETURN rc = SQLGetDiagRecW(handle.type(), handle.get(), record, state, &native, message.data(),
                                  static_cast<SQLSMALLINT>(message.size()), &length);
    if (rc == SQL_SUCCESS_WITH_INFO && static_cast<size_t>(length) >= message.size()) {
      message.resize(static_cast<size_t>(length) + 1);
      rc = SQLGetDiagRecW(handle.type(), handle.get(), record, state, &native, message.data(),
                          static_cast<SQLSMALLINT>(message.size()), &length);
    }
    if (!Succeeded(rc)) break;
    Error error;
    error.Source = FromWide(state, 5);
    const size_t chars = std::min(static_cast<size_t>(std::max<SQLSMALLINT>(length, 0)), message.size() - 1);
    error.Description = WithoutVendorPrefixes(FromWide(message.data(), chars));
    error.NativeError = IsTimeout(error.Source) ? kLockTimeout : native != 0 ? native : kEngineMessage;
    if (error.Description.empty()) error.Description = "The ODBC driver reported SQLSTATE " + error.Source + ".";
    errors.push_back(std::move(error));
  }
  if (errors.size() == before) {
    errors.push_back({kEngineMessage, "The ODBC driver reported a failure without saying why.", kEngineSource});
  }
}

bool Failed(SQLRETURN rc, const Handle& handle, ErrorList& errors) {
  if (Succeeded(rc) || rc == SQL_NO_DATA) return false;
  AppendDiagnostics(handle, errors);
  return true;
}

bool ConnectionLost(const ErrorList& errors) {
  for (const Error& error : errors) {
    if (error.Source.starts_with("08")) return true;
  }
  return false;
}

}  // namespace tramvel::ado::odbc
