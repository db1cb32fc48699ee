#include "ado/odbc/OdbcValues.h"

#include <cstring>

#include "platform/TextCase.h"
#include "ado/odbc/OdbcText.h"

namespace tramvel::ado::odbc {
namespace {

constexpr int32_t kMaxSize = 2147483647;

std::string Attribute(const Handle& statement, SQLUSMALLINT column, SQLUSMALLINT field) {
  SQLWCHAR buffer[512] = {};
  SQLSMALLINT bytes = 0;
  if (!Succeeded(SQLColAttributeW(statement.get(), column, field, buffer, sizeof buffer, &bytes, nullptr))) return {};
  return FromWide(buffer);
}

int32_t Size(SQLULEN size) { return size == 0 || size > static_cast<SQLULEN>(kMaxSize) ? kMaxSize : static_cast<int32_t>(size); }

ColumnType TypeOf(SQLSMALLINT sqlType, SQLULEN size, SQLSMALLINT digits, const std::string& typeName) {
  const std::string name = ToLower(typeName);
  if (name == "money") return {ColumnKind::kCurrency, 8, 19, 4};
  if (name == "smallmoney") return {ColumnKind::kCurrency, 4, 10, 4};
  if (name == "smalldatetime") return {ColumnKind::kDate, 4};
  switch (sqlType) {
    case SQL_CHAR:
    case SQL_VARCHAR:
    case SQL_WCHAR:
    case SQL_WVARCHAR:
    case SQL_LONGVARCHAR:
    case SQL_WLONGVARCHAR: return {ColumnKind::kText, Size(size)};
    case SQL_GUID: return {ColumnKind::kText, 16};
    case SQL_BIT: return {ColumnKind::kBoolean, 2};
    case SQL_TINYINT: return {ColumnKind::kInteger, 1};
    case SQL_SMALLINT: return {ColumnKind::kInteger, 2};
    case SQL_INTEGER: return {ColumnKind::kInteger, 4};
    case SQL_BIGINT: return {ColumnKind::kInteger, 8};
    case SQL_REAL: return {ColumnKind::kDouble, 4};
    case SQL_FLOAT:
    case SQL_DOUBLE: return {ColumnKind::kDouble, 8};
    case SQL_DECIMAL:
    case SQL_NUMERIC:
      return ColumnTypeOf("decimal(" + std::to_string(size) + ", " + std::to_string(digits < 0 ? 0 : digits) + ")");
    case SQL_TYPE_DATE: return {ColumnKind::kDate, 3};
    case SQL_TYPE_TIME: return {ColumnKind::kDate, 5};
    case SQL_DATETIME:
    case SQL_TYPE_TIMESTAMP: return {ColumnKind::kDate, 8};
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY: return {ColumnKind::kBinary, Size(size)};
    default: return {};
  }
}

// Reads a long value in pieces: text as UTF-16, anything else as bytes.
bool ReadPieces(const Handle& statement, SQLUSMALLINT column, SQLSMALLINT cType, std::vector<char>& data, bool& null,
                ErrorList& errors) {
  constexpr size_t kPiece = 8192;
  const size_t terminator = cType == SQL_C_WCHAR ? sizeof(SQLWCHAR) : 0;
  char piece[kPiece];
  null = false;
  for (;;) {
    SQLLEN indicator = 0;
    SQLRETURN rc = SQLGetData(statement.get(), column, cType, piece, kPiece, &indicator);
    if (rc == SQL_NO_DATA) return true;
    if (Failed(rc, statement, errors)) return false;
    if (indicator == SQL_NULL_DATA) {
      null = true;
      return true;
    }
    size_t got = indicator == SQL_NO_TOTAL || static_cast<size_t>(indicator) > kPiece - terminator
                     ? kPiece - terminator
                     : static_cast<size_t>(indicator);
    if (rc == SQL_SUCCESS) got = std::min(got, kPiece - terminator);
    data.insert(data.end(), piece, piece + got);
    if (rc == SQL_SUCCESS) return true;
  }
}

template <typename T>
bool ReadFixed(const Handle& statement, SQLUSMALLINT column, SQLSMALLINT cType, T& out, bool& null,
               ErrorList& errors) {
  SQLLEN indicator = 0;
  if (Failed(SQLGetData(statement.get(), column, cType, &out, sizeof out, &indicator), statement, errors)) {
    return false;
  }
  null = indicator == SQL_NULL_DATA;
  return true;
}

}  // namespace

std::vector<OdbcColumn> DescribeColumns(const Handle& statement, ErrorList& errors) {
  std::vector<OdbcColumn> columns;
  SQLSMALLINT count = 0;
  if (Failed(SQLNumResultCols(statement.get(), &count), statement, errors)) return columns;
  for (SQLUSMALLINT i = 1; i <= static_cast<SQLUSMALLINT>(count); ++i) {
    SQLWCHAR name[512] = {};
    SQLSMALLINT nameLength = 0, sqlType = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    if (Failed(SQLDescribeColW(statement.get(), i, name, 512, &nameLength, &sqlType, &size, &digits, &nullable),
               statement, errors)) {
      return {};
    }
    OdbcColumn column;
    column.sqlType = sqlType;
    column.info.name = FromWide(name);
    column.info.type = TypeOf(sqlType, size, digits, Attribute(statement, i, SQL_DESC_TYPE_NAME));
    column.info.baseTable = Attribute(statement, i, SQL_DESC_BASE_TABLE_NAME);
    column.info.baseColumn = column.info.baseTable.empty() ? "" : Attribute(statement, i, SQL_DESC_BASE_COLUMN_NAME);
    columns.push_back(std::move(column));
  }
  return columns;
}

bool ReadValue(const Handle& statement, size_t index, const OdbcColumn& column, Variant& value, ErrorList& errors) {
  const auto number = static_cast<SQLUSMALLINT>(index + 1);
  bool null = false;
  switch (column.info.type.kind) {
    case ColumnKind::kInteger: {
      SQLBIGINT n = 0;
      if (!ReadFixed(statement, number, SQL_C_SBIGINT, n, null, errors)) return false;
      value = null ? Variant::Null() : Variant(static_cast<int64_t>(n));
      return true;
    }
    case ColumnKind::kDouble: {
      double d = 0;
      if (!ReadFixed(statement, number, SQL_C_DOUBLE, d, null, errors)) return false;
      value = null ? Variant::Null() : Variant(d);
      return true;
    }
    case ColumnKind::kBoolean: {
      unsigned char bit = 0;
      if (!ReadFixed(statement, number, SQL_C_BIT, bit, null, errors)) return false;
      value = null ? Variant::Null() : Variant(bit != 0);
      return true;
    }
    case ColumnKind::kDate: {
      if (column.sqlType == SQL_TYPE_TIME) {
        SQL_TIME_STRUCT t{};
        if (!ReadFixed(statement, number, SQL_C_TYPE_TIME, t, null, errors)) return false;
        value = null ? Variant::Null() : Variant(DateTime{1899, 12, 30, t.hour, t.minute, t.second});
        return true;
      }
      SQL_TIMESTAMP_STRUCT t{};
      if (!ReadFixed(statement, number, SQL_C_TYPE_TIMESTAMP, t, null, errors)) return false;
      value = null ? Variant::Null() : Variant(DateTime{t.year, t.month, t.day, t.hour, t.minute, t.second});
      return true;
    }
    case ColumnKind::kBinary: {
      std::vector<char> data;
      if (!ReadPieces(statement, number, SQL_C_BINARY, data, null, errors)) return false;
      value = null ? Variant::Null() : Variant(std::string(data.begin(), data.end()));
      return true;
    }
    default: {
      // Text, and amounts as their exact decimal text.
      std::vector<char> data;
      if (!ReadPieces(statement, number, SQL_C_WCHAR, data, null, errors)) return false;
      if (null) {
        value = Variant::Null();
        return true;
      }
      std::vector<SQLWCHAR> wide(data.size() / sizeof(SQLWCHAR));
      if (!wide.empty()) std::memcpy(wide.data(), data.data(), wide.size() * sizeof(SQLWCHAR));
      value = ValueOfKind(column.info.type.kind, Variant(FromWide(wide.data(), wide.size())));
      return true;
    }
  }
}

namespace {

// A parameter of `cType` holding `size` bytes from `bytes`.
Parameter Make(SQLSMALLINT cType, SQLSMALLINT sqlType, SQLULEN columnSize, const void* bytes, size_t size,
               SQLSMALLINT digits = 0) {
  Parameter p;
  p.cType = cType;
  p.sqlType = sqlType;
  p.size = columnSize;
  p.digits = digits;
  p.data.assign(static_cast<const char*>(bytes), static_cast<const char*>(bytes) + size);
  p.indicator = static_cast<SQLLEN>(size);
  return p;
}

}  // namespace

Parameter MakeParameter(const Variant& value) {
  switch (value.Type()) {
    case VariantType::kInteger: {
      const SQLBIGINT n = value.ToInteger();
      return Make(SQL_C_SBIGINT, SQL_BIGINT, 19, &n, sizeof n);
    }
    case VariantType::kDouble: {
      const double d = value.ToDouble();
      return Make(SQL_C_DOUBLE, SQL_DOUBLE, 15, &d, sizeof d);
    }
    case VariantType::kCurrency: {
      // As its exact decimal text.
      const std::string text = value.ToCurrency().ToString();
      return Make(SQL_C_CHAR, SQL_DECIMAL, 19, text.data(), text.size(), 4);
    }
    case VariantType::kDate: {
      const DateTime d = value.ToDate();
      SQL_TIMESTAMP_STRUCT t{};
      t.year = static_cast<SQLSMALLINT>(d.year);
      t.month = static_cast<SQLUSMALLINT>(d.month);
      t.day = static_cast<SQLUSMALLINT>(d.day);
      t.hour = static_cast<SQLUSMALLINT>(d.hour);
      t.minute = static_cast<SQLUSMALLINT>(d.minute);
      t.second = static_cast<SQLUSMALLINT>(d.second);
      return Make(SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP, 19, &t, sizeof t);
    }
    case VariantType::kBoolean: {
      const unsigned char bit = value.ToBoolean() ? 1 : 0;
      return Make(SQL_C_BIT, SQL_BIT, 1, &bit, sizeof bit);
    }
    default: {
      const WideText wide = ToWide(value.ToText());
      const size_t chars = wide.size() - 1;
      return Make(SQL_C_WCHAR, chars > 4000 ? SQL_WLONGVARCHAR : SQL_WVARCHAR, std::max<size_t>(chars, 1),
                  wide.data(), chars * sizeof(SQLWCHAR));
    }
  }
}

bool BindParameters(const Handle& statement, std::vector<Parameter>& parameters, ErrorList& errors) {
  for (size_t i = 0; i < parameters.size(); ++i) {
    Parameter& p = parameters[i];
    if (p.data.empty()) p.data.push_back(0);  // a buffer even for an empty text
    SQLRETURN rc = SQLBindParameter(statement.get(), static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT, p.cType,
                                    p.sqlType, p.size, p.digits, p.data.data(), static_cast<SQLLEN>(p.data.size()),
                                    &p.indicator);
    if (Failed(rc, statement, errors)) return false;
  }
  return true;
}

bool Comparable(const ColumnInfo& column) {
  if (column.type.kind == ColumnKind::kBinary) return false;
  return !(column.type.kind == ColumnKind::kText && column.type.definedSize > 8000);
}

}  // namespace tramvel::ado::odbc
