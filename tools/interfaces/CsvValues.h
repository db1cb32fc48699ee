#pragma once

#include <string>

#include "CsvField.h"
#include "ado/ColumnType.h"
#include "ado/Variant.h"

namespace tramvel::interfaces {

// The forms of the master-data files, the same on every site whatever its
// regional settings: dates ISO "2014-05-06 18:37:05", numbers with a point
// and every digit a double needs to come back unchanged, Currency exact to
// its four decimals, Booleans 1 and 0, texts as they stand.

// The field of a value read from a column of `kind`; false when the value
// does not fit the column (a text left in a date column), so that the export
// refuses it at the source rather than the import at every site.
bool ToCsvField(const ado::Variant& value, ado::ColumnKind kind, CsvField& field);

// The value a field gives a column of `kind`; false when the text is none of
// the kind's forms. A Null field is a Null of any kind.
bool FromCsvField(const CsvField& field, ado::ColumnKind kind, ado::Variant& value);

// The shortest text that reads back as the same double ("0.1", "1e+20").
std::string ShortestDoubleText(double number);

// What the files hold for a kind, for a message about a field that does not
// fit it.
std::string CsvFormOfKind(ado::ColumnKind kind);

}  // namespace tramvel::interfaces
