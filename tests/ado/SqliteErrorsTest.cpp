#include "ado/sqlite/SqliteErrors.h"

#include <gtest/gtest.h>

namespace tramvel::ado::sqlite {
namespace {

struct Case {
  int code;
  std::string message;
  const char* statement;
  const char* constraint;
  int32_t native;
  const char* description;
  bool terminated;  // followed by 3621
  bool abortsBatch;
};

// The error-numbering table, case by case: SQLite's message (and the failed
// statement) in, SQL Server's number and words out.
const Case kCases[] = {
    {code::kError, "no such table: main.MA_X", "SELECT * FROM MA_X", "", 208, "Invalid object name 'MA_X'.", false,
     true},
    {code::kError, "no such table: MA_X", "INSERT INTO MA_X (a) VALUES (1)", "", 208, "Invalid object name 'MA_X'.",
     false, true},
    {code::kError, "no such table: T", "DROP TABLE T", "", 3701,
     "Cannot drop the table 'T', because it does not exist or you do not have permission.", false, false},
    {code::kError, "no such view: V", "DROP VIEW V", "", 3701,
     "Cannot drop the view 'V', because it does not exist or you do not have permission.", false, false},
    {code::kError, "no such column: Foo", "SELECT Foo FROM T", "", 207, "Invalid column name 'Foo'.", false, true},
    {code::kError, "table T has no column named Foo", "INSERT INTO T (Foo) VALUES (1)", "", 207,
     "Invalid column name 'Foo'.", false, true},
    {code::kError, "no such column: t.Foo", "SELECT t.Foo FROM T t", "", 4104,
     "The multi-part identifier \"t.Foo\" could not be bound.", false, true},
    {code::kError, "table T already exists", "CREATE TABLE T (a int)", "", 2714,
     "There is already an object named 'T' in the database.", false, false},
    {code::kError, "view V already exists", "CREATE VIEW V AS SELECT 1", "", 2714,
     "There is already an object named 'V' in the database.", false, false},
    {code::kError, "there is already an index named IX", "CREATE TABLE IX (a int)", "", 2714,
     "There is already an object named 'IX' in the database.", false, false},
    {code::kError, "index IX already exists", "CREATE INDEX IX ON T (a)", "", 1913,
     "The operation failed because an index or statistics with name 'IX' already exists on table 'T'.", false, false},
    {code::kError, "duplicate column name: M3", "ALTER TABLE MV_RUTEO ADD COLUMN M3 float", "", 2705,
     "Column names in each table must be unique. Column name 'M3' in table 'MV_RUTEO' is specified more than once.",
     false, false},
    {code::kConstraintUnique, "UNIQUE constraint failed: T.Clave", "INSERT INTO T (Clave) VALUES ('a')", "UQ_T_Clave",
     2627, "Violation of UNIQUE KEY constraint 'UQ_T_Clave'. Cannot insert duplicate key in object 'dbo.T'.", true,
     false},
    {code::kConstraintUnique, "UNIQUE constraint failed: T.a, T.b", "INSERT INTO T (a, b) VALUES (1, 2)", "", 2627,
     "Violation of UNIQUE KEY constraint 'UQ_T'. Cannot insert duplicate key in object 'dbo.T'.", true, false},
    {code::kConstraintPrimaryKey, "UNIQUE constraint failed: T.Id", "INSERT INTO T (Id) VALUES (1)", "", 2627,
     "Violation of PRIMARY KEY constraint 'PK_T'. Cannot insert duplicate key in object 'dbo.T'.", true, false},
    {code::kConstraintForeignKey, "FOREIGN KEY constraint failed", "INSERT INTO D (x) VALUES (1)", "", 547,
     "The INSERT statement conflicted with the FOREIGN KEY constraint \"FK_D\". The conflict occurred in database "
     "\"DEMO\", table \"dbo.D\".",
     true, false},
    {code::kConstraintForeignKey, "FOREIGN KEY constraint failed", "DELETE FROM M WHERE id = 1", "", 547,
     "The DELETE statement conflicted with the REFERENCE constraint \"FK_M\". The conflict occurred in database "
     "\"DEMO\", table \"dbo.M\".",
     true, false},
    {code::kConstraintNotNull, "NOT NULL constraint failed: T.n", "UPDATE T SET n = NULL", "", 515,
     "Cannot insert the value NULL into column 'n', table 'DEMO.dbo.T'; column does not allow nulls. UPDATE fails.",
     true, false},
    {code::kError, "near \"FROMM\": syntax error", "SELECT * FROMM T", "", 102, "Incorrect syntax near 'FROMM'.",
     false, true},
    {code::kError, "incomplete input", "SELECT (1", "", 102, "Incorrect syntax near '1'.", false, true},
    {code::kError, "no such function: DATEADD", "SELECT DATEADD(d, 1, x)", "", 195,
     "'DATEADD' is not a recognized built-in function name.", false, true},
    {code::kError, NoSuchProcedure("sp_addlogin"), "EXEC sp_addlogin 'x'", "", 2812,
     "Could not find stored procedure 'sp_addlogin'.", false, false},
    {code::kCantOpen, CannotOpenDatabase("DEMO"), "", "", 4060,
     "Cannot open database \"DEMO\" requested by the login. The login failed.", false, true},
    {code::kError, NoSuchDatabase("OTRA"), "USE OTRA", "", 911,
     "Database 'OTRA' does not exist. Make sure that the name is entered correctly.", false, true},
    {code::kError, std::string(kNoTransactionToCommit), "COMMIT", "", 3902,
     "The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION.", false, false},
    {code::kBusy, "database is locked", "UPDATE T SET a = 1", "", 1222, "Lock request time out period exceeded.",
     false, true},
    {code::kLocked | (1 << 8), "database table is locked", "DROP TABLE T", "", 1222,
     "Lock request time out period exceeded.", false, true},
    {code::kConstraintCheck, "CHECK constraint failed: tramvel_length", "UPDATE T SET n = 'abcd'", "", 8152,
     "String or binary data would be truncated.", true, false},
    {code::kError, "unknown table option: GO", "CREATE TABLE T (a int) GO", "", 102, "Incorrect syntax near 'GO'.",
     false, true},
    {code::kError, "something SQLite says", "SELECT 1", "", kEngineMessage, "something SQLite says", false, true},
};

TEST(SqliteErrorsTest, TranslatesEachCase) {
  for (const Case& c : kCases) {
    SqliteDiagnostic d{c.code, c.message, c.statement, c.constraint, "DEMO"};
    TranslatedError t = TranslateSqliteError(d);
    ASSERT_EQ(t.errors.size(), c.terminated ? 2u : 1u) << c.message;
    EXPECT_EQ(t.errors[0].NativeError, c.native) << c.message;
    EXPECT_EQ(t.errors[0].Description, c.description) << c.message;
    if (c.terminated) {
      EXPECT_EQ(t.errors[1].NativeError, 3621);
      EXPECT_EQ(t.errors[1].Description, "The statement has been terminated.");
    }
    EXPECT_EQ(t.abortsBatch, c.abortsBatch) << c.message;
  }
}

}  // namespace
}  // namespace tramvel::ado::sqlite
