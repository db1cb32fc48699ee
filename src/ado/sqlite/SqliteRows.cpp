#include "ado/sqlite/SqliteRows.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "ado/ColumnType.h"
#include "ado/sqlite/SqliteReport.h"

namespace tramvel::ado::sqlite {
namespace {

size_t Utf8Length(const std::string& text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

class LiveRows final : public RowSource {
 public:
  LiveRows(Statement statement, bool identity, std::string sql, std::string database)
      : statement_(std::move(statement)), identity_(identity), sql_(std::move(sql)), database_(std::move(database)) {
    sqlite3_stmt* s = statement_.get();
    for (int i = identity_ ? 1 : 0; i < sqlite3_column_count(s); ++i) {
      ColumnInfo column;
      column.name = Or(sqlite3_column_name(s, i), "");
      column.type = ColumnTypeOf(Or(sqlite3_column_decltype(s, i), ""));
      column.baseTable = Or(sqlite3_column_table_name(s, i), "");
      column.baseColumn = Or(sqlite3_column_origin_name(s, i), "");
      columns_.push_back(std::move(column));
    }
  }

  const std::vector<ColumnInfo>& Columns() const override { return columns_; }

  bool Next(std::vector<Variant>& values, Variant& identity, ErrorList& errors) override {
    if (!statement_) return false;
    sqlite3_stmt* s = statement_.get();
    int rc = sqlite3_step(s);
    if (rc != SQLITE_ROW) {
      if (rc != SQLITE_DONE) {
        sqlite3* db = sqlite3_db_handle(s);
        Report(db, sqlite3_extended_errcode(db), sqlite3_errmsg(db), sql_, database_, errors);
      }
      statement_.reset();
      return false;
    }
    int offset = identity_ ? 1 : 0;
    values.clear();
    for (size_t i = 0; i < columns_.size(); ++i) {
      values.push_back(ReadColumn(s, static_cast<int>(i) + offset, columns_[i].type.kind));
    }
    identity = identity_ && sqlite3_column_type(s, 0) != SQLITE_NULL
                   ? Variant(static_cast<int64_t>(sqlite3_column_int64(s, 0)))
                   : Variant();
    if (first_) {
      first_ = false;
      // An expression has no declared type: its first value tells its size.
      for (size_t i = 0; i < columns_.size(); ++i) {
        ColumnType& type = columns_[i].type;
        if (type.kind != ColumnKind::kUnknown) continue;
        switch (values[i].Type()) {
          case VariantType::kText:
            type.definedSize = static_cast<int32_t>(std::max<size_t>(1, Utf8Length(values[i].ToText())));
            break;
          case VariantType::kInteger: {
            int64_t n = values[i].ToInteger();
            type.definedSize = n >= INT32_MIN && n <= INT32_MAX ? 4 : 8;
            break;
          }
          case VariantType::kNull: break;
          default: type.definedSize = 8;
        }
      }
    }
    return true;
  }

 private:
  Statement statement_;
  bool identity_;
  std::string sql_;
  std::string database_;
  std::vector<ColumnInfo> columns_;
  bool first_ = true;
};

class BufferedRows final : public RowSource {
 public:
  explicit BufferedRows(RowSource& source, ErrorList& errors) {
    std::vector<Variant> values;
    Variant identity;
    while (source.Next(values, identity, errors)) rows_.push_back({values, identity});
    columns_ = source.Columns();
  }
  const std::vector<ColumnInfo>& Columns() const override { return columns_; }
  bool Next(std::vector<Variant>& values, Variant& identity, ErrorList&) override {
    if (next_ >= rows_.size()) return false;
    values = rows_[next_].first;
    identity = rows_[next_].second;
    ++next_;
    return true;
  }

 private:
  std::vector<ColumnInfo> columns_;
  std::vector<std::pair<std::vector<Variant>, Variant>> rows_;
  size_t next_ = 0;
};

}  // namespace

Variant ReadColumn(sqlite3_stmt* statement, int index, ColumnKind kind) {
  Variant value;
  switch (sqlite3_column_type(statement, index)) {
    case SQLITE_INTEGER: value = Variant(static_cast<int64_t>(sqlite3_column_int64(statement, index))); break;
    case SQLITE_FLOAT: value = Variant(sqlite3_column_double(statement, index)); break;
    case SQLITE_TEXT:
      value = Variant(Text(sqlite3_column_text(statement, index), sqlite3_column_bytes(statement, index)));
      break;
    case SQLITE_BLOB: {
      const void* blob = sqlite3_column_blob(statement, index);
      int bytes = sqlite3_column_bytes(statement, index);
      value = Variant(std::string(static_cast<const char*>(blob), static_cast<size_t>(blob ? bytes : 0)));
      break;
    }
    default: value = Variant::Null();
  }
  return ValueOfKind(kind, std::move(value));
}

void Bind(sqlite3_stmt* statement, int index, const Variant& value) {
  switch (value.Type()) {
    case VariantType::kEmpty:
    case VariantType::kNull: sqlite3_bind_null(statement, index); break;
    case VariantType::kText: {
      std::string text = value.ToText();
      sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
      break;
    }
    case VariantType::kDouble: sqlite3_bind_double(statement, index, value.ToDouble()); break;
    case VariantType::kInteger: sqlite3_bind_int64(statement, index, value.ToInteger()); break;
    case VariantType::kCurrency: {
      // As its decimal text: an amount column keeps it exactly, a numeric
      // column converts it as it converts any number.
      std::string text = value.ToCurrency().ToString();
      sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
      break;
    }
    case VariantType::kDate: {
      std::string text = FormatIsoDateTime(value.ToDate());
      sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
      break;
    }
    case VariantType::kBoolean: sqlite3_bind_int(statement, index, value.ToBoolean() ? 1 : 0); break;
  }
}

std::unique_ptr<RowSource> StepRows(Statement statement, bool identity, std::string sql, std::string database) {
  return std::make_unique<LiveRows>(std::move(statement), identity, std::move(sql), std::move(database));
}

std::unique_ptr<RowSource> BufferRows(RowSource& source, ErrorList& errors) {
  return std::make_unique<BufferedRows>(source, errors);
}

}  // namespace tramvel::ado::sqlite
