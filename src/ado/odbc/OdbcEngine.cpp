#include "ado/odbc/OdbcEngine.h"

#include "platform/TextCase.h"
#include "ado/ConnectionCore.h"
#include "ado/SqlText.h"
#include "ado/odbc/OdbcCatalog.h"
#include "ado/odbc/OdbcDiagnostics.h"
#include "ado/odbc/OdbcResult.h"
#include "ado/odbc/OdbcRowWriter.h"
#include "ado/odbc/OdbcSession.h"
#include "ado/odbc/OdbcSettings.h"
#include "ado/odbc/OdbcText.h"

namespace tramvel::ado {
namespace {

using odbc::Failed;
using odbc::Handle;

// Seconds a connection attempt may take before it fails: ADO's default.
constexpr SQLULEN kLoginTimeout = 15;
// A batch that never ends its results (a broken driver) is cut off here.
constexpr int kMaxResults = 100000;

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// The errors of a SQLMoreResults call, less a driver's complaint that there
// was nothing more to ask for.
bool OnlySequenceErrors(const ErrorList& errors) {
  for (const Error& error : errors) {
    if (error.Source != "HY010") return false;
  }
  return true;
}

class OdbcEngine final : public Engine {
 public:
  OdbcEngine(Handle environment, Handle connection, std::string database)
      : session_(std::move(environment), std::move(connection)), database_(std::move(database)) {}

  std::string Source() const override { return odbc::kEngineSource; }

  std::unique_ptr<RowSource> Execute(std::string_view batch, const ExecuteOptions& options,
                                     ErrorList& errors) override {
    Handle statement = session_.NewStatement(errors);
    if (!statement) return nullptr;
    std::unique_ptr<RowSource> result;
    session_.Timed(statement, errors, [&] { result = RunBatch(statement, batch, options, errors); });
    return result;
  }

  std::optional<RowWritten> WriteRow(const RowWrite& row, ErrorList& errors) override {
    return odbc::WriteRow(session_, row, errors);
  }

  bool TableExists(std::string_view table, ErrorList& errors) override {
    std::optional<odbc::TableInfo> info = odbc::Catalog(session_).Find(table, errors);
    return info && info->type == "TABLE";
  }

  bool ColumnExists(std::string_view table, std::string_view column, ErrorList& errors) override {
    const odbc::Catalog catalog(session_);
    std::optional<odbc::TableInfo> info = catalog.Find(table, errors);
    if (!info || !catalog.Complete(*info, errors)) return false;
    const std::string name = odbc::SplitName(column).second;
    for (const std::string& stored : info->columns) {
      if (EqualsIgnoreCase(stored, name)) return true;
    }
    return false;
  }

  std::string DefaultDatabase() const override {
    SQLWCHAR buffer[512] = {};
    SQLINTEGER bytes = 0;
    if (!odbc::Succeeded(SQLGetConnectAttrW(session_.Connection().get(), SQL_ATTR_CURRENT_CATALOG, buffer,
                                            sizeof buffer - sizeof(SQLWCHAR), &bytes))) {
      return database_;
    }
    std::string current = odbc::FromWide(buffer);
    return current.empty() ? database_ : current;
  }

  void SetDefaultDatabase(const std::string& database, ErrorList& errors) override {
    // A server that cannot change databases (PostgreSQL) still accepts its own.
    if (EqualsIgnoreCase(database, DefaultDatabase())) return;
    session_.Park();
    odbc::WideText name = odbc::ToWide(database);
    SQLRETURN rc = SQLSetConnectAttrW(session_.Connection().get(), SQL_ATTR_CURRENT_CATALOG, name.data(),
                                      static_cast<SQLINTEGER>((name.size() - 1) * sizeof(SQLWCHAR)));
    if (!Failed(rc, session_.Connection(), errors)) database_ = database;
  }

  void SetCommandTimeout(int seconds) override { session_.SetCommandTimeout(seconds); }

  void SetIsolationLevel(int level) override {
    SQLULEN odbcLevel = 0;
    switch (level) {
      case adXactReadUncommitted: odbcLevel = SQL_TXN_READ_UNCOMMITTED; break;
      case adXactReadCommitted: odbcLevel = SQL_TXN_READ_COMMITTED; break;
      case adXactRepeatableRead: odbcLevel = SQL_TXN_REPEATABLE_READ; break;
      case adXactSerializable: odbcLevel = SQL_TXN_SERIALIZABLE; break;
      default: return;  // chaos and unspecified: the server's own
    }
    // A level the driver does not offer leaves the server's own, as ADO's
    // providers do.
    session_.Park();
    SQLSetConnectAttr(session_.Connection().get(), SQL_ATTR_TXN_ISOLATION, reinterpret_cast<SQLPOINTER>(odbcLevel), 0);
  }

  std::string Literal(const Variant& value) const override {
    switch (value.Type()) {
      case VariantType::kEmpty:
      case VariantType::kNull: return "NULL";
      case VariantType::kText: return QuotedText(value.ToText());
      case VariantType::kDate: {
        // ODBC's escape: every driver (and SQL Server itself) reads it the
        // same way, whatever the session's date format.
        const DateTime d = value.ToDate();
        return "{ts '" + std::to_string(d.year) + "-" + TwoDigits(d.month) + "-" + TwoDigits(d.day) + " " +
               TwoDigits(d.hour) + ":" + TwoDigits(d.minute) + ":" + TwoDigits(d.second) + "'}";
      }
      case VariantType::kCurrency: return value.ToCurrency().ToString();
      case VariantType::kBoolean: return value.ToBoolean() ? "1" : "0";
      default: return value.ToText();
    }
  }

 private:
  // Every result of the batch in turn: the first with columns is kept, the
  // failures of all of them are reported.
  std::unique_ptr<RowSource> RunBatch(Handle& statement, std::string_view batch, const ExecuteOptions& options,
                                      ErrorList& errors) {
    // A lone SELECT read only forward is read as the caller moves on.
    const bool stream = !options.rowIdentity && odbc::IsSingleSelect(batch);
    odbc::WideText text = odbc::ToWide(batch);
    SQLRETURN rc = SQLExecDirectW(statement.get(), text.data(), SQL_NTS);
    std::unique_ptr<RowSource> result;
    for (int results = 0; results < kMaxResults; ++results) {
      if (Failed(rc, statement, errors)) {
        if (odbc::ConnectionLost(errors)) break;
      } else if (rc != SQL_NO_DATA) {
        SQLSMALLINT columns = 0;
        SQLNumResultCols(statement.get(), &columns);
        if (columns > 0 && !result && stream) {
          std::vector<odbc::OdbcColumn> described = odbc::DescribeColumns(statement, errors);
          return std::make_unique<odbc::LiveRows>(session_, std::move(statement), std::move(described));
        }
        if (columns > 0 && !result) {
          result = odbc::FetchResult(session_, statement, batch, options.rowIdentity, errors);
          if (odbc::ConnectionLost(errors)) break;
        }
      }
      rc = SQLMoreResults(statement.get());
      if (rc == SQL_NO_DATA) break;
      if (rc == SQL_ERROR) {
        ErrorList more;
        odbc::AppendDiagnostics(statement, more);
        if (OnlySequenceErrors(more)) break;
        errors.insert(errors.end(), more.begin(), more.end());
        if (odbc::ConnectionLost(more)) break;
        rc = SQL_SUCCESS_WITH_INFO;  // reported; the batch's next result follows
      }
    }
    return result;
  }

  odbc::OdbcSession session_;
  std::string database_;  // the one last set, for a driver that does not tell
};

}  // namespace

std::unique_ptr<Engine> OpenOdbcEngine(const std::string& odbcConnectionText, ErrorList& errors) {
  SQLHANDLE raw = SQL_NULL_HANDLE;
  if (!odbc::Succeeded(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &raw))) {
    errors.push_back({kEngineMessage, "The ODBC driver manager could not be started.", odbc::kEngineSource});
    return nullptr;
  }
  Handle environment(SQL_HANDLE_ENV, raw);
  SQLSetEnvAttr(environment.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  if (Failed(SQLAllocHandle(SQL_HANDLE_DBC, environment.get(), &raw), environment, errors)) return nullptr;
  Handle connection(SQL_HANDLE_DBC, raw);
  SQLSetConnectAttr(connection.get(), SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(kLoginTimeout), 0);
  odbc::WideText text = odbc::ToWide(odbcConnectionText);
  SQLWCHAR out[1024];
  SQLSMALLINT outLength = 0;
  SQLRETURN rc = SQLDriverConnectW(connection.get(), nullptr, text.data(), SQL_NTS, out, 1024, &outLength,
                                   SQL_DRIVER_NOPROMPT);
  if (Failed(rc, connection, errors)) return nullptr;
  return std::make_unique<OdbcEngine>(std::move(environment), std::move(connection),
                                      ConnectionTextValue(odbcConnectionText, {"Database", "DBQ"}).value_or(""));
}

std::unique_ptr<Connection> OpenOdbcConnection(const std::string& odbcConnectionText) {
  ErrorList errors;
  std::unique_ptr<Engine> engine = OpenOdbcEngine(odbcConnectionText, errors);
  if (!engine) detail::RaiseDatabase(errors.front());
  return std::make_unique<Connection>(std::move(engine));
}

}  // namespace tramvel::ado
