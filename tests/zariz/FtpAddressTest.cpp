#include <gtest/gtest.h>

#include "CaseName.h"

#include "FtpAddress.h"

namespace tramvel::zariz {
namespace {

struct ServerCase {
  const char* text;
  bool accepted;
  const char* host = "";
  int port = 21;
  bool tls = false;
};

void PrintTo(const ServerCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class ZarizParseServerTest : public ::testing::TestWithParam<ServerCase> {};

TEST_P(ZarizParseServerTest, ReadsHostPortAndTls) {
  const ServerCase& c = GetParam();
  const std::optional<FtpServer> server = ParseServer(c.text);
  ASSERT_EQ(server.has_value(), c.accepted) << c.text;
  if (!server) return;
  EXPECT_EQ(server->host, c.host);
  EXPECT_EQ(server->port, c.port);
  EXPECT_EQ(server->tls, c.tls);
}

INSTANTIATE_TEST_SUITE_P(Texts, ZarizParseServerTest,
                         ::testing::Values(ServerCase{"ftp.vorin.es", true, "ftp.vorin.es"},
                                           ServerCase{" 127.0.0.1:2121 ", true, "127.0.0.1", 2121},
                                           ServerCase{"ftps://ftp.vorin.es", true, "ftp.vorin.es", 21, true},
                                           ServerCase{"FTPS://ftp.vorin.es:990/", true, "ftp.vorin.es", 990, true},
                                           ServerCase{"ftp://ftp.vorin.es:21", true, "ftp.vorin.es", 21},
                                           ServerCase{"[::1]:2121", true, "[::1]", 2121},
                                           ServerCase{"", false}, ServerCase{"host:", false},
                                           ServerCase{"host:65536", false}, ServerCase{"host:21x", false},
                                           ServerCase{"http://host", false}, ServerCase{"user@host", false},
                                           ServerCase{"host/dir", false}, ServerCase{"[::1", false}),
                         [](const ::testing::TestParamInfo<ServerCase>& c) {
                           return test::CaseName(c.param.text, c.index);
                         });

TEST(ZarizFolderUrlTest, TheJobsTwoSpellingsOfTheWebFolderAreOneFolder) {
  const FtpServer server{"127.0.0.1", 2121, false};
  EXPECT_EQ(FolderUrl(server, "Public_html/clientes/Vorin/"), "ftp://127.0.0.1:2121/Public_html/clientes/Vorin/");
  EXPECT_EQ(FolderUrl(server, "Public_html/clientes/Vorin\\"), "ftp://127.0.0.1:2121/Public_html/clientes/Vorin/");
  EXPECT_EQ(FolderUrl(server, "Public_html\\clientes\\\\Vorin"), "ftp://127.0.0.1:2121/Public_html/clientes/Vorin/");
}

TEST(ZarizFolderUrlTest, StaysRelativeToTheLoginFolderAndEncodesWhatAUrlWouldMisread) {
  const FtpServer server{"ftp.vorin.es", 21, true};
  EXPECT_EQ(FolderUrl(server, ""), "ftp://ftp.vorin.es:21/");
  EXPECT_EQ(FolderUrl(server, "/./web/"), "ftp://ftp.vorin.es:21/web/");
  EXPECT_EQ(FolderUrl(server, "clientes 2014/#1?"), "ftp://ftp.vorin.es:21/clientes%202014/%231%3F/");
  EXPECT_EQ(FileUrl("ftp://h:21/web/", "MA CLIENTES%ñ.csv"), "ftp://h:21/web/MA%20CLIENTES%25%C3%B1.csv");
}

}  // namespace
}  // namespace tramvel::zariz
