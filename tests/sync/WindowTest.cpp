#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QAbstractButton>
#include <QTimer>

#include "SyncFixture.h"
#include "ado/sqlite/SqliteEngine.h"
#include "sync/Form1.h"

namespace tramvel::testing {
namespace {

namespace fs = std::filesystem;
using Window = SyncFixture;

TEST_F(Window, HasTheDesignTimeLayout) {
  Form1 form(programa);
  EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Sincronización FTP"));
  EXPECT_EQ(form.size(), QSize(258, 148));
  struct Case {
    const char* name;
    QRect geometry;
    const char* text;
    bool visible;
  } const cases[] = {
      {"CmdSubir", QRect(56, 8, 65, 41), "Subir", true},
      {"CmdDescargar", QRect(136, 8, 65, 41), "Descargar", true},
      {"Img1", QRect(56, 56, 32, 32), "", false},
      {"LblEspere", QRect(96, 64, 101, 15), "Cargando Espere...", false},
      {"LblInfo", QRect(0, 96, 257, 49), "...", true},
  };
  form.show();
  for (const Case& c : cases) {
    const auto* widget = form.findChild<QWidget*>(c.name);
    ASSERT_NE(widget, nullptr) << c.name;
    EXPECT_EQ(widget->geometry(), c.geometry) << c.name;
    EXPECT_EQ(widget->isVisible(), c.visible) << c.name;
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      EXPECT_EQ(button->text(), c.text);
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget); label && *c.text) {
      EXPECT_EQ(label->text(), c.text);
    }
  }
  EXPECT_DOUBLE_EQ(form.findChild<QLabel*>("LblInfo")->font().pointSizeF(), 9.75);
  const auto* timer = form.findChild<QTimer*>("Timer1");
  EXPECT_EQ(timer->interval(), 1000);
  EXPECT_FALSE(timer->isActive());
}

TEST_F(Window, AClickOnSubirRunsTheJobWithTheIndicatorOnlyWhileItRuns) {
  Form1 form(programa);
  form.show();
  auto* subir = form.findChild<QAbstractButton*>("CmdSubir");
  auto* timer = form.findChild<QTimer*>("Timer1");
  bool timerRanDuringJob = false;
  bool buttonsLockedDuringJob = true;
  platform.Operator().OnPump([&] {
    timerRanDuringJob = timerRanDuringJob || timer->isActive();
    buttonsLockedDuringJob = buttonsLockedDuringJob && !subir->isEnabled() &&
                             !form.findChild<QAbstractButton*>("CmdDescargar")->isEnabled();
  });
  // Whatever phase the blinking had reached, the indicator ends hidden.
  form.Timer1_Timer();
  form.Timer1_Timer();
  ASSERT_TRUE(form.findChild<QLabel*>("Img1")->isVisible());

  subir->click();

  EXPECT_TRUE(timerRanDuringJob);
  EXPECT_TRUE(buttonsLockedDuringJob);
  EXPECT_FALSE(timer->isActive());
  EXPECT_FALSE(form.findChild<QLabel*>("Img1")->isVisible());
  EXPECT_FALSE(form.findChild<QLabel*>("LblEspere")->isVisible());
  EXPECT_TRUE(subir->isEnabled());
  EXPECT_EQ(form.findChild<QLabel*>("LblInfo")->text(), "Finalizado");
  EXPECT_EQ(form.UltimoResultado().EstadoSalida(), 0);
  EXPECT_EQ(platform.Output(OutputStream::kStandardOutput),
            "Subiendo archivo \nSubiendo archivo TODOS\n" + kDots + "\n" + kClosingLine + "\n" + kStars + "\n");
}

TEST_F(Window, TheTimerBlinksTheIndicator) {
  Form1 form(programa);
  form.show();
  const auto* img = form.findChild<QLabel*>("Img1");
  const auto* espere = form.findChild<QLabel*>("LblEspere");
  form.Timer1_Timer();
  EXPECT_FALSE(img->isVisible());
  EXPECT_FALSE(espere->isVisible());
  form.Timer1_Timer();
  EXPECT_TRUE(img->isVisible());
  EXPECT_TRUE(espere->isVisible());
}

TEST_F(Window, TheLaunchParameterChoosesTheMode) {
  struct Case {
    const char* line;
    bool automatic;
  } const cases[] = {
      {"@ParametroAdicional=subir;", true}, {"@parametroadicional=Subir;", true}, {"@ParametroAdicional=SUBIRR;", false},
      {"@ParametroAdicional=X;", false},    {"@ParametroAdicional=;", false},     {"@Menu=VENTAS;", false},
  };
  ado::CreateSqliteDatabase(platform.NativePath("C:\\TRAMVEL\\DATOS\\SRV01"), "GESTION");
  for (const Case& c : cases) {
    fs::remove(programs / "standin.log");
    platform.SetCommandLine(std::string(c.line) + "@Server=SRV01;@DbName=GESTION;@Usuario=ana;@Password=x;");
    // A session already connected would keep the parameters of the first start.
    ProgramState inicio(platform);
    Form1 form(inicio);
    const auto status = form.Form_Load();
    EXPECT_EQ(status.has_value(), c.automatic) << c.line;
    EXPECT_EQ(Recorded().empty(), !c.automatic) << c.line;
    if (status) {
      EXPECT_EQ(*status, 0);
    }
  }
}

TEST_F(Window, WithoutItsDatabaseTheProgramEndsAtOnceInEitherMode) {
  for (const char* parametro : {"@ParametroAdicional=SUBIR;", ""}) {
    platform.SetCommandLine(std::string(parametro) + "@Server=SRV01;@DbName=NOEXISTE;@Usuario=ana;@Password=x;");
    ProgramState otro(platform);
    Form1 form(otro);
    EXPECT_EQ(form.Form_Load(), 2) << parametro;
  }
  EXPECT_TRUE(Recorded().empty());
  ASSERT_EQ(platform.Operator().Boxes().size(), 2u);
  EXPECT_NE(platform.Operator().Boxes()[0].text.find("Cannot open database \"NOEXISTE\""), std::string::npos);
}

}  // namespace
}  // namespace tramvel::testing

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // The window is tested off screen, also when the test list is read.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
