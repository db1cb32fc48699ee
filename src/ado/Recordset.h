#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ado/ColumnType.h"
#include "ado/Engine.h"
#include "ado/Variant.h"

namespace tramvel::ado {

class Connection;
class Recordset;
namespace detail {
struct ConnectionCore;
}

enum CursorTypeEnum : int { adOpenForwardOnly = 0, adOpenKeyset = 1, adOpenDynamic = 2, adOpenStatic = 3 };

enum LockTypeEnum : int {
  adLockReadOnly = 1,
  adLockPessimistic = 2,
  adLockOptimistic = 3,
  adLockBatchOptimistic = 4,
};

// One column of a recordset's current row.
class Field {
 public:
  const std::string& Name() const;
  // The value in the current row (3021 at BOF or EOF; 3704 when closed).
  const Variant& Value() const;
  // Assigns the current row's value (an updatable recordset only: 3251),
  // converted to the column's kind as ADO converts (a text into a date
  // column is read as a date); a value that does not convert, or a column
  // that is no plain column of the table, raises -2147217887.
  void SetValue(const Variant& value);
  // The size the declared type gives (varchar(40): 40, int: 4, datetime: 8).
  int32_t DefinedSize() const;
  // Of an exact number (money, decimal): its digits in all and after the point.
  int32_t Precision() const;
  int32_t NumericScale() const;
  ColumnKind Kind() const;

 private:
  friend class Recordset;
  Field(Recordset* owner, size_t index) : owner_(owner), index_(index) {}
  Recordset* owner_;
  size_t index_;
};

// A recordset's Fields: by name in any case, or by index from 0; an unknown
// name or index raises 3265.
class FieldCollection {
 public:
  size_t Count() const { return fields_.size(); }
  Field& Item(std::string_view name);
  Field& Item(size_t index);
  Field& operator[](std::string_view name) { return Item(name); }
  Field& operator[](size_t index) { return Item(index); }
  auto begin() { return fields_.begin(); }
  auto end() { return fields_.end(); }

 private:
  friend class Recordset;
  std::vector<Field> fields_;
};

// ADO's Recordset. Open runs a query, or reads a bare table name, on a
// connection; the rows are held client-side, except for a forward-only
// read-only cursor, which reads them as it moves. With any lock type but
// read-only, AddNew, Field::SetValue and Update write rows back to the one
// table the result reads, as an INSERT or as an UPDATE keyed by the row's
// identity; moving off a changed row updates it first, as ADO does.
//
// ADO's EOF property is Eof() here: EOF is a macro of the C library.
class Recordset {
 public:
  Recordset();
  ~Recordset();
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;

  // Opens `source`, a query or a table name, on `connection` with a cursor
  // type (adOpen..., -1 meaning forward-only) and a lock type (adLock...,
  // -1 meaning read-only). The connection's Errors are cleared first; a
  // database error fills them and raises -2147217900. A statement that
  // yields no rows leaves the recordset closed. Open when open: 3705; a
  // closed connection: 3709; other types: 3001.
  void Open(std::string_view source, Connection& connection, int cursorType = adOpenForwardOnly,
            int lockType = adLockReadOnly);

  // Closes (3704 when closed). A change not yet updated is dropped.
  void Close();

  int State() const;  // adStateClosed or adStateOpen
  // The types the next Open takes from a caller that passes the recordset's
  // own; settable while closed only (3705 when open), as in ADO.
  int CursorType() const;
  int LockType() const;
  void SetCursorType(int cursorType);
  void SetLockType(int lockType);

  // Before the first row / after the last; both when there is no row.
  bool Bof() const;
  bool Eof() const;
  void MoveFirst();
  void MoveNext();  // 3021 at EOF
  // The number of rows, -1 for a forward-only read-only cursor.
  int64_t RecordCount() const;

  FieldCollection& Fields();
  Field& Fields(std::string_view name) { return Fields().Item(name); }
  Field& Fields(size_t index) { return Fields().Item(index); }

  // A new empty row becomes the current one (updating a changed row first).
  void AddNew();
  // Writes the current row's changes; nothing to write does nothing. On an
  // error the changes stay pending.
  void Update();
  // Drops the current row's changes (an added row goes).
  void CancelUpdate();

 private:
  friend class Field;
  friend class Connection;

  struct Row {
    std::vector<Variant> values;
    Variant identity;
  };
  enum class Edit { kNone, kEditing, kAdding };

  // Takes over the rows of `source` (what `text` gave on `core`).
  void Adopt(std::shared_ptr<detail::ConnectionCore> core, std::unique_ptr<RowSource> source, std::string text,
             int cursorType, int lockType);
  bool Pull(Row& row);  // the next row of the source
  void SetField(size_t index, const Variant& value);
  void Release();       // closes without asking
  void RequireOpen() const;
  void RequireCurrent() const;
  void RequireUpdatable() const;
  Row& Current();
  const ColumnInfo& Column(size_t index) const;

  std::shared_ptr<detail::ConnectionCore> core_;
  bool open_ = false;
  int cursorType_ = adOpenForwardOnly;
  int lockType_ = adLockReadOnly;
  std::string text_;  // what Open ran, for a forward-only MoveFirst
  std::vector<ColumnInfo> columns_;
  FieldCollection fields_;
  std::string table_;  // the table rows are written back to; "" when none

  bool streaming_ = false;
  std::unique_ptr<RowSource> source_;  // while streaming
  bool moved_ = false;                 // streaming: left the first row
  std::vector<Row> rows_;              // every row, or the current one while streaming
  size_t position_ = 0;                // rows_.size() is EOF

  Edit edit_ = Edit::kNone;
  std::vector<bool> dirty_;
  Row saved_;               // the row before its changes
  size_t savedPosition_ = 0;  // the current row before AddNew
};

}  // namespace tramvel::ado
