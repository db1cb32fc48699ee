#include "ado/sqlite/TSqlAdaptation.h"

#include <initializer_list>

#include "ado/sqlite/TSqlTokens.h"
#include "platform/TextCase.h"

namespace tramvel::ado::sqlite {
namespace {

using tsql::Kind;
using tsql::Token;

// The name at significant token `i` of `sig`, schema parts dropped; moves `i`
// past it.
std::string ReadName(const std::vector<const Token*>& sig, size_t& i) {
  std::string name;
  while (i < sig.size() && (sig[i]->kind == Kind::kWord || sig[i]->kind == Kind::kIdentifier ||
                            sig[i]->kind == Kind::kString)) {
    name = sig[i]->text;
    if (sig[i]->kind == Kind::kString && name.size() >= 2) name = name.substr(1, name.size() - 2);
    ++i;
    if (i < sig.size() && tsql::IsPunct(*sig[i], ".")) {
      ++i;
      continue;
    }
    break;
  }
  return name;
}

}  // namespace

StatementInfo DescribeStatement(std::string_view statement) {
  tsql::Tokens tokens = tsql::Tokenize(statement.substr(0, 400));
  std::vector<const Token*> sig;
  for (const Token& t : tokens) {
    if (!tsql::IsSpace(t)) sig.push_back(&t);
  }
  StatementInfo info;
  if (sig.empty()) return info;
  auto word = [&](size_t i) { return i < sig.size() && sig[i]->kind == Kind::kWord ? ToUpper(sig[i]->text) : std::string(); };
  size_t i = 1;
  auto skipIf = [&](std::initializer_list<std::string_view> words) {
    for (std::string_view w : words) {
      if (word(i) != w) return;
      ++i;
    }
  };
  std::string first = word(0);
  if (first == "SELECT" || first == "WITH" || first == "VALUES") {
    info.kind = StatementKind::kSelect;
  } else if (first == "INSERT") {
    info.kind = StatementKind::kInsert;
    skipIf({"OR"});
    if (word(i) == "REPLACE" || word(i) == "IGNORE") ++i;
    skipIf({"INTO"});
    info.object = ReadName(sig, i);
  } else if (first == "UPDATE") {
    info.kind = StatementKind::kUpdate;
    info.object = ReadName(sig, i);
  } else if (first == "DELETE") {
    info.kind = StatementKind::kDelete;
    skipIf({"FROM"});
    info.object = ReadName(sig, i);
  } else if (first == "CREATE") {
    skipIf({"UNIQUE"});
    if (word(i) == "TEMP" || word(i) == "TEMPORARY") ++i;
    std::string what = word(i++);
    skipIf({"IF", "NOT", "EXISTS"});
    if (what == "TABLE") {
      info.kind = StatementKind::kCreateTable;
    } else if (what == "VIEW") {
      info.kind = StatementKind::kCreateView;
    } else if (what == "INDEX") {
      info.kind = StatementKind::kCreateIndex;
    } else if (what == "DATABASE") {
      info.kind = StatementKind::kCreateDatabase;
    } else {
      return info;
    }
    info.object = ReadName(sig, i);
    if (info.kind == StatementKind::kCreateIndex && word(i) == "ON") {
      ++i;
      info.table = ReadName(sig, i);
    }
  } else if (first == "ALTER" && word(1) == "TABLE") {
    info.kind = StatementKind::kAlterTable;
    i = 2;
    info.object = ReadName(sig, i);
  } else if (first == "DROP") {
    std::string what = word(i++);
    skipIf({"IF", "EXISTS"});
    if (what == "TABLE") {
      info.kind = StatementKind::kDropTable;
    } else if (what == "VIEW") {
      info.kind = StatementKind::kDropView;
    } else if (what == "INDEX") {
      info.kind = StatementKind::kDropIndex;
    } else {
      return info;
    }
    info.object = ReadName(sig, i);
  } else if (first == "BEGIN") {
    info.kind = StatementKind::kBegin;
  } else if (first == "COMMIT" || first == "END") {
    info.kind = StatementKind::kCommit;
  } else if (first == "ROLLBACK") {
    info.kind = StatementKind::kRollback;
  } else if (first == "EXEC" || first == "EXECUTE") {
    info.kind = StatementKind::kExec;
    if (i + 1 < sig.size() && sig[i]->kind == Kind::kWord && sig[i]->text.starts_with('@') &&
        tsql::IsPunct(*sig[i + 1], "=")) {
      i += 2;
    }
    info.object = ReadName(sig, i);
  } else if (first == "USE") {
    info.kind = StatementKind::kUse;
    info.object = ReadName(sig, i);
  }
  return info;
}

}  // namespace tramvel::ado::sqlite
