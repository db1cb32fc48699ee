#include "ado/odbc/OdbcRowWriter.h"

#include <algorithm>

#include "platform/TextCase.h"
#include "ado/odbc/OdbcCatalog.h"
#include "ado/odbc/OdbcResult.h"
#include "ado/odbc/OdbcText.h"
#include "ado/odbc/OdbcValues.h"

namespace tramvel::ado::odbc {
namespace {

constexpr const char* kRowNotFound =
    "Row cannot be located for updating. Some values may have been changed since it was last read.";
constexpr const char* kTooManyRows =
    "Key column information is insufficient or incorrect. Too many rows were affected by update.";

std::string Stored(const TableInfo& table, const std::string& column) {
  for (const std::string& stored : table.columns) {
    if (EqualsIgnoreCase(stored, column)) return stored;
  }
  return column;
}

// A statement with its parameters; NULL goes into the text itself, so that no
// driver has to guess the type of a parameter that has no value.
struct Statement {
  std::string sql;
  std::vector<Parameter> parameters;

  void Value(const Variant& value) {
    if (value.IsNull() || value.IsEmpty()) {
      sql += "NULL";
      return;
    }
    sql += "?";
    parameters.push_back(MakeParameter(value));
  }
  void Where(const OdbcSession& session, const RowKey& key) {
    sql += " WHERE ";
    for (size_t i = 0; i < key.columns.size(); ++i) {
      if (i) sql += " AND ";
      sql += session.Quote(key.columns[i]);
      if (key.values[i].IsNull() || key.values[i].IsEmpty()) {
        sql += " IS NULL";
      } else {
        sql += " = ";
        Value(key.values[i]);
      }
    }
  }
};

// Runs the statement; the handle stays open on its result, if any.
Handle Run(OdbcSession& session, Statement& statement, ErrorList& errors) {
  Handle handle = session.NewStatement(errors);
  if (!handle || !BindParameters(handle, statement.parameters, errors)) return {};
  WideText sql = ToWide(statement.sql);
  bool failed = false;
  session.Timed(handle, errors, [&] { failed = Failed(SQLExecDirectW(handle.get(), sql.data(), SQL_NTS), handle, errors); });
  if (failed) return {};
  return handle;
}

void Fail(const char* message, ErrorList& errors) { errors.push_back({kEngineMessage, message, kEngineSource}); }

// How many rows `key` finds.
std::optional<int64_t> Count(OdbcSession& session, const TableInfo& table, const RowKey& key, ErrorList& errors) {
  Statement count{"SELECT COUNT(*) FROM " + session.Quote(table.name), {}};
  count.Where(session, key);
  Handle handle = Run(session, count, errors);
  if (!handle) return std::nullopt;
  std::unique_ptr<ClientRows> rows = FetchResult(session, handle, count.sql, false, errors);
  std::vector<Variant> values;
  Variant identity;
  if (!rows->Next(values, identity, errors) || values.empty()) return std::nullopt;
  return values[0].ToInteger();
}

// The stored values of `columns` of the one row `key` finds; nullopt when it
// finds none or several.
std::optional<std::vector<Variant>> Reread(OdbcSession& session, const TableInfo& table,
                                           const std::vector<std::string>& columns, const RowKey& key,
                                           std::vector<ColumnInfo>& infos, ErrorList& errors) {
  Statement select{"SELECT ", {}};
  for (size_t i = 0; i < columns.size(); ++i) select.sql += (i ? ", " : "") + session.Quote(columns[i]);
  select.sql += " FROM " + session.Quote(table.name);
  select.Where(session, key);
  Handle handle = Run(session, select, errors);
  if (!handle) return std::nullopt;
  std::unique_ptr<ClientRows> rows = FetchResult(session, handle, select.sql, false, errors);
  infos = rows->Columns();
  std::vector<Variant> values, more;
  Variant identity;
  if (!rows->Next(values, identity, errors) || rows->Next(more, identity, errors)) return std::nullopt;
  return values;
}

// A new row whose one key column was left to the server (an identity, a
// serial) gets the value the server gave it.
void FillNewKey(OdbcSession& session, RowKey& key) {
  const auto missing = std::count_if(key.values.begin(), key.values.end(), [](const Variant& v) { return v.IsEmpty(); });
  if (!key.primary || missing != 1 || session.NewKeyQuery().empty()) return;
  ErrorList ignored;  // the row is written; without its key it is only not found again
  Statement query{session.NewKeyQuery(), {}};
  Handle handle = Run(session, query, ignored);
  if (!handle) return;
  std::unique_ptr<ClientRows> rows = FetchResult(session, handle, query.sql, false, ignored);
  std::vector<Variant> values;
  Variant identity;
  if (!rows->Next(values, identity, ignored) || values.empty() || values[0].IsNull()) return;
  for (Variant& value : key.values) {
    if (value.IsEmpty()) value = Variant(values[0].ToInteger());
  }
}

}  // namespace

std::optional<RowWritten> WriteRow(OdbcSession& session, const RowWrite& row, ErrorList& errors) {
  const Catalog catalog(session);
  std::optional<TableInfo> table = catalog.Find(row.table, errors);
  if (!errors.empty()) return std::nullopt;
  if (!table) {
    errors.push_back({208, "Invalid object name '" + row.table + "'.", kEngineSource});
    return std::nullopt;
  }
  if (!catalog.Complete(*table, errors)) return std::nullopt;

  const bool insert = row.identity.IsEmpty();
  RowKey* known = insert ? nullptr : session.Keys().Find(row.identity);
  if (!insert && !known) {
    Fail(kRowNotFound, errors);
    return std::nullopt;
  }
  Statement write;
  if (insert) {
    write.sql = "INSERT INTO " + session.Quote(table->name);
    if (row.columns.empty()) {
      write.sql += " DEFAULT VALUES";
    } else {
      std::string names;
      for (size_t i = 0; i < row.columns.size(); ++i) names += (i ? ", " : "") + session.Quote(Stored(*table, row.columns[i]));
      write.sql += " (" + names + ") VALUES (";
      for (size_t i = 0; i < row.values.size(); ++i) {
        if (i) write.sql += ", ";
        write.Value(row.values[i]);
      }
      write.sql += ")";
    }
  } else {
    if (!known->primary) {
      // Without a key every row with the same values would change: only a row
      // alone with its values is written.
      std::optional<int64_t> rows = Count(session, *table, *known, errors);
      if (!rows) return std::nullopt;
      if (*rows != 1) {
        Fail(*rows == 0 ? kRowNotFound : kTooManyRows, errors);
        return std::nullopt;
      }
    }
    write.sql = "UPDATE " + session.Quote(table->name) + " SET ";
    for (size_t i = 0; i < row.columns.size(); ++i) {
      write.sql += (i ? ", " : "") + session.Quote(Stored(*table, row.columns[i])) + " = ";
      write.Value(row.values[i]);
    }
    write.Where(session, *known);
  }
  Handle handle = Run(session, write, errors);
  if (!handle) return std::nullopt;
  SQLLEN affected = -1;
  SQLRowCount(handle.get(), &affected);
  if (!insert && affected == 0) {
    Fail(kRowNotFound, errors);
    return std::nullopt;
  }

  // The row's key after the write: the old one with the values just set, or
  // for a new row its primary key, or else the values it was given.
  RowKey key;
  if (known) {
    key = *known;
  } else if (!table->keys.empty()) {
    key.primary = true;
    key.columns = table->keys;
    key.values.assign(key.columns.size(), Variant());
  }
  for (size_t i = 0; i < row.columns.size(); ++i) {
    const std::string stored = Stored(*table, row.columns[i]);
    bool placed = false;
    for (size_t k = 0; k < key.columns.size(); ++k) {
      if (EqualsIgnoreCase(key.columns[k], stored)) {
        key.values[k] = row.values[i];
        placed = true;
      }
    }
    if (!placed && insert && table->keys.empty() && !row.values[i].IsNull() && !row.values[i].IsEmpty()) {
      key.columns.push_back(stored);
      key.values.push_back(row.values[i]);
    }
  }
  if (insert) FillNewKey(session, key);
  RowWritten written;
  const bool locatable = !key.columns.empty() && (!key.primary || std::none_of(key.values.begin(), key.values.end(),
                                                                               [](const Variant& v) { return v.IsEmpty(); }));
  if (!locatable) return written;  // written, but it cannot be found again (a key the server gives)
  std::vector<std::string> reread;
  for (const std::string& column : row.reread) reread.push_back(Stored(*table, column));
  std::vector<ColumnInfo> infos;
  ErrorList ignored;  // the row is written; a row that cannot be read back keeps the values it was given
  std::optional<std::vector<Variant>> values =
      reread.empty() ? std::nullopt : Reread(session, *table, reread, key, infos, ignored);
  if (values) {
    written.values = *values;
    if (!key.primary) {
      // From now on the row is found by the values it holds.
      key.columns.clear();
      key.values.clear();
      for (size_t i = 0; i < reread.size() && i < infos.size(); ++i) {
        if (!Comparable(infos[i])) continue;
        key.columns.push_back(reread[i]);
        key.values.push_back((*values)[i]);
      }
    }
  }
  if (known) {
    *known = std::move(key);
    written.identity = row.identity;
  } else {
    written.identity = session.Keys().Add(std::move(key));
  }
  return written;
}

}  // namespace tramvel::ado::odbc
