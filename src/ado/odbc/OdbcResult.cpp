#include "ado/odbc/OdbcResult.h"

#include <cctype>

#include "platform/TextCase.h"
#include "ado/odbc/OdbcCatalog.h"
#include "ado/odbc/OdbcValues.h"

namespace tramvel::ado::odbc {
namespace {

// Which columns make a row's key; none when the result cannot be written back.
struct KeyPlan {
  bool primary = false;
  std::vector<size_t> indexes;
  std::vector<std::string> names;
};

const std::string* StoredName(const TableInfo& table, std::string_view column) {
  for (const std::string& stored : table.columns) {
    if (EqualsIgnoreCase(stored, column)) return &stored;
  }
  return nullptr;
}

// Ties the columns to the one table they read and chooses the key.
KeyPlan PlanKeys(OdbcSession& session, std::vector<OdbcColumn>& columns, std::string_view sql, ErrorList& errors) {
  std::string written;
  for (const OdbcColumn& column : columns) {
    if (column.info.baseTable.empty()) continue;
    if (written.empty()) written = column.info.baseTable;
    if (!EqualsIgnoreCase(written, column.info.baseTable)) return {};  // a join
  }
  // A driver that does not tell (FreeTDS) leaves a plain single-table SELECT.
  const bool told = !written.empty();
  if (!told) written = SingleTableOf(sql);
  if (written.empty()) return {};
  const Catalog catalog(session);
  std::optional<TableInfo> table = catalog.Find(written, errors);
  if (!table || table->type != "TABLE" || !catalog.Complete(*table, errors)) return {};
  for (OdbcColumn& column : columns) {
    const std::string& name = told ? column.info.baseColumn : column.info.name;
    const std::string* stored = (told && column.info.baseTable.empty()) ? nullptr : StoredName(*table, name);
    column.info.baseTable = stored ? table->name : "";
    column.info.baseColumn = stored ? *stored : "";
  }
  KeyPlan plan;
  plan.primary = !table->keys.empty();
  for (const std::string& key : table->keys) {
    size_t found = columns.size();
    for (size_t i = 0; i < columns.size() && found == columns.size(); ++i) {
      if (EqualsIgnoreCase(columns[i].info.baseColumn, key)) found = i;
    }
    if (found == columns.size()) {
      plan.primary = false;  // the key is not read: the row is found by its values
      break;
    }
    plan.indexes.push_back(found);
    plan.names.push_back(columns[found].info.baseColumn);
  }
  if (!plan.primary) {
    plan.indexes.clear();
    plan.names.clear();
    for (size_t i = 0; i < columns.size(); ++i) {
      if (columns[i].info.baseColumn.empty() || !Comparable(columns[i].info)) continue;
      plan.indexes.push_back(i);
      plan.names.push_back(columns[i].info.baseColumn);
    }
  }
  return plan;
}

// The next row of the result open on `statement`; false at its end or on an
// error, appended to `errors`.
bool FetchRow(const Handle& statement, const std::vector<OdbcColumn>& columns, std::vector<Variant>& values,
              ErrorList& errors) {
  SQLRETURN rc = SQLFetch(statement.get());
  if (rc == SQL_NO_DATA || Failed(rc, statement, errors)) return false;
  values.assign(columns.size(), Variant());
  for (size_t i = 0; i < columns.size(); ++i) {
    if (!ReadValue(statement, i, columns[i], values[i], errors)) return false;
  }
  return true;
}

std::vector<ColumnInfo> InfosOf(const std::vector<OdbcColumn>& columns) {
  std::vector<ColumnInfo> infos;
  for (const OdbcColumn& column : columns) infos.push_back(column.info);
  return infos;
}

}  // namespace

bool ClientRows::Next(std::vector<Variant>& values, Variant& identity, ErrorList&) {
  if (next_ >= rows_.size()) return false;
  values = std::move(rows_[next_].values);
  identity = std::move(rows_[next_].identity);
  ++next_;
  return true;
}

std::unique_ptr<ClientRows> FetchResult(OdbcSession& session, const Handle& statement, std::string_view sql,
                                        bool identity, ErrorList& errors) {
  std::vector<OdbcColumn> columns = DescribeColumns(statement, errors);
  KeyPlan plan;
  if (identity) {
    ErrorList ignored;  // a result that cannot be written back is still read
    plan = PlanKeys(session, columns, sql, ignored);
  }
  std::vector<ClientRows::Row> rows;
  ClientRows::Row row;
  while (FetchRow(statement, columns, row.values, errors)) {
    if (!plan.indexes.empty()) {
      RowKey key{plan.primary, plan.names, {}};
      for (size_t index : plan.indexes) key.values.push_back(row.values[index]);
      row.identity = session.Keys().Add(std::move(key));
    }
    rows.push_back(std::move(row));
    row = ClientRows::Row();
  }
  std::vector<ColumnInfo> infos = InfosOf(columns);
  return std::make_unique<ClientRows>(std::move(infos), std::move(rows));
}

LiveRows::LiveRows(OdbcSession& session, Handle statement, std::vector<OdbcColumn> columns)
    : session_(session), statement_(std::move(statement)), columns_(std::move(columns)), infos_(InfosOf(columns_)) {
  session_.SetLive(this);
}

LiveRows::~LiveRows() {
  if (statement_) session_.SetLive(nullptr);
}

bool LiveRows::Next(std::vector<Variant>& values, Variant& identity, ErrorList& errors) {
  identity = Variant();
  if (!parked_.empty()) {
    values = std::move(parked_.front());
    parked_.pop_front();
    return true;
  }
  if (!parkedErrors_.empty()) {
    errors.insert(errors.end(), parkedErrors_.begin(), parkedErrors_.end());
    parkedErrors_.clear();
    return false;
  }
  if (!statement_) return false;
  if (FetchRow(statement_, columns_, values, errors)) return true;
  Finish();
  return false;
}

void LiveRows::Park() {
  std::vector<Variant> values;
  while (statement_) {
    if (FetchRow(statement_, columns_, values, parkedErrors_)) {
      parked_.push_back(std::move(values));
    } else {
      Finish();
    }
  }
}

void LiveRows::Finish() {
  statement_ = Handle();
  session_.SetLive(nullptr);
}

bool IsSingleSelect(std::string_view batch) {
  size_t start = 0;
  while (start < batch.size() && std::isspace(static_cast<unsigned char>(batch[start]))) ++start;
  if (batch.size() - start < 7 || !EqualsIgnoreCase(batch.substr(start, 6), "SELECT") ||
      !std::isspace(static_cast<unsigned char>(batch[start + 6]))) {
    return false;
  }
  bool literal = false;
  for (size_t i = start; i < batch.size(); ++i) {
    const char c = batch[i];
    if (c == '\'') literal = !literal;
    if (!literal && (c == ';' || c == '\n' || c == '\r')) return false;
  }
  return true;
}

}  // namespace tramvel::ado::odbc
