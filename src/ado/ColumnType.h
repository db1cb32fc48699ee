#pragma once

#include <cstdint>
#include <string_view>

#include "ado/Variant.h"

namespace tramvel::ado {

// What a column holds, as its declared SQL Server type says.
enum class ColumnKind {
  kUnknown,   // no declared type (an expression): values keep their own kind
  kText,      // char, varchar, nchar, nvarchar, text, ntext, uniqueidentifier, ...
  kInteger,   // bigint, int, smallint, tinyint
  kDouble,    // float, real, decimal, numeric
  kCurrency,  // money, smallmoney
  kDate,      // datetime, smalldatetime, date, time, datetime2
  kBoolean,   // bit
  kBinary,    // binary, varbinary, image
};

struct ColumnType {
  ColumnKind kind = ColumnKind::kUnknown;
  int32_t definedSize = 0;  // ADO's DefinedSize; 0 when the type does not say
  // Of an exact number (money, smallmoney, decimal, numeric): ADO's
  // Precision and NumericScale, the digits in all and after the point; 0
  // for other types.
  int32_t precision = 0;
  int32_t scale = 0;
};

// The kind and defined size of a declared type, in any case, with or without
// its length: "varchar(40)" is text of 40, "int" 4, "datetime" 8, "money" 8,
// "bit" 2, "varchar(max)" and "text" 2147483647. Only the first word counts
// ("money text" is money). Money is Currency of precision 19, smallmoney of
// 10, both of scale 4; decimal(p, s) and numeric(p, s) (18 and 0 when not
// written) are Currency when Currency holds every value they can (s at most
// 4, p - s at most 14), a double otherwise.
ColumnType ColumnTypeOf(std::string_view declaredType);

// A value of a column of `kind` as the application expects to see it: dates
// read from ISO or day/month/year text, money as Currency, bit as Boolean.
// A value that does not convert stays as it came.
Variant ValueOfKind(ColumnKind kind, Variant value);

// A value assigned to a field of `kind`, converted as ADO converts it on
// assignment (a text into a date field is read as a date, ...). Empty and
// Null stay. Nullopt when the value does not convert.
std::optional<Variant> CoerceToKind(ColumnKind kind, const Variant& value);

}  // namespace tramvel::ado
