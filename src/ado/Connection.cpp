#include "ado/Connection.h"

#include "platform/Failure.h"
#include "ado/ConnectionCore.h"
#include "ado/Recordset.h"

namespace tramvel::ado {
namespace detail {
namespace {

const char* AdoMessage(int32_t number) {
  switch (number) {
    case adoerror::kArgumentsOutOfRange:
      return "Arguments are of the wrong type, are out of acceptable range, or are in conflict with one another.";
    case adoerror::kBofOrEof:
      return "Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a "
             "current record.";
    case adoerror::kNotUpdatable:
      return "Current Recordset does not support updating. This may be a limitation of the provider, or of the "
             "selected locktype.";
    case adoerror::kItemNotFound:
      return "Item cannot be found in the collection corresponding to the requested name or ordinal.";
    case adoerror::kObjectClosed: return "Operation is not allowed when the object is closed.";
    case adoerror::kObjectOpen: return "Operation is not allowed when the object is open.";
    case adoerror::kConnectionClosed:
      return "The connection cannot be used to perform this operation. It is either closed or invalid in this "
             "context.";
    case adoerror::kMultipleStep: return "Multiple-step operation generated errors. Check each status value.";
    default: return "Unspecified error";
  }
}

}  // namespace

void ConnectionCore::Raise(ErrorList reported) {
  if (reported.empty()) return;
  Error first = reported.front();
  errors.Assign(std::move(reported));
  RaiseDatabase(first);
}

void RaiseDatabase(const Error& error) { throw Failure(failure::kDatabase, error.Description, error.Source); }

void RaiseAdo(int32_t number, const char* source) { throw Failure(number, AdoMessage(number), source); }

}  // namespace detail

namespace {
constexpr const char* kSource = "ADODB.Connection";
}

const Error& ErrorCollection::Item(size_t index) const {
  if (index >= errors_.size()) detail::RaiseAdo(adoerror::kItemNotFound, "ADODB.Errors");
  return errors_[index];
}

Connection::Connection(std::unique_ptr<Engine> engine) : core_(std::make_shared<detail::ConnectionCore>()) {
  core_->engine = std::move(engine);
  core_->engine->SetCommandTimeout(core_->commandTimeout);
}

Connection::~Connection() {
  if (core_->Open()) Close();
}

std::unique_ptr<Recordset> Connection::Execute(std::string_view commandText) {
  if (!core_->Open()) detail::RaiseAdo(adoerror::kObjectClosed, kSource);
  core_->errors.Clear();
  ErrorList errors;
  std::unique_ptr<RowSource> rows = core_->engine->Execute(commandText, {}, errors);
  core_->Raise(std::move(errors));
  if (!rows) return nullptr;
  auto recordset = std::make_unique<Recordset>();
  recordset->Adopt(core_, std::move(rows), std::string(commandText), adOpenStatic, adLockReadOnly);
  return recordset;
}

ErrorCollection& Connection::Errors() { return core_->errors; }
const ErrorCollection& Connection::Errors() const { return core_->errors; }

void Connection::Close() {
  if (!core_->Open()) detail::RaiseAdo(adoerror::kObjectClosed, kSource);
  std::vector<Recordset*> open = core_->recordsets;
  for (Recordset* recordset : open) recordset->Release();
  core_->engine.reset();
}

int Connection::State() const { return core_->Open() ? adStateOpen : adStateClosed; }

std::string Connection::DefaultDatabase() const {
  if (!core_->Open()) detail::RaiseAdo(adoerror::kObjectClosed, kSource);
  return core_->engine->DefaultDatabase();
}

void Connection::SetDefaultDatabase(const std::string& database) {
  if (!core_->Open()) detail::RaiseAdo(adoerror::kObjectClosed, kSource);
  ErrorList errors;
  core_->engine->SetDefaultDatabase(database, errors);
  core_->Raise(std::move(errors));
}

int Connection::CommandTimeout() const { return core_->commandTimeout; }

void Connection::SetCommandTimeout(int seconds) {
  if (seconds < 0) detail::RaiseAdo(adoerror::kArgumentsOutOfRange, kSource);
  core_->commandTimeout = seconds;
  if (core_->Open()) core_->engine->SetCommandTimeout(seconds);
}

int Connection::IsolationLevel() const { return core_->isolationLevel; }

void Connection::SetIsolationLevel(int level) {
  core_->isolationLevel = level;
  if (core_->Open()) core_->engine->SetIsolationLevel(level);
}

bool Connection::TableExists(std::string_view table) {
  if (!core_->Open()) detail::RaiseAdo(adoerror::kObjectClosed, kSource);
  ErrorList errors;
  bool exists = core_->engine->TableExists(table, errors);
  core_->Raise(std::move(errors));
  return exists;
}

bool Connection::ColumnExists(std::string_view table, std::string_view column) {
  if (!core_->Open()) detail::RaiseAdo(adoerror::kObjectClosed, kSource);
  ErrorList errors;
  bool exists = core_->engine->ColumnExists(table, column, errors);
  core_->Raise(std::move(errors));
  return exists;
}

std::string Connection::SqlLiteral(const Variant& value) const {
  if (!core_->Open()) detail::RaiseAdo(adoerror::kObjectClosed, kSource);
  return core_->engine->Literal(value);
}

}  // namespace tramvel::ado
