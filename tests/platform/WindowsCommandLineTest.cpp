#include "platform/WindowsCommandLine.h"

#include <gtest/gtest.h>

#include <set>

namespace tramvel {
namespace {

TEST(WindowsCommandLine, TheLongestPrefixNamingAProgramIsTheProgram) {
  const std::set<std::string> files = {"/opt/Program Files/bin\\zariz.exe", "/opt/Program", "/x/a b",
                                       "/x/a b c", "/bin/tool"};
  const auto exists = [&](const std::string& p) { return files.count(p) > 0; };
  struct Case {
    const char* line;
    bool found;
    const char* program;
    const char* argument;
  } const cases[] = {
      {"/opt/Program Files/bin\\zariz.exe DOWNLOAD=NO;X=1;", true, "/opt/Program Files/bin\\zariz.exe", "DOWNLOAD=NO;X=1;"},
      {"/x/a b c d", true, "/x/a b c", "d"},
      {"/x/a b d", true, "/x/a b", "d"},
      {"/bin/tool  @server=S; @dbname=D;", true, "/bin/tool", " @server=S; @dbname=D;"},
      {"/bin/tool", true, "/bin/tool", ""},
      {"/bin/tool ", true, "/bin/tool", ""},
      {"/missing arg", false, "", ""},
      {"", false, "", ""},
  };
  for (const Case& c : cases) {
    const auto split = SplitWindowsCommandLine(c.line, exists);
    ASSERT_EQ(split.has_value(), c.found) << c.line;
    if (!split) continue;
    EXPECT_EQ(split->program, c.program) << c.line;
    EXPECT_EQ(split->argument, c.argument) << c.line;
  }
}

}  // namespace
}  // namespace tramvel
