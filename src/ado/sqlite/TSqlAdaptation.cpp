#include "ado/sqlite/TSqlAdaptation.h"

#include "ado/sqlite/TSqlExistenceGuards.h"
#include "ado/sqlite/TSqlRewrites.h"
#include "ado/sqlite/TSqlSplitter.h"
#include "ado/sqlite/TSqlTokens.h"

namespace tramvel::ado::sqlite {

std::vector<std::string> AdaptTSql(std::string_view batch) {
  std::vector<std::string> out;
  for (tsql::Tokens& statement : tsql::SplitStatements(tsql::Tokenize(batch))) {
    if (tsql::At(statement, tsql::First(statement), "IF")) {
      const std::vector<std::string> unguarded = UnguardStatement(tsql::Emit(statement));
      for (const std::string& plain : unguarded) tsql::AdaptStatement(tsql::Tokenize(plain), out);
      if (!unguarded.empty()) continue;
    }
    tsql::AdaptStatement(std::move(statement), out);
  }
  return out;
}

std::string QuoteIdentifier(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

}  // namespace tramvel::ado::sqlite
