#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tramvel::ado::sqlite {

// Turns a T-SQL batch, as the system sends it to SQL Server, into the
// statements SQLite runs, one per element, in order. A pure function: the same
// batch always gives the same statements. What it does:
//  - splits the batch at semicolons and where a line break starts a new
//    statement (T-SQL needs no separator); CREATE VIEW/PROCEDURE/FUNCTION/
//    TRIGGER and IF/WHILE keep the rest of the batch (SQLite has no
//    procedures and no control flow: such a statement fails as a whole,
//    102, and the batch stops there);
//  - drops table hints (with(nolock), (NOLOCK), WITH (ROWLOCK, UPDLOCK)),
//    index options (WITH (PAD_INDEX = OFF, ...), WITH FILLFACTOR = 90),
//    "dbo." and "[dbo].", ON [PRIMARY], TEXTIMAGE_ON [PRIMARY], CLUSTERED and
//    NONCLUSTERED, the N of N'...' literals;
//  - TOP n and TOP (n) become LIMIT n at the end of their SELECT (TOP 100
//    PERCENT goes); LEN(x) becomes length(rtrim(x)); ISNULL( ifnull(;
//    GETDATE() and CURRENT_TIMESTAMP the local date and time as text,
//    also inside DEFAULT clauses; @@IDENTITY and SCOPE_IDENTITY()
//    last_insert_rowid(); varchar(max) varchar(2147483647);
//    COLLATE <any> COLLATE NOCASE (BINARY for a _CS or _BIN collation);
//  - CREATE TABLE: an IDENTITY column becomes INTEGER PRIMARY KEY
//    AUTOINCREMENT (a separate primary key on it goes, one on other columns
//    becomes UNIQUE); every column gets what AdaptColumn (ColumnRules.h)
//    gives its type: text columns COLLATE NOCASE, the server's
//    case-insensitive comparison, and a check of their declared length;
//    money and decimal columns their exact decimal text;
//  - ALTER TABLE t ADD a ..., b ...: one ALTER TABLE per column (adapted
//    the same way); ADD CONSTRAINT c UNIQUE|PRIMARY KEY
//    (cols): CREATE UNIQUE INDEX c ON t (cols);
//  - DROP INDEX t.ix and DROP INDEX ix ON t: DROP INDEX ix;
//  - BEGIN TRAN[SACTION] [name], COMMIT ..., ROLLBACK ...: "BEGIN", "COMMIT",
//    "ROLLBACK";
//  - SET NOCOUNT, ARITHABORT, DATEFORMAT, ANSI_NULLS, QUOTED_IDENTIFIER, ...,
//    ALTER DATABASE ... SET ..., and PRINT: nothing (no statement);
//  - square-bracket identifiers become double-quoted ones;
//  - IF [NOT] EXISTS (a question to sysobjects ...) before a DROP or CREATE:
//    SQLite's own IF [NOT] EXISTS clause (TSqlExistenceGuards.h).
// Text inside string literals is never touched. Comments go; each statement
// comes back on one line, its blanks collapsed to single blanks. EXEC, USE
// and CREATE DATABASE pass as written: the engine answers them itself.
std::vector<std::string> AdaptTSql(std::string_view batch);

enum class StatementKind {
  kOther,
  kSelect,
  kInsert,
  kUpdate,
  kDelete,
  kCreateTable,
  kCreateView,
  kCreateIndex,
  kCreateDatabase,
  kAlterTable,
  kDropTable,
  kDropView,
  kDropIndex,
  kBegin,
  kCommit,
  kRollback,
  kExec,
  kUse,
};

// What an adapted statement does, read from its first words: its kind, the
// object it names (table, view, index, procedure or database; unquoted,
// without a schema) and, for CREATE INDEX, the table.
struct StatementInfo {
  StatementKind kind = StatementKind::kOther;
  std::string object;
  std::string table;
};

StatementInfo DescribeStatement(std::string_view statement);

// A name as a double-quoted identifier ("a""b" for a"b).
std::string QuoteIdentifier(std::string_view name);

}  // namespace tramvel::ado::sqlite
