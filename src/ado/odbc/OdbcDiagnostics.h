#pragma once

#include <sql.h>
#include <sqlext.h>

#include <memory>
#include <string_view>

#include "ado/Errors.h"

namespace tramvel::ado::odbc {

// The source of the errors this engine words itself (no driver said them).
inline constexpr const char* kEngineSource = "ODBC";

// An ODBC handle, freed with the object; a connection is disconnected first.
class Handle {
 public:
  Handle() = default;
  Handle(SQLSMALLINT type, SQLHANDLE handle) : type_(type), handle_(handle) {}
  ~Handle() { Free(); }
  Handle(Handle&& other) noexcept : type_(other.type_), handle_(other.handle_) { other.handle_ = SQL_NULL_HANDLE; }
  Handle& operator=(Handle&& other) noexcept;
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  SQLHANDLE get() const { return handle_; }
  SQLSMALLINT type() const { return type_; }
  explicit operator bool() const { return handle_ != SQL_NULL_HANDLE; }

 private:
  void Free();
  SQLSMALLINT type_ = SQL_HANDLE_STMT;
  SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

inline bool Succeeded(SQLRETURN rc) { return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO; }

// The one place where what a driver reports becomes this layer's errors:
// every diagnostic record of `handle`, its native number (50000 when the
// driver gives none, 1222 for a statement cancelled by its time-out), its
// message without the drivers' "[vendor][driver]" prefixes, and its SQLSTATE
// as the source. A failure without any record still gives one error.
void AppendDiagnostics(const Handle& handle, ErrorList& errors);

// Whether `rc` is a failure; if so its records are appended. Warnings
// (SQL_SUCCESS_WITH_INFO) are not failures and are not kept.
bool Failed(SQLRETURN rc, const Handle& handle, ErrorList& errors);

// Whether an error says the connection to the server is gone (SQLSTATE class
// 08): nothing more can be asked of it.
bool ConnectionLost(const ErrorList& errors);

}  // namespace tramvel::ado::odbc
