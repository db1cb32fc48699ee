#pragma once

#include <memory>
#include <string>

#include "ado/Connection.h"

namespace tramvel::ado {

// A named lock held by one database session for as long as this object
// lives, so that two workstations never run the same long work on one
// database at once: sp_getapplock (owner Session) on SQL Server, an exclusive
// lock on a file beside the database on the embedded engine. The connection
// must outlive the lock.
class SessionLock {
 public:
  // The lock, or nullptr when another session holds it. A database error
  // raises as any statement's would.
  static std::unique_ptr<SessionLock> TryAcquire(Connection& connection, std::string resource);

  struct Granted {
   private:
    Granted() = default;
    friend class SessionLock;
  };
  SessionLock(Granted, Connection& connection, std::string resource)
      : connection_(connection), resource_(std::move(resource)) {}
  ~SessionLock();
  SessionLock(const SessionLock&) = delete;
  SessionLock& operator=(const SessionLock&) = delete;

 private:
  Connection& connection_;
  std::string resource_;
};

}  // namespace tramvel::ado
