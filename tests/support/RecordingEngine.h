#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/Connection.h"
#include "platform/ado/Engine.h"
#include "platform/ado/Errors.h"
#include "platform/ado/Variant.h"

namespace tramvel::testing {

// An engine for tests where the SQL text sent is the behaviour under test:
// it records every statement and every connection made over it, and answers
// each statement as the test scripted it (rows, errors, or nothing). The
// test keeps the engine; Connect() hands out connections that report to it,
// so the engine must outlive them (declare it first).
class RecordingEngine final : public ado::Engine {
 public:
  // The rows a query answers with; the columns take the kind of their values.
  struct Rows {
    std::vector<std::string> columns;
    std::vector<std::vector<ado::Variant>> rows;
  };

  // A statement that starts with `start` (any case) answers with `rows`;
  // the latest script that matches a statement wins.
  void Answer(std::string start, Rows rows);
  // A statement that starts with `start` reports `errors` (SQL Server's
  // native numbers and words), the next `times` times, or always (-1).
  void Report(std::string start, ado::ErrorList errors, int times = -1);

  // An open connection over this engine, recorded as one connect.
  std::unique_ptr<ado::Connection> Connect(std::string database = "DEMO");

  const std::vector<std::string>& Sent() const { return sent_; }
  // The statements sent that start with `start` (any case), in order.
  std::vector<std::string> SentStartingWith(std::string_view start) const;
  // The databases of the connections made, in order.
  const std::vector<std::string>& Connects() const { return connects_; }

  // ----- ado::Engine -----
  std::string Source() const override { return "Recording engine"; }
  std::unique_ptr<ado::RowSource> Execute(std::string_view batch, const ado::ExecuteOptions& options,
                                          ado::ErrorList& errors) override;
  std::optional<ado::RowWritten> WriteRow(const ado::RowWrite& row, ado::ErrorList& errors) override;
  bool TableExists(std::string_view table, ado::ErrorList& errors) override;
  bool ColumnExists(std::string_view table, std::string_view column, ado::ErrorList& errors) override;
  std::string DefaultDatabase() const override { return database_; }
  void SetDefaultDatabase(const std::string& database, ado::ErrorList&) override { database_ = database; }
  void SetCommandTimeout(int) override {}
  void SetIsolationLevel(int) override {}
  std::string Literal(const ado::Variant& value) const override;

 private:
  struct Script {
    std::string start;
    std::optional<Rows> rows;
    ado::ErrorList errors;
    int times = -1;
  };

  std::vector<Script> scripts_;
  std::vector<std::string> sent_;
  std::vector<std::string> connects_;
  std::string database_ = "DEMO";
};

}  // namespace tramvel::testing
