#include "ado/sqlite/TSqlAdaptation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tramvel::ado::sqlite {
namespace {

struct Case {
  const char* tsql;
  std::vector<std::string> sqlite;
};

// One table: what the system sends to SQL Server, and what SQLite runs.
const Case kCases[] = {
    // table hints
    {"SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'x'",
     {"SELECT VALOR, valoraux FROM TA_CONFIGURACION WHERE CLAVE = 'x'"}},
    {"SELECT * FROM MA_ARTICULOS (NOLOCK) WHERE A = 1", {"SELECT * FROM MA_ARTICULOS WHERE A = 1"}},
    {"select * from t WITH (NOLOCK, INDEX(ix)) where a=1", {"select * from t where a=1"}},
    {"UPDATE T WITH (ROWLOCK) SET a = 1", {"UPDATE T SET a = 1"}},
    // TOP n
    {"SELECT TOP 1 UD FROM MV_RUTEO", {"SELECT UD FROM MV_RUTEO LIMIT 1"}},
    {"Select TOP 1 * from Control_Acceso  with(nolock) order by Id desc",
     {"Select * from Control_Acceso order by Id desc LIMIT 1"}},
    {"SELECT DISTINCT TOP 10 a FROM t", {"SELECT DISTINCT a FROM t LIMIT 10"}},
    {"SELECT a FROM t WHERE b IN (SELECT TOP (5) b FROM u ORDER BY c) AND d = 1",
     {"SELECT a FROM t WHERE b IN (SELECT b FROM u ORDER BY c LIMIT 5) AND d = 1"}},
    {"CREATE VIEW v AS SELECT TOP 100 PERCENT a FROM t ORDER BY a", {"CREATE VIEW v AS SELECT a FROM t ORDER BY a"}},
    // dbo., brackets, storage clauses
    {"SELECT * FROM [dbo].[TA_CONFIGURACION]", {"SELECT * FROM \"TA_CONFIGURACION\""}},
    {"SELECT dbo.T.a FROM dbo.T", {"SELECT T.a FROM T"}},
    {"SELECT * FROM [Tabla con ]]corchete]", {"SELECT * FROM \"Tabla con ]corchete\""}},
    {"CREATE TABLE [dbo].[T] ([Id] [int] IDENTITY (1, 1) NOT NULL, [Nombre] [varchar] (40) NULL,"
     " CONSTRAINT [PK_T] PRIMARY KEY CLUSTERED ([Id]) ON [PRIMARY]) ON [PRIMARY]",
     {"CREATE TABLE \"T\" (\"Id\" INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, \"Nombre\" varchar (40) COLLATE NOCASE "
      "CONSTRAINT tramvel_length CHECK (length(rtrim(\"Nombre\", ' ')) <= 40) NULL)"}},
    {"CREATE TABLE Control_Acceso (Id int IDENTITY(1,1) PRIMARY KEY, Usuario nvarchar(50))",
     {"CREATE TABLE Control_Acceso (Id INTEGER PRIMARY KEY AUTOINCREMENT, Usuario nvarchar(50) COLLATE NOCASE "
      "CONSTRAINT tramvel_length CHECK (length(rtrim(\"Usuario\", ' ')) <= 50))"}},
    {"CREATE TABLE T (Id int IDENTITY(1,1), A int, B int, PRIMARY KEY (A, B))",
     {"CREATE TABLE T (Id INTEGER PRIMARY KEY AUTOINCREMENT, A int, B int, UNIQUE (A, B))"}},
    {"CREATE TABLE T (Codigo char(6) COLLATE Modern_Spanish_CI_AS NOT NULL, Notas text, N ntext, Cant int)",
     {"CREATE TABLE T (Codigo char(6) CONSTRAINT tramvel_length CHECK (length(rtrim(\"Codigo\", ' ')) <= 6) "
      "COLLATE NOCASE NOT NULL, Notas text COLLATE NOCASE, N ntext COLLATE NOCASE, Cant int)"}},
    // amounts keep their decimal text, compared as numbers
    {"CREATE TABLE T (Importe money NULL, Tasa [decimal](18, 4), Chica SMALLMONEY)",
     {"CREATE TABLE T (Importe MONEY TEXT COLLATE TRAMVEL_NUMBER NULL, Tasa DECIMAL TEXT(18, 4) COLLATE "
      "TRAMVEL_NUMBER, Chica SMALLMONEY TEXT COLLATE TRAMVEL_NUMBER)"}},
    {"CREATE UNIQUE NONCLUSTERED INDEX IX_A ON A (x) WITH FILLFACTOR = 90 ON [PRIMARY]",
     {"CREATE UNIQUE INDEX IX_A ON A (x)"}},
    {"CREATE INDEX IX_B ON B (y) WITH (PAD_INDEX = OFF, STATISTICS_NORECOMPUTE = OFF) ON [PRIMARY]",
     {"CREATE INDEX IX_B ON B (y)"}},
    {"CREATE TABLE T (a text) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]", {"CREATE TABLE T (a text COLLATE NOCASE)"}},
    // ALTER TABLE ... ADD
    {"ALTER TABLE T ADD CONSTRAINT UQ_T UNIQUE NONCLUSTERED (a, b)", {"CREATE UNIQUE INDEX UQ_T ON T (a, b)"}},
    {"ALTER TABLE [dbo].[T] WITH NOCHECK ADD CONSTRAINT [PK_T] PRIMARY KEY CLUSTERED ([Id])",
     {"CREATE UNIQUE INDEX \"PK_T\" ON \"T\" (\"Id\")"}},
    {"ALTER TABLE MV_RUTEO ADD M3 float NULL, Obs varchar(50) DEFAULT 'x'",
     {"ALTER TABLE MV_RUTEO ADD COLUMN M3 float NULL",
      "ALTER TABLE MV_RUTEO ADD COLUMN Obs varchar(50) COLLATE NOCASE CONSTRAINT tramvel_length CHECK "
      "(length(rtrim(\"Obs\", ' ')) <= 50) DEFAULT 'x'"}},
    {"ALTER TABLE TA_CONFIGURACION ADD FHUPDATE DATETIME", {"ALTER TABLE TA_CONFIGURACION ADD COLUMN FHUPDATE DATETIME"}},
    // literals and functions
    {"INSERT INTO T (a, b) VALUES (N'Año', n'x''y')", {"INSERT INTO T (a, b) VALUES ('Año', 'x''y')"}},
    {"SELECT LEN(Nombre), ISNULL(x, 0) FROM T WHERE LEN(RTRIM(a)) > 0",
     {"SELECT length(rtrim(Nombre)), ifnull(x, 0) FROM T WHERE length(rtrim(RTRIM(a))) > 0"}},
    {"UPDATE T SET F = GETDATE()", {"UPDATE T SET F = (datetime('now','localtime'))"}},
    {"CREATE TABLE T (F datetime DEFAULT (getdate()), G datetime DEFAULT GETDATE(), N nvarchar(max))",
     {"CREATE TABLE T (F datetime DEFAULT ((datetime('now','localtime'))), G datetime DEFAULT "
      "(datetime('now','localtime')), N nvarchar(2147483647) COLLATE NOCASE)"}},
    {"SELECT 'with(nolock) TOP 1 dbo.x [y] GETDATE() LEN(a)' AS s",
     {"SELECT 'with(nolock) TOP 1 dbo.x [y] GETDATE() LEN(a)' AS s"}},
    // transactions
    {"BEGIN TRANSACTION \r\r\rINSERT INTO A (x) VALUES (1)\rINSERT INTO A (x) VALUES (2)\r",
     {"BEGIN", "INSERT INTO A (x) VALUES (1)", "INSERT INTO A (x) VALUES (2)"}},
    {"begin tran t1\nCOMMIT TRANSACTION\nROLLBACK TRAN\ncommit", {"BEGIN", "COMMIT", "ROLLBACK", "COMMIT"}},
    // no-ops
    {"SET NOCOUNT ON", {}},
    {"SET DATEFORMAT dmy\nSET ARITHABORT ON\nSET QUOTED_IDENTIFIER ON\nPRINT 'hola'", {}},
    {"ALTER DATABASE DEMO\r\n SET ARITHABORT ON ", {}},
    // statements separated by line breaks only, and by semicolons
    {"CREATE TABLE T (a int)\nCREATE VIEW V AS\nSELECT a\nFROM T",
     {"CREATE TABLE T (a int)", "CREATE VIEW V AS SELECT a FROM T"}},
    {"UPDATE T\nSET a = 1\nWHERE b = 2\nSELECT * FROM T\nDELETE FROM T",
     {"UPDATE T SET a = 1 WHERE b = 2", "SELECT * FROM T", "DELETE FROM T"}},
    {"INSERT INTO T (a)\nSELECT b FROM U\nUNION\nSELECT c FROM V",
     {"INSERT INTO T (a) SELECT b FROM U UNION SELECT c FROM V"}},
    {"INSERT INTO T (a) VALUES (1)\nSELECT @@IDENTITY", {"INSERT INTO T (a) VALUES (1)", "SELECT last_insert_rowid()"}},
    {"ALTER TABLE T\nDROP COLUMN a\nALTER TABLE U ADD b int",
     {"ALTER TABLE T DROP COLUMN a", "ALTER TABLE U ADD COLUMN b int"}},
    {"-- comentario\nSELECT 1 /* otro */ AS a;SELECT 2;", {"SELECT 1 AS a", "SELECT 2"}},
    {"EXEC  sp_addlogin N'x', 'y' EXEC sp_addsrvrolemember N'x', sysadmin",
     {"EXEC sp_addlogin 'x', 'y'", "EXEC sp_addsrvrolemember 'x', sysadmin"}},
    // a guard that asks the catalogue for the object its DROP or CREATE names
    {"IF EXISTS (SELECT * FROM sysobjects WHERE name = 'X')\nDROP TABLE X\nCREATE TABLE X (a int)",
     {"DROP TABLE IF EXISTS X", "CREATE TABLE X (a int)"}},
    {"if exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[V_X]') and "
     "OBJECTPROPERTY(id, N'IsView') = 1)\ndrop view [dbo].[V_X]",
     {"drop view IF EXISTS \"V_X\""}},
    {"IF EXISTS (SELECT name FROM sys.indexes WHERE name = 'IX_A') DROP INDEX IX_A ON T", {"DROP INDEX IF EXISTS IX_A"}},
    {"IF NOT EXISTS (SELECT * FROM INFORMATION_SCHEMA.TABLES WHERE TABLE_NAME = 'T')\n"
     "CREATE TABLE T (a nvarchar(4), b int)",
     {"CREATE TABLE IF NOT EXISTS T (a nvarchar(4) COLLATE NOCASE CONSTRAINT tramvel_length CHECK "
      "(length(rtrim(\"a\", ' ')) <= 4), b int)"}},
    {"IF NOT EXISTS (SELECT * FROM sysobjects WHERE name = 'IX') CREATE UNIQUE INDEX IX ON T (a)",
     {"CREATE UNIQUE INDEX IF NOT EXISTS IX ON T (a)"}},
    // guards of anything else stay as they are, for SQLite to refuse
    {"IF EXISTS (SELECT * FROM T WHERE a = 1) DELETE FROM T",
     {"IF EXISTS (SELECT * FROM T WHERE a = 1) DELETE FROM T"}},
    {"IF NOT EXISTS (SELECT * FROM sysobjects WHERE name = 'P') DROP VIEW P",
     {"IF NOT EXISTS (SELECT * FROM sysobjects WHERE name = 'P') DROP VIEW P"}},
    // DROP INDEX in T-SQL's forms
    {"DROP INDEX T.IX_A", {"DROP INDEX IX_A"}},
    {"DROP INDEX IX_A ON T", {"DROP INDEX IX_A"}},
    {"", {}},
};

TEST(TSqlAdaptationTest, AdaptsEachCase) {
  for (const Case& c : kCases) EXPECT_EQ(AdaptTSql(c.tsql), c.sqlite) << c.tsql;
}

TEST(TSqlAdaptationTest, DescribesStatements) {
  StatementInfo index = DescribeStatement("CREATE UNIQUE INDEX \"IX\" ON \"T\" (a)");
  EXPECT_EQ(index.kind, StatementKind::kCreateIndex);
  EXPECT_EQ(index.object, "IX");
  EXPECT_EQ(index.table, "T");
  StatementInfo view = DescribeStatement("CREATE VIEW main.V AS SELECT 1");
  EXPECT_EQ(view.kind, StatementKind::kCreateView);
  EXPECT_EQ(view.object, "V");
  StatementInfo exec = DescribeStatement("EXEC @rc = sp_x 'a'");
  EXPECT_EQ(exec.kind, StatementKind::kExec);
  EXPECT_EQ(exec.object, "sp_x");
  EXPECT_EQ(DescribeStatement("INSERT INTO T (a) VALUES (1)").object, "T");
  EXPECT_EQ(DescribeStatement("ALTER TABLE MV_RUTEO ADD COLUMN M3 float").object, "MV_RUTEO");
  EXPECT_EQ(DescribeStatement("DROP TABLE IF EXISTS X").kind, StatementKind::kDropTable);
}

}  // namespace
}  // namespace tramvel::ado::sqlite
