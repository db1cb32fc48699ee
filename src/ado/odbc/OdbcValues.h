#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>
#include <vector>

#include "ado/Engine.h"
#include "ado/odbc/OdbcDiagnostics.h"

namespace tramvel::ado::odbc {

// A result column as the driver describes it, with the ODBC type it is read as.
struct OdbcColumn {
  ColumnInfo info;
  SQLSMALLINT sqlType = SQL_UNKNOWN_TYPE;
};

// The columns of the result open on `statement`: names, kinds and sizes from
// the driver's types (money and smallmoney are Currency by their type name),
// base table and column where the driver tells them.
std::vector<OdbcColumn> DescribeColumns(const Handle& statement, ErrorList& errors);

// The value of column `index` (from 0) of the current row, of its column's
// kind; false on an error, appended to `errors`.
bool ReadValue(const Handle& statement, size_t index, const OdbcColumn& column, Variant& value, ErrorList& errors);

// One statement parameter, its buffers kept alive until the statement runs.
struct Parameter {
  SQLSMALLINT cType = SQL_C_CHAR;
  SQLSMALLINT sqlType = SQL_VARCHAR;
  SQLULEN size = 1;
  SQLSMALLINT digits = 0;
  std::vector<char> data;
  SQLLEN indicator = 0;
};

// A value as a parameter (not Empty or Null: those are written as NULL in
// the statement's text).
Parameter MakeParameter(const Variant& value);

// Binds the parameters in order from 1; false on an error.
bool BindParameters(const Handle& statement, std::vector<Parameter>& parameters, ErrorList& errors);

// Whether a value of this column can stand in a WHERE as "column = ?": long
// texts and binary values cannot, on SQL Server.
bool Comparable(const ColumnInfo& column);

}  // namespace tramvel::ado::odbc
