#include "ado/odbc/OdbcResult.h"

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
  const Catalog catalog(session.Connection());
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
  for (;;) {
    SQLRETURN rc = SQLFetch(statement.get());
    if (rc == SQL_NO_DATA || Failed(rc, statement, errors)) break;
    ClientRows::Row row;
    row.values.resize(columns.size());
    bool read = true;
    for (size_t i = 0; i < columns.size() && read; ++i) read = ReadValue(statement, i, columns[i], row.values[i], errors);
    if (!read) break;
    if (!plan.indexes.empty()) {
      RowKey key{plan.primary, plan.names, {}};
      for (size_t index : plan.indexes) key.values.push_back(row.values[index]);
      row.identity = session.Keys().Add(std::move(key));
    }
    rows.push_back(std::move(row));
  }
  std::vector<ColumnInfo> infos;
  for (OdbcColumn& column : columns) infos.push_back(std::move(column.info));
  return std::make_unique<ClientRows>(std::move(infos), std::move(rows));
}

}  // namespace tramvel::ado::odbc
