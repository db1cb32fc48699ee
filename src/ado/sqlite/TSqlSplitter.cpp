#include "ado/sqlite/TSqlSplitter.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/TextCase.h"

namespace tramvel::ado::sqlite::tsql {
namespace {

class Splitter {
 public:
  std::vector<Tokens> Split(const Tokens& tokens) {
    for (size_t i = 0; i < tokens.size(); ++i) {
      const Token& t = tokens[i];
      if (IsSpace(t)) {
        if (t.newline) lineStart_ = true;
        current_.push_back(t);
        continue;
      }
      if (IsPunct(t, ";") && depth_ == 0 && !routine_) {
        Flush();
        continue;
      }
      if (depth_ == 0 && !current_.empty() && !routine_ && !view_ && Starts(tokens, i)) Flush();
      Take(t);
    }
    Flush();
    return std::move(statements_);
  }

 private:
  void Take(const Token& t) {
    if (IsPunct(t, "(")) ++depth_;
    if (IsPunct(t, ")")) --depth_;
    if (t.kind == Kind::kWord) {
      std::string word = ToUpper(t.text);
      if (words_ < 2) (words_ == 0 ? first_ : second_) = word;
      if (depth_ == 0 && word == "VALUES") sawValues_ = true;
      if (depth_ == 0 && word == "SET" && words_ > 0) sawSet_ = true;
      if (words_ == 0) {
        // Control flow keeps its statements with it (SQLite refuses it whole).
        routine_ = word == "IF" || word == "WHILE" || word == "ELSE";
      }
      if (words_ == 1 && (first_ == "CREATE" || first_ == "ALTER")) {
        routine_ = word == "PROC" || word == "PROCEDURE" || word == "FUNCTION" || word == "TRIGGER";
        view_ = word == "VIEW";
      }
    }
    if (!IsSpace(t)) ++words_;
    previous_ = t;
    lineStart_ = false;
    current_.push_back(t);
  }

  // Whether the word at `i` begins a new statement.
  bool Starts(const Tokens& tokens, size_t i) const {
    const Token& t = tokens[i];
    if (t.kind != Kind::kWord || words_ == 0) return false;
    std::string word = ToUpper(t.text);
    std::string prev = previous_.kind == Kind::kWord ? ToUpper(previous_.text) : previous_.text;
    size_t nextIndex = Next(tokens, i);
    std::string next = nextIndex < tokens.size() && tokens[nextIndex].kind == Kind::kWord
                           ? ToUpper(tokens[nextIndex].text)
                           : std::string();
    auto prevIs = [&](std::initializer_list<std::string_view> list) {
      return std::find(list.begin(), list.end(), prev) != list.end();
    };
    auto nextIs = [&](std::initializer_list<std::string_view> list) {
      return std::find(list.begin(), list.end(), next) != list.end();
    };
    // EXEC needs no line break: "EXEC a 'x' EXEC b 'y'" is two statements.
    if (word == "EXEC" || word == "EXECUTE") return !prevIs({"GRANT", "WITH", "DENY", "REVOKE", ","});
    if (!lineStart_) return false;
    if (word == "SELECT") {
      if (first_ == "INSERT" && !sawValues_) return false;
      if (first_ == "WITH" || first_ == "DECLARE") return false;
      return !prevIs({"UNION", "ALL", "EXCEPT", "INTERSECT", "AS", "FOR", "(", ","});
    }
    if (word == "INSERT" || word == "UPDATE" || word == "DELETE") {
      return !prevIs({"ON", "FOR", "AFTER", "OF", "INSTEAD", ","});
    }
    if (word == "SET") {
      if ((first_ == "UPDATE" || (first_ == "ALTER" && second_ == "DATABASE")) && !sawSet_) return false;
      return !prevIs({"DELETE", "UPDATE"});
    }
    if (word == "ALTER") {
      return nextIs({"TABLE", "VIEW", "PROC", "PROCEDURE", "FUNCTION", "TRIGGER", "DATABASE", "INDEX", "LOGIN", "USER",
                     "SCHEMA"});
    }
    if (word == "DROP") {
      return nextIs({"TABLE", "VIEW", "INDEX", "PROC", "PROCEDURE", "FUNCTION", "TRIGGER", "DATABASE", "STATISTICS",
                     "LOGIN", "USER", "SCHEMA", "TYPE", "SYNONYM", "RULE"});
    }
    if (word == "BEGIN") return nextIs({"TRAN", "TRANSACTION", "DISTRIBUTED"});
    if (word == "GRANT") return !prevIs({"WITH"});
    static constexpr std::string_view kAlways[] = {"CREATE", "TRUNCATE", "DECLARE", "PRINT", "USE",
                                                   "COMMIT", "ROLLBACK", "REVOKE",  "DENY"};
    return std::find(std::begin(kAlways), std::end(kAlways), word) != std::end(kAlways);
  }

  void Flush() {
    if (words_ > 0) statements_.push_back(std::move(current_));
    current_.clear();
    depth_ = 0;
    words_ = 0;
    first_.clear();
    second_.clear();
    sawValues_ = sawSet_ = routine_ = view_ = false;
    lineStart_ = true;
  }

  std::vector<Tokens> statements_;
  Tokens current_;
  Token previous_{Kind::kSpace, " "};
  int depth_ = 0;
  int words_ = 0;  // tokens other than spaces in the current statement
  std::string first_, second_;
  bool sawValues_ = false, sawSet_ = false, routine_ = false, view_ = false, lineStart_ = true;
};

}  // namespace

std::vector<Tokens> SplitStatements(const Tokens& batch) { return Splitter().Split(batch); }

}  // namespace tramvel::ado::sqlite::tsql
