#include "CsvValues.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "Utf8.h"

namespace tramvel::interfaces {
namespace {

using ado::ColumnKind;
using ado::Variant;
using ado::VariantType;

bool Fits(VariantType type, ColumnKind kind) {
  switch (kind) {
    case ColumnKind::kUnknown: return true;
    case ColumnKind::kText: return type == VariantType::kText;
    case ColumnKind::kInteger: return type == VariantType::kInteger;
    case ColumnKind::kDouble: return type == VariantType::kDouble || type == VariantType::kInteger;
    case ColumnKind::kCurrency: return type == VariantType::kCurrency;
    case ColumnKind::kDate: return type == VariantType::kDate;
    case ColumnKind::kBoolean: return type == VariantType::kBoolean;
    case ColumnKind::kBinary: return false;
  }
  return false;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool ReadInteger(const std::string& text, Variant& value) {
  int64_t number = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  if (error != std::errc() || stop != end) return false;
  value = Variant(number);
  return true;
}

bool ReadDouble(const std::string& text, Variant& value) {
  double number = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  if (error != std::errc() || stop != end || !std::isfinite(number)) return false;
  value = Variant(number);
  return true;
}

// Digits, optionally signed, with at most four decimals after a point: a
// fifth decimal would be rounded away, and that is no exact copy.
bool ReadCurrency(const std::string& text, Variant& value) {
  std::size_t i = text.empty() || text[0] != '-' ? 0 : 1;
  const std::size_t digits = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  if (i == digits) return false;
  if (i < text.size()) {
    if (text[i] != '.') return false;
    const std::size_t decimals = ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i != text.size() || i == decimals || i - decimals > 4) return false;
  }
  const std::optional<Currency> amount = Currency::Parse(text);
  if (!amount) return false;
  value = Variant(*amount);
  return true;
}

bool ReadDate(const std::string& text, Variant& value) {
  // ISO only: a day/month/year text would read differently on each site.
  if (text.size() < 10 || text[4] != '-' || text[7] != '-' || !IsDigit(text.back())) return false;
  const std::optional<DateTime> date = ado::ParseDateText(text);
  if (!date) return false;
  value = Variant(*date);
  return true;
}

bool ReadBoolean(const std::string& text, Variant& value) {
  if (text == "1" || text == "-1") {
    value = Variant(true);
  } else if (text == "0") {
    value = Variant(false);
  } else {
    return false;
  }
  return true;
}

}  // namespace

std::string ShortestDoubleText(double number) {
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, number);
  return error == std::errc() ? std::string(buffer, end) : std::string();
}

bool ToCsvField(const Variant& value, ColumnKind kind, CsvField& field) {
  if (value.IsNull() || value.IsEmpty()) {
    field.reset();
    return true;
  }
  if (!Fits(value.Type(), kind)) return false;
  switch (value.Type()) {
    case VariantType::kText:
      if (!IsValidUtf8(value.ToText())) return false;
      field = value.ToText();
      return true;
    case VariantType::kDouble:
      if (!std::isfinite(value.ToDouble())) return false;
      field = ShortestDoubleText(value.ToDouble());
      return true;
    case VariantType::kDate: field = ado::FormatIsoDateTime(value.ToDate()); return true;
    case VariantType::kBoolean: field.emplace(1, value.ToBoolean() ? '1' : '0'); return true;
    default: field = value.ToText(); return true;  // integers and Currency: exact already
  }
}

bool FromCsvField(const CsvField& field, ColumnKind kind, Variant& value) {
  if (!field) {
    value = Variant::Null();
    return true;
  }
  const std::string& text = *field;
  switch (kind) {
    case ColumnKind::kUnknown:
    case ColumnKind::kText: value = Variant(text); return true;
    case ColumnKind::kInteger: return ReadInteger(text, value);
    case ColumnKind::kDouble: return ReadDouble(text, value);
    case ColumnKind::kCurrency: return ReadCurrency(text, value);
    case ColumnKind::kDate: return ReadDate(text, value);
    case ColumnKind::kBoolean: return ReadBoolean(text, value);
    case ColumnKind::kBinary: return false;
  }
  return false;
}

std::string CsvFormOfKind(ColumnKind kind) {
  switch (kind) {
    case ColumnKind::kUnknown:
    case ColumnKind::kText: return "un texto UTF-8";
    case ColumnKind::kInteger: return "un número entero";
    case ColumnKind::kDouble: return "un número con punto decimal";
    case ColumnKind::kCurrency: return "un importe con punto decimal y a lo sumo cuatro decimales";
    case ColumnKind::kDate: return "una fecha aaaa-mm-dd hh:mm:ss";
    case ColumnKind::kBoolean: return "1 o 0";
    case ColumnKind::kBinary: return "nada: las columnas binarias no viajan";
  }
  return "nada";
}

}  // namespace tramvel::interfaces
