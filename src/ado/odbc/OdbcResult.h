#pragma once

#include <deque>
#include <memory>
#include <string_view>

#include "ado/Engine.h"
#include "ado/odbc/OdbcSession.h"
#include "ado/odbc/OdbcValues.h"

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

// The rows of a single SELECT, read from the server as the caller moves on,
// so that a large table is never held in memory whole. Before any other
// statement runs on the session the rest is read into memory (Park): SQL
// Server answers one statement at a time on a connection.
class LiveRows final : public RowSource {
 public:
  LiveRows(OdbcSession& session, Handle statement, std::vector<OdbcColumn> columns);
  ~LiveRows() override;
  LiveRows(const LiveRows&) = delete;
  LiveRows& operator=(const LiveRows&) = delete;

  const std::vector<ColumnInfo>& Columns() const override { return infos_; }
  bool Next(std::vector<Variant>& values, Variant& identity, ErrorList& errors) override;

  // Reads the remaining rows into memory and lets the statement go.
  void Park();

 private:
  void Finish();

  OdbcSession& session_;
  Handle statement_;  // empty once every row is read
  std::vector<OdbcColumn> columns_;
  std::vector<ColumnInfo> infos_;
  std::deque<std::vector<Variant>> parked_;
  ErrorList parkedErrors_;
};

// Whether a batch is one SELECT on one line, whose rows can be read as the
// caller moves: nothing follows it that could fail or be skipped unread.
bool IsSingleSelect(std::string_view batch);

// Reads every row of the result open on `statement` (the one `sql` gave).
// With `identity`, a result of one table gives each row its key in the
// session's RowKeys and names its columns as the table stores them, so that
// the row can be written back. On an error the rows read so far are kept
// and the error is appended.
std::unique_ptr<ClientRows> FetchResult(OdbcSession& session, const Handle& statement, std::string_view sql,
                                        bool identity, ErrorList& errors);

}  // namespace tramvel::ado::odbc
