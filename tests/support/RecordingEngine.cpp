#include "RecordingEngine.h"

#include "platform/TextCase.h"

namespace tramvel::testing {
namespace {

bool StartsWith(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && EqualsIgnoreCase(text.substr(0, start.size()), start);
}

class ScriptedRows final : public ado::RowSource {
 public:
  explicit ScriptedRows(const RecordingEngine::Rows& rows) : rows_(rows) {
    for (const std::string& name : rows.columns) columns_.push_back({name, {}, "", ""});
  }
  const std::vector<ado::ColumnInfo>& Columns() const override { return columns_; }
  bool Next(std::vector<ado::Variant>& values, ado::Variant& identity, ado::ErrorList&) override {
    if (next_ >= rows_.rows.size()) return false;
    values = rows_.rows[next_++];
    values.resize(columns_.size());
    identity = ado::Variant();
    return true;
  }

 private:
  RecordingEngine::Rows rows_;
  std::vector<ado::ColumnInfo> columns_;
  std::size_t next_ = 0;
};

// What a connection holds: a stand-in that reports to the test's engine.
class Forwarding final : public ado::Engine {
 public:
  explicit Forwarding(RecordingEngine& target) : target_(target) {}
  std::string Source() const override { return target_.Source(); }
  std::unique_ptr<ado::RowSource> Execute(std::string_view batch, const ado::ExecuteOptions& options,
                                          ado::ErrorList& errors) override {
    return target_.Execute(batch, options, errors);
  }
  std::optional<ado::RowWritten> WriteRow(const ado::RowWrite& row, ado::ErrorList& errors) override {
    return target_.WriteRow(row, errors);
  }
  bool TableExists(std::string_view table, ado::ErrorList& errors) override {
    return target_.TableExists(table, errors);
  }
  bool ColumnExists(std::string_view table, std::string_view column, ado::ErrorList& errors) override {
    return target_.ColumnExists(table, column, errors);
  }
  std::string DefaultDatabase() const override { return target_.DefaultDatabase(); }
  void SetDefaultDatabase(const std::string& database, ado::ErrorList& errors) override {
    target_.SetDefaultDatabase(database, errors);
  }
  void SetCommandTimeout(int seconds) override { target_.SetCommandTimeout(seconds); }
  void SetIsolationLevel(int level) override { target_.SetIsolationLevel(level); }
  std::string Literal(const ado::Variant& value) const override { return target_.Literal(value); }

 private:
  RecordingEngine& target_;
};

}  // namespace

void RecordingEngine::Answer(std::string start, Rows rows) {
  scripts_.push_back({std::move(start), std::move(rows), {}, -1});
}

void RecordingEngine::Report(std::string start, ado::ErrorList errors, int times) {
  scripts_.push_back({std::move(start), std::nullopt, std::move(errors), times});
}

std::unique_ptr<ado::Connection> RecordingEngine::Connect(std::string database) {
  connects_.push_back(database);
  database_ = std::move(database);
  return std::make_unique<ado::Connection>(std::make_unique<Forwarding>(*this));
}

std::vector<std::string> RecordingEngine::SentStartingWith(std::string_view start) const {
  std::vector<std::string> found;
  for (const std::string& statement : sent_) {
    if (StartsWith(statement, start)) found.push_back(statement);
  }
  return found;
}

std::unique_ptr<ado::RowSource> RecordingEngine::Execute(std::string_view batch, const ado::ExecuteOptions&,
                                                         ado::ErrorList& errors) {
  sent_.emplace_back(batch);
  for (auto it = scripts_.rbegin(); it != scripts_.rend(); ++it) {
    if (it->times == 0 || !StartsWith(batch, it->start)) continue;
    if (it->times > 0) --it->times;
    if (it->rows) return std::make_unique<ScriptedRows>(*it->rows);
    errors.insert(errors.end(), it->errors.begin(), it->errors.end());
    return nullptr;
  }
  return nullptr;
}

std::optional<ado::RowWritten> RecordingEngine::WriteRow(const ado::RowWrite&, ado::ErrorList& errors) {
  errors.push_back({0, "The recording engine writes no rows.", Source()});
  return std::nullopt;
}

bool RecordingEngine::TableExists(std::string_view, ado::ErrorList&) { return false; }

bool RecordingEngine::ColumnExists(std::string_view, std::string_view, ado::ErrorList&) { return false; }

std::string RecordingEngine::Literal(const ado::Variant& value) const {
  if (value.IsEmpty() || value.IsNull()) return "NULL";
  std::string out = "'";
  for (const char c : value.ToText()) {
    out.push_back(c);
    if (c == '\'') out.push_back('\'');
  }
  return out + "'";
}

}  // namespace tramvel::testing
