#include "ado/odbc/OdbcWatchdog.h"

#include <sqlext.h>

namespace tramvel::ado::odbc {

Watchdog::~Watchdog() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

Watchdog::Guard::Guard(Watchdog& watchdog, SQLHSTMT statement, int seconds)
    : watchdog_(watchdog), armed_(seconds > 0) {
  if (!armed_) return;
  {
    std::lock_guard lock(watchdog_.mutex_);
    watchdog_.statement_ = statement;
    watchdog_.deadline_ = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    watchdog_.expired_ = false;
    if (!watchdog_.thread_.joinable()) watchdog_.thread_ = std::thread([w = &watchdog_] { w->Watch(); });
  }
  watchdog_.changed_.notify_all();
}

Watchdog::Guard::~Guard() {
  if (!armed_) return;
  {
    // Once this returns no cancel can reach the statement any more.
    std::lock_guard lock(watchdog_.mutex_);
    watchdog_.statement_ = SQL_NULL_HSTMT;
  }
  watchdog_.changed_.notify_all();
}

bool Watchdog::Guard::Expired() const {
  if (!armed_) return false;
  std::lock_guard lock(watchdog_.mutex_);
  return watchdog_.expired_;
}

void Watchdog::Watch() {
  std::unique_lock lock(mutex_);
  while (!stopping_) {
    if (statement_ == SQL_NULL_HSTMT) {
      changed_.wait(lock);
      continue;
    }
    const SQLHSTMT watched = statement_;
    const auto deadline = deadline_;
    if (changed_.wait_until(lock, deadline, [&] { return stopping_ || statement_ != watched || deadline_ != deadline; })) {
      continue;
    }
    SQLCancel(statement_);
    expired_ = true;
    statement_ = SQL_NULL_HSTMT;
  }
}

}  // namespace tramvel::ado::odbc
