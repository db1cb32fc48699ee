#pragma once

#include <sql.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace tramvel::ado::odbc {

// Cancels a statement that runs past its time-out, from a thread of its own
// (SQLCancel is the one ODBC call made for that). Drivers that honour
// SQL_ATTR_QUERY_TIMEOUT stop the statement themselves; this stops it on the
// others too (SQLite's driver waits out its own busy time-out, and a driver
// may block for long on a connection whose server went silent), so that no
// statement hangs past its time.
class Watchdog {
 public:
  Watchdog() = default;
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  // While a Guard lives, its statement is cancelled once `seconds` have
  // passed; 0 never cancels.
  class Guard {
   public:
    Guard(Watchdog& watchdog, SQLHSTMT statement, int seconds);
    ~Guard();
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;
    // Whether the statement was cancelled because its time passed.
    bool Expired() const;

   private:
    Watchdog& watchdog_;
    bool armed_;
  };

 private:
  void Watch();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::thread thread_;  // started with the first guard that has a time-out
  SQLHSTMT statement_ = SQL_NULL_HSTMT;
  std::chrono::steady_clock::time_point deadline_;
  bool expired_ = false;
  bool stopping_ = false;
};

}  // namespace tramvel::ado::odbc
