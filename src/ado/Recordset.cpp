#include "ado/Recordset.h"

#include <algorithm>
#include <cctype>

#include "platform/Failure.h"
#include "ado/Connection.h"
#include "ado/ConnectionCore.h"
#include "platform/TextCase.h"

namespace tramvel::ado {
namespace {

constexpr const char* kSource = "ADODB.Recordset";
constexpr const char* kFieldSource = "ADODB.Field";
constexpr const char* kFieldsSource = "ADODB.Fields";

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

// A bare table name ("TA_CONFIGURACION", "[dbo].[MA_ARTICULOS]"), as ADO's
// adCmdUnknown takes it, rather than a statement.
bool IsTableName(std::string_view source) {
  if (source.empty()) return false;
  bool inBracket = false;
  for (char c : source) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '[') inBracket = true;
    else if (c == ']') inBracket = false;
    else if (!inBracket && !(std::isalnum(u) || c == '_' || c == '.' || c == '#' || c == '$' || c == '"' || u >= 0x80))
      return false;
  }
  return true;
}

}  // namespace

// ----- Field -----

const std::string& Field::Name() const { return owner_->Column(index_).name; }

const Variant& Field::Value() const {
  owner_->RequireOpen();
  owner_->RequireCurrent();
  return owner_->rows_[owner_->position_].values[index_];
}

void Field::SetValue(const Variant& value) { owner_->SetField(index_, value); }

int32_t Field::DefinedSize() const { return owner_->Column(index_).type.definedSize; }

int32_t Field::Precision() const { return owner_->Column(index_).type.precision; }

int32_t Field::NumericScale() const { return owner_->Column(index_).type.scale; }

ColumnKind Field::Kind() const { return owner_->Column(index_).type.kind; }

// ----- FieldCollection -----

Field& FieldCollection::Item(std::string_view name) {
  for (Field& field : fields_) {
    if (EqualsIgnoreCase(field.Name(), name)) return field;
  }
  detail::RaiseAdo(adoerror::kItemNotFound, kFieldsSource);
}

Field& FieldCollection::Item(size_t index) {
  if (index >= fields_.size()) detail::RaiseAdo(adoerror::kItemNotFound, kFieldsSource);
  return fields_[index];
}

// ----- Recordset -----

Recordset::Recordset() = default;

Recordset::~Recordset() {
  if (open_) Release();
}

void Recordset::Open(std::string_view source, Connection& connection, int cursorType, int lockType) {
  if (open_) detail::RaiseAdo(adoerror::kObjectOpen, kSource);
  if (cursorType == -1) cursorType = adOpenForwardOnly;
  if (lockType == -1) lockType = adLockReadOnly;
  if (cursorType < adOpenForwardOnly || cursorType > adOpenStatic || lockType < adLockReadOnly ||
      lockType > adLockBatchOptimistic) {
    detail::RaiseAdo(adoerror::kArgumentsOutOfRange, kSource);
  }
  std::shared_ptr<detail::ConnectionCore> core = connection.core_;
  if (!core->Open()) detail::RaiseAdo(adoerror::kConnectionClosed, kSource);
  std::string_view trimmed = Trim(source);
  std::string text = IsTableName(trimmed) ? "SELECT * FROM " + std::string(trimmed) : std::string(source);
  core->errors.Clear();
  ErrorList errors;
  ExecuteOptions options;
  options.rowIdentity = lockType != adLockReadOnly;
  std::unique_ptr<RowSource> rows = core->engine->Execute(text, options, errors);
  core->Raise(std::move(errors));
  if (rows) Adopt(std::move(core), std::move(rows), std::move(text), cursorType, lockType);
}

void Recordset::Adopt(std::shared_ptr<detail::ConnectionCore> core, std::unique_ptr<RowSource> source,
                      std::string text, int cursorType, int lockType) {
  core_ = std::move(core);
  text_ = std::move(text);
  cursorType_ = cursorType;
  lockType_ = lockType;
  streaming_ = cursorType == adOpenForwardOnly && lockType == adLockReadOnly;
  open_ = true;
  core_->recordsets.push_back(this);
  edit_ = Edit::kNone;
  moved_ = false;
  rows_.clear();
  position_ = 0;
  source_ = std::move(source);

  // The rows (or, streaming, the first one), then the columns: a column
  // whose type only its values tell is known after the first row.
  Row row;
  if (streaming_) {
    if (Pull(row)) rows_.push_back(std::move(row));
  } else {
    while (Pull(row)) rows_.push_back(std::move(row));
  }
  columns_ = source_->Columns();
  if (!streaming_) source_.reset();

  fields_.fields_.clear();
  for (size_t i = 0; i < columns_.size(); ++i) fields_.fields_.push_back(Field(this, i));

  // Rows are written back to the one table that every plain column reads.
  table_.clear();
  for (const ColumnInfo& column : columns_) {
    if (column.baseTable.empty()) continue;
    if (table_.empty()) {
      table_ = column.baseTable;
    } else if (!EqualsIgnoreCase(table_, column.baseTable)) {
      table_.clear();
      break;
    }
  }
}

bool Recordset::Pull(Row& row) {
  ErrorList errors;
  row = Row();
  if (source_->Next(row.values, row.identity, errors)) return true;
  if (!errors.empty()) {
    std::shared_ptr<detail::ConnectionCore> core = core_;
    Release();
    core->Raise(std::move(errors));
  }
  return false;
}

void Recordset::Release() {
  open_ = false;
  edit_ = Edit::kNone;
  source_.reset();
  rows_.clear();
  position_ = 0;
  if (core_) {
    auto& list = core_->recordsets;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    core_.reset();
  }
}

void Recordset::Close() {
  RequireOpen();
  Release();
}

int Recordset::State() const { return open_ ? adStateOpen : adStateClosed; }

int Recordset::CursorType() const { return cursorType_; }

int Recordset::LockType() const { return lockType_; }

void Recordset::SetCursorType(int cursorType) {
  if (open_) detail::RaiseAdo(adoerror::kObjectOpen, kSource);
  cursorType_ = cursorType;
}

void Recordset::SetLockType(int lockType) {
  if (open_) detail::RaiseAdo(adoerror::kObjectOpen, kSource);
  lockType_ = lockType;
}

void Recordset::RequireOpen() const {
  if (!open_) detail::RaiseAdo(adoerror::kObjectClosed, kSource);
}

void Recordset::RequireCurrent() const {
  if (position_ >= rows_.size()) detail::RaiseAdo(adoerror::kBofOrEof, kSource);
}

void Recordset::RequireUpdatable() const {
  if (lockType_ == adLockReadOnly) detail::RaiseAdo(adoerror::kNotUpdatable, kSource);
}

const ColumnInfo& Recordset::Column(size_t index) const {
  RequireOpen();
  return columns_.at(index);
}

bool Recordset::Bof() const {
  RequireOpen();
  return rows_.empty();
}

bool Recordset::Eof() const {
  RequireOpen();
  return position_ >= rows_.size();
}

void Recordset::MoveFirst() {
  RequireOpen();
  if (edit_ != Edit::kNone) Update();
  if (!streaming_) {
    position_ = 0;
    return;
  }
  if (!moved_) return;
  // A forward-only cursor goes back by running its query again.
  ErrorList errors;
  std::unique_ptr<RowSource> rows = core_->engine->Execute(text_, {}, errors);
  if (!errors.empty() || !rows) {
    std::shared_ptr<detail::ConnectionCore> core = core_;
    Release();
    core->Raise(std::move(errors));
    return;
  }
  source_ = std::move(rows);
  moved_ = false;
  rows_.clear();
  position_ = 0;
  Row row;
  if (Pull(row)) rows_.push_back(std::move(row));
}

void Recordset::MoveNext() {
  RequireOpen();
  if (Eof()) detail::RaiseAdo(adoerror::kBofOrEof, kSource);
  if (edit_ != Edit::kNone) Update();
  if (!streaming_) {
    ++position_;
    return;
  }
  moved_ = true;
  Row row;
  if (Pull(row)) {
    rows_[0] = std::move(row);
  } else if (open_) {
    position_ = rows_.size();  // EOF; Bof() stays false
  }
}

int64_t Recordset::RecordCount() const {
  RequireOpen();
  return streaming_ ? -1 : static_cast<int64_t>(rows_.size());
}

FieldCollection& Recordset::Fields() {
  RequireOpen();
  return fields_;
}

Recordset::Row& Recordset::Current() {
  RequireCurrent();
  return rows_[position_];
}

void Recordset::AddNew() {
  RequireOpen();
  RequireUpdatable();
  if (edit_ != Edit::kNone) Update();
  savedPosition_ = position_;
  Row row;
  row.values.resize(columns_.size());
  rows_.push_back(std::move(row));
  position_ = rows_.size() - 1;
  edit_ = Edit::kAdding;
  dirty_.assign(columns_.size(), false);
}

void Recordset::SetField(size_t index, const Variant& value) {
  RequireOpen();
  RequireUpdatable();
  Row& row = Current();
  const ColumnInfo& column = columns_.at(index);
  if (column.baseColumn.empty() || !EqualsIgnoreCase(column.baseTable, table_)) {
    detail::RaiseAdo(adoerror::kMultipleStep, kFieldSource);
  }
  std::optional<Variant> coerced = CoerceToKind(column.type.kind, value);
  if (!coerced) detail::RaiseAdo(adoerror::kMultipleStep, kFieldSource);
  if (edit_ == Edit::kNone) {
    saved_ = row;
    edit_ = Edit::kEditing;
    dirty_.assign(columns_.size(), false);
  }
  row.values[index] = std::move(*coerced);
  dirty_[index] = true;
}

void Recordset::Update() {
  RequireOpen();
  RequireUpdatable();
  if (edit_ == Edit::kNone) return;
  Row& row = Current();
  if (table_.empty()) {
    throw Failure(adoerror::kInsufficientInformation, "Insufficient base table information for updating or refreshing.",
                  kSource);
  }
  if (edit_ == Edit::kEditing && row.identity.IsEmpty()) {
    throw Failure(adoerror::kInsufficientInformation, "Insufficient key column information for updating or refreshing.",
                  kSource);
  }
  RowWrite write;
  write.table = table_;
  write.identity = edit_ == Edit::kAdding ? Variant() : row.identity;
  std::vector<size_t> reread;
  for (size_t i = 0; i < columns_.size(); ++i) {
    if (columns_[i].baseColumn.empty() || !EqualsIgnoreCase(columns_[i].baseTable, table_)) continue;
    reread.push_back(i);
    write.reread.push_back(columns_[i].baseColumn);
    if (dirty_[i]) {
      write.columns.push_back(columns_[i].baseColumn);
      write.values.push_back(row.values[i]);
    }
  }
  if (edit_ == Edit::kEditing && write.columns.empty()) {
    edit_ = Edit::kNone;
    return;
  }
  ErrorList errors;
  std::optional<RowWritten> written = core_->engine->WriteRow(write, errors);
  if (!written) {
    if (errors.empty()) errors.push_back({kEngineMessage, "The row could not be written.", core_->engine->Source()});
    core_->Raise(std::move(errors));
  }
  row.identity = written->identity;
  for (size_t k = 0; k < reread.size() && k < written->values.size(); ++k) {
    row.values[reread[k]] = written->values[k];
  }
  edit_ = Edit::kNone;
}

void Recordset::CancelUpdate() {
  RequireOpen();
  if (edit_ == Edit::kAdding) {
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(position_));
    position_ = std::min(savedPosition_, rows_.size());
  } else if (edit_ == Edit::kEditing) {
    rows_[position_] = saved_;
  }
  edit_ = Edit::kNone;
}

}  // namespace tramvel::ado
