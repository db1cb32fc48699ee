#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CaseName.h"

#include "ParameterText.h"

namespace tramvel::zariz {
namespace {

struct Case {
  const char* text;
  const char* refusal;  // part of the error, or null when the text is accepted
  TransferMode mode = TransferMode::kSend;
  const char* host = "";
  int port = 21;
  bool tls = false;
  const char* user = "";
  const char* password = "";
  const char* file = "";
  const char* webFolder = "";
  const char* localFolder = "";
  const char* proxy = "";
  const char* proxyPassword = "";
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.text; }

class ZarizParameterTextTest : public ::testing::TestWithParam<Case> {};

TEST_P(ZarizParameterTextTest, ReadsTheFieldsOrSaysWhyNot) {
  const Case& c = GetParam();
  const ParsedParameters parsed = ParseParameterText(c.text);
  if (c.refusal != nullptr) {
    EXPECT_FALSE(parsed.parameters.has_value());
    EXPECT_THAT(parsed.error, ::testing::HasSubstr(c.refusal));
    return;
  }
  ASSERT_TRUE(parsed.parameters.has_value()) << parsed.error;
  const FtpParameters& p = *parsed.parameters;
  EXPECT_EQ(p.mode, c.mode);
  EXPECT_EQ(p.server.host, c.host);
  EXPECT_EQ(p.server.port, c.port);
  EXPECT_EQ(p.server.tls, c.tls);
  EXPECT_EQ(p.user, c.user);
  EXPECT_EQ(p.password, c.password);
  EXPECT_EQ(p.file, c.file);
  EXPECT_EQ(p.webFolder, c.webFolder);
  EXPECT_EQ(p.localFolder, c.localFolder);
  EXPECT_EQ(p.proxy, c.proxy);
  EXPECT_EQ(p.proxyPassword, c.proxyPassword);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ZarizParameterTextTest,
    ::testing::Values(
        // The three texts the job writes.
        Case{"DOWNLOAD=NO;SERVER=HOST;USUARIO=qa417205;PASSWORD=Pol1984;ARCHIVO=TODOS;"
             "DIRWEB=Public_html/clientes/Vorin/;DIRDESTINO=C:\\ENVIAR\\;PROXY=;PROXYPASS=;",
             nullptr, TransferMode::kSend, "HOST", 21, false, "qa417205", "Pol1984", "",
             "Public_html/clientes/Vorin/", "C:\\ENVIAR\\"},
        Case{"DOWNLOAD=SI;SERVER=HOST;USUARIO=qa417205;PASSWORD=Pol1984;ARCHIVO=TODOS;"
             "DIRWEB=Public_html/clientes/Vorin\\;DIRDESTINO=C:\\RECIBIR\\;PROXY=;PROXYPASS=;",
             nullptr, TransferMode::kFetch, "HOST", 21, false, "qa417205", "Pol1984", "",
             "Public_html/clientes/Vorin\\", "C:\\RECIBIR\\"},
        Case{"DOWNLOAD=BORRAR;SERVER=HOST;USUARIO=qa417205;PASSWORD=Pol1984; ARCHIVO=MA_CLIENTES.csv;"
             "DIRWEB=Public_html/clientes/Vorin\\;DIRDESTINO=C:\\RECIBIR\\;",
             nullptr, TransferMode::kDelete, "HOST", 21, false, "qa417205", "Pol1984", "MA_CLIENTES.csv",
             "Public_html/clientes/Vorin\\", "C:\\RECIBIR\\"},
        // Keys in any case with blanks around them; values as written; a
        // port, TLS and a proxy.
        Case{" download = si ; Server=ftps://ftp.example.com:2121 ;usuario= u s ;password= p w ;archivo=todos;"
             "dirweb= web ;dirdestino=C:\\RECIBIR\\;proxy=http://proxy:3128;proxypass=ana:secreta",
             nullptr, TransferMode::kFetch, "ftp.example.com", 2121, true, " u s ", " p w ", "", "web",
             "C:\\RECIBIR\\", "http://proxy:3128", "ana:secreta"},
        Case{"DOWNLOAD=NO;SERVER=127.0.0.1:40021;DIRDESTINO=C:\\ENVIAR\\;", nullptr, TransferMode::kSend,
             "127.0.0.1", 40021, false, "", "", "", "", "C:\\ENVIAR\\"},
        // Refused, because acting on a guess could send or delete the wrong thing.
        Case{"SERVER=HOST;DIRDESTINO=C:\\ENVIAR\\;", "falta DOWNLOAD"},
        Case{"DOWNLOAD=QUIZAS;SERVER=HOST;DIRDESTINO=C:\\ENVIAR\\;", "DOWNLOAD=QUIZAS"},
        Case{"DOWNLOAD=NO;DIRDESTINO=C:\\ENVIAR\\;", "falta SERVER"},
        Case{"DOWNLOAD=NO;SERVER=HOST:0;DIRDESTINO=C:\\ENVIAR\\;", "SERVER=HOST:0"},
        Case{"DOWNLOAD=NO;SERVER=HOST;ARCHIVO=TODOS;", "falta DIRDESTINO"},
        Case{"DOWNLOAD=NO;SERVER=HOST;DIRDESTINO=C:\\ENVIAR\\;DIRWBE=x;", "clave desconocida: \"DIRWBE\""},
        Case{"DOWNLOAD=NO;SERVER=HOST;DIRDESTINO=C:\\ENVIAR\\;download=SI;", "clave repetida: \"DOWNLOAD\""},
        Case{"DOWNLOAD=NO;SERVER=HOST;DIRDESTINO=C:\\ENVIAR\\;TODOS;", "campo sin \"=\""},
        Case{"DOWNLOAD=NO;SERVER=HOST;ARCHIVO=A.csv;DIRDESTINO=C:\\ENVIAR\\;", "siempre de todos"},
        Case{"DOWNLOAD=BORRAR;SERVER=HOST; ARCHIVO=TODOS;DIRWEB=w\\;", "TODOS no se acepta"},
        Case{"DOWNLOAD=BORRAR;SERVER=HOST; ARCHIVO=;DIRWEB=w\\;", "nombre de un archivo"},
        Case{"DOWNLOAD=BORRAR;SERVER=HOST; ARCHIVO=../A.csv;DIRWEB=w\\;", "sin carpetas"},
        Case{"DOWNLOAD=BORRAR;SERVER=HOST;PASSWORD=x\r\nDELE B.csv; ARCHIVO=A.csv;", "salto de línea"}),
    [](const ::testing::TestParamInfo<Case>& c) {
      return test::CaseName(c.param.refusal != nullptr ? std::string("Refused ") + c.param.refusal : "Accepted",
                            c.index);
    });

}  // namespace
}  // namespace tramvel::zariz
