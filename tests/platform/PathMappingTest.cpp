#include "platform/PathMapping.h"

#include <gtest/gtest.h>

#include "FailureOf.h"
#include "TempFolder.h"
#include "platform/Failure.h"

namespace tramvel {
namespace {

using testing::FailureOf;
using testing::TempFolder;
using testing::WriteFile;

TEST(PathMapping, MapsDrivesAndSeparatorsLexically) {
  const PathMapper mapper("/srv/c/");
  struct Case {
    const char* path;
    const char* native;  // nullptr: refused, the path leaves its drive
  } const cases[] = {
      {"C:\\RECIBIR\\TESTIGO\\2014-05\\06-1837\\A.TXT", "/srv/c/RECIBIR/TESTIGO/2014-05/06-1837/A.TXT"},
      {"c:\\ENVIAR\\", "/srv/c/ENVIAR/"},
      {"C:", "/srv/c"},
      {"C:ENVIAR", "/srv/c/ENVIAR"},
      {"/opt/tramvel/bin\\zariz.exe", "/opt/tramvel/bin/zariz.exe"},
      {"relative\\name.txt", "relative/name.txt"},
      {"C:\\ENVIAR\\\\A.TXT", "/srv/c/ENVIAR/A.TXT"},
      {"C:\\", "/srv/c/"},
      {"C:\\RECIBIR\\.\\TESTIGO\\..\\A.TXT", "/srv/c/RECIBIR/A.TXT"},
      {"C:\\RECIBIR\\..", "/srv/c/"},
      {"C:\\RECIBIR\\..\\..\\..\\outside_secret.txt", nullptr},
      {"C:\\ENVIAR\\..\\..\\victim2.txt", nullptr},
      {"C:..\\x", nullptr},
      {"c:/a/../../b", nullptr},
      {"/srv/c/../x", "/srv/c/../x"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(mapper.LeavesDrive(c.path), c.native == nullptr) << c.path;
    if (c.native) {
      EXPECT_EQ(mapper.MapLexically(c.path), c.native) << c.path;
      continue;
    }
    EXPECT_EQ(FailureOf([&] { mapper.Map(c.path); }), failure::kPathNotFound) << c.path;
  }
}

TEST(PathMapping, OtherDrivesLieBesideDriveC) {
  const PathMapper mapper("/srv/drives/C");
  EXPECT_EQ(mapper.MapLexically("D:\\X"), "/srv/drives/D/X");
}

TEST(PathMapping, ResolvesLetterCaseOnlyWhereThePathIsMissing) {
  TempFolder temp;
  WriteFile(temp.path() / "Scripts" / "Completo.sql", "x");
  WriteFile(temp.path() / "exact" / "a.txt", "x");
  WriteFile(temp.path() / "exact" / "A.TXT", "y");
  const PathMapper mapper(temp.str());
  EXPECT_EQ(mapper.Map("C:\\SCRIPTS\\COMPLETO.SQL"), temp.str() + "/Scripts/Completo.sql");
  EXPECT_EQ(mapper.Map("C:\\exact\\A.TXT"), temp.str() + "/exact/A.TXT");
  // A missing tail keeps its spelling, so a file created there gets the name asked for.
  EXPECT_EQ(mapper.Map("C:\\scripts\\NEW\\B.TXT"), temp.str() + "/Scripts/NEW/B.TXT");
}

}  // namespace
}  // namespace tramvel
