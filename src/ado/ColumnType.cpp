#include "ado/ColumnType.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "platform/TextCase.h"

namespace tramvel::ado {
namespace {

constexpr int32_t kMaxSize = 2147483647;

struct TypeRow {
  std::string_view name;
  ColumnKind kind;
  int32_t size;        // the size when the type carries no length
  bool takesLength;    // "(n)" gives the size
};

// One row per SQL Server type name (and SQLite's INTEGER of identity columns).
constexpr TypeRow kTypes[] = {
    {"char", ColumnKind::kText, 1, true},
    {"varchar", ColumnKind::kText, 1, true},
    {"nchar", ColumnKind::kText, 1, true},
    {"nvarchar", ColumnKind::kText, 1, true},
    {"character", ColumnKind::kText, 1, true},
    {"text", ColumnKind::kText, kMaxSize, false},
    {"ntext", ColumnKind::kText, 1073741823, false},
    {"sysname", ColumnKind::kText, 128, false},
    {"uniqueidentifier", ColumnKind::kText, 16, false},
    {"xml", ColumnKind::kText, kMaxSize, false},
    {"bigint", ColumnKind::kInteger, 8, false},
    {"int", ColumnKind::kInteger, 4, false},
    {"integer", ColumnKind::kInteger, 4, false},
    {"smallint", ColumnKind::kInteger, 2, false},
    {"tinyint", ColumnKind::kInteger, 1, false},
    {"float", ColumnKind::kDouble, 8, false},
    {"double", ColumnKind::kDouble, 8, false},
    {"real", ColumnKind::kDouble, 4, false},
    {"money", ColumnKind::kCurrency, 8, false},
    {"smallmoney", ColumnKind::kCurrency, 4, false},
    {"datetime", ColumnKind::kDate, 8, false},
    {"smalldatetime", ColumnKind::kDate, 4, false},
    {"datetime2", ColumnKind::kDate, 8, false},
    {"date", ColumnKind::kDate, 3, false},
    {"time", ColumnKind::kDate, 5, false},
    {"timestamp", ColumnKind::kBinary, 8, false},
    {"bit", ColumnKind::kBoolean, 2, false},
    {"boolean", ColumnKind::kBoolean, 2, false},
    {"binary", ColumnKind::kBinary, 1, true},
    {"varbinary", ColumnKind::kBinary, 1, true},
    {"image", ColumnKind::kBinary, kMaxSize, false},
    {"blob", ColumnKind::kBinary, kMaxSize, false},
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// "decimal(18, 4)": precision and scale between the parentheses after `end`.
ColumnType ExactNumberType(const std::string& type, size_t end) {
  int32_t numbers[2] = {18, 0};
  size_t open = type.find('(', end);
  if (open != std::string::npos) {
    size_t at = open + 1;
    for (int32_t& number : numbers) {
      while (at < type.size() && IsBlank(type[at])) ++at;
      if (at >= type.size() || !std::isdigit(static_cast<unsigned char>(type[at]))) break;
      number = 0;
      while (at < type.size() && std::isdigit(static_cast<unsigned char>(type[at]))) {
        number = std::min(number * 10 + (type[at++] - '0'), 38);
      }
      while (at < type.size() && IsBlank(type[at])) ++at;
      if (at >= type.size() || type[at] != ',') break;
      ++at;
    }
  }
  const bool currency = numbers[1] <= 4 && numbers[0] - numbers[1] <= 14;
  return {currency ? ColumnKind::kCurrency : ColumnKind::kDouble, 19, numbers[0], numbers[1]};
}

}  // namespace

ColumnType ColumnTypeOf(std::string_view declared) {
  std::string type = ToLower(declared);
  size_t start = 0;
  while (start < type.size() && IsBlank(type[start])) ++start;
  size_t end = start;
  while (end < type.size() && (std::isalnum(static_cast<unsigned char>(type[end])) || type[end] == '_')) ++end;
  std::string_view name = std::string_view(type).substr(start, end - start);
  // "double precision", "national character varying" and the like: the first word decides.
  if (name == "decimal" || name == "numeric") return ExactNumberType(type, end);
  for (const TypeRow& row : kTypes) {
    if (row.name != name) continue;
    ColumnType result{row.kind, row.size};
    if (row.kind == ColumnKind::kCurrency) {
      result.precision = row.size == 8 ? 19 : 10;
      result.scale = 4;
    }
    if (row.takesLength) {
      size_t open = type.find('(', end);
      if (open != std::string::npos) {
        std::string_view inside = std::string_view(type).substr(open + 1);
        inside = inside.substr(0, inside.find(')'));
        while (!inside.empty() && IsBlank(inside.front())) inside.remove_prefix(1);
        while (!inside.empty() && IsBlank(inside.back())) inside.remove_suffix(1);
        if (inside == "max") {
          result.definedSize = kMaxSize;
        } else {
          int64_t n = 0;
          for (char c : inside) {
            if (!std::isdigit(static_cast<unsigned char>(c))) break;
            n = std::min<int64_t>(n * 10 + (c - '0'), kMaxSize);
          }
          if (n > 0) result.definedSize = static_cast<int32_t>(n);
        }
      }
    }
    return result;
  }
  return {};
}

Variant ValueOfKind(ColumnKind kind, Variant value) {
  if (value.IsNull() || value.IsEmpty()) return value;
  VariantType type = value.Type();
  switch (kind) {
    case ColumnKind::kDate:
      if (type == VariantType::kText) {
        if (auto date = ParseDateText(value.ToText())) return *date;
        return value;
      }
      if (type == VariantType::kInteger || type == VariantType::kDouble) {
        // SQL Server reads a number as days since 01/01/1900.
        double serial = value.ToDouble() + 2;
        if (serial > -657435.0 && serial < 2958466.0) return SerialToDate(serial);
      }
      return value;
    case ColumnKind::kCurrency:
      if (type == VariantType::kText) {
        if (auto amount = Currency::Parse(value.ToText())) return *amount;
        return value;
      }
      if (type == VariantType::kInteger) return Currency::FromInteger(value.ToInteger());
      if (type == VariantType::kDouble) return Currency::FromDouble(value.ToDouble());
      return value;
    case ColumnKind::kBoolean:
      if (type == VariantType::kInteger || type == VariantType::kDouble) return value.ToDouble() != 0;
      if (type == VariantType::kText) {
        std::string text = ToLower(value.ToText());
        if (text == "true") return true;
        if (text == "false") return false;
        if (auto number = ParseNumberText(text)) return *number != 0;
      }
      return value;
    case ColumnKind::kDouble:
      if (type == VariantType::kInteger) return value.ToDouble();
      // A decimal kept as its text (the embedded engine's exact numbers).
      if (type == VariantType::kText) {
        if (auto number = ParseNumberText(value.ToText())) return *number;
      }
      return value;
    case ColumnKind::kText:
      if (type == VariantType::kInteger || type == VariantType::kDouble) return value.ToText();
      return value;
    case ColumnKind::kUnknown:
      // An expression over dates gives the stored ISO text back: read it as a date.
      if (type == VariantType::kText) {
        const std::string text = value.ToText();
        if (text.size() >= 19 && text[4] == '-' && text[7] == '-' && text[10] == ' ' && text[13] == ':' &&
            text[16] == ':') {
          if (auto date = ParseDateText(text)) return *date;
        }
      }
      return value;
    default:
      return value;
  }
}

std::optional<Variant> CoerceToKind(ColumnKind kind, const Variant& value) {
  if (value.IsNull() || value.IsEmpty()) return value;
  const bool isText = value.Type() == VariantType::kText;
  switch (kind) {
    case ColumnKind::kText:
      return Variant(value.ToText());
    case ColumnKind::kInteger: {
      if (value.Type() == VariantType::kInteger) return value;
      if (isText) {
        auto number = ParseNumberText(value.ToText());
        if (!number) return std::nullopt;
        return Variant(Variant(*number).ToInteger());
      }
      return Variant(value.ToInteger());
    }
    case ColumnKind::kDouble:
      if (value.Type() == VariantType::kInteger) return value;
      if (isText) {
        auto number = ParseNumberText(value.ToText());
        if (!number) return std::nullopt;
        return Variant(*number);
      }
      return Variant(value.ToDouble());
    case ColumnKind::kCurrency:
      if (isText) {
        auto amount = Currency::Parse(value.ToText());
        if (!amount) return std::nullopt;
        return Variant(*amount);
      }
      return Variant(value.ToCurrency());
    case ColumnKind::kDate:
      if (isText) {
        auto date = ParseDateText(value.ToText());
        if (!date) return std::nullopt;
        return Variant(*date);
      }
      return Variant(value.ToDate());
    case ColumnKind::kBoolean:
      if (isText) {
        Variant read = ValueOfKind(ColumnKind::kBoolean, value);
        if (read.Type() != VariantType::kBoolean) return std::nullopt;
        return read;
      }
      return Variant(value.ToBoolean());
    default:
      return value;
  }
}

}  // namespace tramvel::ado
