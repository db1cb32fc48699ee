#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tramvel::ado::sqlite {

// Scripts written for SQL Server guard a DROP or CREATE with a question to
// the catalogue: "IF EXISTS (SELECT * FROM sysobjects WHERE name = 'V' ...)
// DROP VIEW V", "IF NOT EXISTS (SELECT ... FROM sysobjects ...) CREATE TABLE
// T (...)". SQLite has no IF statement, but its DROP and CREATE take the same
// question themselves. Given one statement (one line, as the adaptation emits
// it), returns the guarded statement with SQLite's clause ("DROP VIEW IF
// EXISTS V", "CREATE TABLE IF NOT EXISTS T (...)"), and after a DROP, what
// followed it in the same statement (T-SQL guards only the first statement
// after IF); nothing when it is no such guard. The guard is taken to ask for the object its statement names,
// as such scripts write it. The catalogue may be sysobjects, sys.objects,
// sys.tables, sys.views, sys.indexes, sys.triggers or INFORMATION_SCHEMA.
// Guards of other statements are left alone (and SQLite refuses them, 102).
std::vector<std::string> UnguardStatement(std::string_view statement);

}  // namespace tramvel::ado::sqlite
