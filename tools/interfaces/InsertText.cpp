#include "InsertText.h"

#include "CsvValues.h"
#include "ado/Connection.h"

namespace tramvel::interfaces {
namespace {

std::string Bracketed(const std::string& name) {
  std::string out = "[";
  for (char c : name) {
    out.push_back(c);
    if (c == ']') out.push_back(']');
  }
  return out + "]";
}

}  // namespace

std::string ValueLiteral(const ado::Connection& connection, const ado::Variant& value) {
  if (value.Type() == ado::VariantType::kDouble) return ShortestDoubleText(value.ToDouble());
  return connection.SqlLiteral(value);
}

std::string InsertText(const std::string& table, const std::vector<std::string>& columns,
                       std::span<const RowLiterals> rows) {
  std::string text = "INSERT INTO " + table + " (";
  for (std::size_t i = 0; i < columns.size(); ++i) text += (i > 0 ? ", " : "") + Bracketed(columns[i]);
  text += ") VALUES ";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) text += ", ";
    text += rows[i].values;
  }
  return text;
}

}  // namespace tramvel::interfaces
