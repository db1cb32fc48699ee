#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "ado/Connection.h"

namespace tramvel::ado::testing {

// One engine held to the shared contract: how to reach a fresh database on
// it, and the few words of its dialect the behaviours need.
class EngineSite {
 public:
  virtual ~EngineSite() = default;
  // A new session on this site's database.
  virtual std::unique_ptr<Connection> Open() = 0;
  // A session opened with a wrong password; empty where the engine has none.
  virtual std::function<void()> OpenWithWrongPassword() { return {}; }
  // A session through a driver that is not installed; empty where no driver is named.
  virtual std::function<void()> OpenWithMissingDriver() { return {}; }
  // Stops the server under its open sessions and starts it again; false
  // where the engine has no server.
  virtual bool StopServer() { return false; }
  virtual void StartServer() {}

  // Column types: an amount, a date with its time, a Boolean.
  virtual std::string AmountType() const { return "money"; }
  virtual std::string DateType() const { return "datetime"; }
  virtual std::string BitType() const { return "bit"; }
  // A primary key column whose values the server gives.
  virtual std::string IdentityKey() const { return "int IDENTITY(1, 1) NOT NULL PRIMARY KEY"; }
  // Whether every row has an identity of its own (SQLite's rowid), so that
  // one of two equal rows of a table without a key can be changed alone.
  virtual bool TellsTwinsApart() const { return false; }
  // Whether errors carry a SQLSTATE as their source.
  virtual bool SqlStateSources() const { return true; }
};

// The name of a driver that no machine has.
inline constexpr const char* kMissingDriver = "Tramvel No Such Driver";

struct EngineKind {
  std::string name;
  std::function<std::unique_ptr<EngineSite>()> make;
};

class EngineContract : public ::testing::TestWithParam<EngineKind> {
 protected:
  void SetUp() override;

  std::unique_ptr<EngineSite> site_;
  std::unique_ptr<Connection> connection_;
};

inline void PrintTo(const EngineKind& kind, std::ostream* out) { *out << kind.name; }

inline std::string KindName(const ::testing::TestParamInfo<EngineKind>& info) { return info.param.name; }

}  // namespace tramvel::ado::testing
