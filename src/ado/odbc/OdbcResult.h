#pragma once

#include <memory>
#include <string_view>

#include "ado/Engine.h"
#include "ado/odbc/OdbcSession.h"

namespace tramvel::ado::odbc {

// Rows read into the client.
class ClientRows final : public RowSource {
 public:
  struct Row {
    std::vector<Variant> values;
    Variant identity;
  };
  ClientRows(std::vector<ColumnInfo> columns, std::vector<Row> rows)
      : columns_(std::move(columns)), rows_(std::move(rows)) {}

  const std::vector<ColumnInfo>& Columns() const override { return columns_; }
  bool Next(std::vector<Variant>& values, Variant& identity, ErrorList&) override;

 private:
  std::vector<ColumnInfo> columns_;
  std::vector<Row> rows_;
  size_t next_ = 0;
};

// Reads every row of the result open on `statement` (the one `sql` gave).
// With `identity`, a result of one table gives each row its key in the
// session's RowKeys and names its columns as the table stores them, so that
// the row can be written back. On an error the rows read so far are kept
// and the error is appended.
std::unique_ptr<ClientRows> FetchResult(OdbcSession& session, const Handle& statement, std::string_view sql,
                                        bool identity, ErrorList& errors);

}  // namespace tramvel::ado::odbc
