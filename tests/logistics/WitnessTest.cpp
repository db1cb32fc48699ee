#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "TempFolder.h"
#include "TestPlatform.h"
#include "logistics/Dll_SYD.h"
#include "platform/MessageBoxStyle.h"

namespace tramvel::testing {
namespace {

namespace fs = std::filesystem;

class Witness : public ::testing::Test {
 protected:
  Witness() {
    fs::create_directories(drive / "RECIBIR");
    platform.SetProgramFolder((temp.path() / "bin").string());
  }

  std::string Pattern(size_t size, unsigned seed = 7) {
    std::string bytes(size, '\0');
    std::mt19937 random(seed);
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
  }

  TempFolder temp;
  fs::path drive = temp.path() / "C";
  TestPlatform platform{drive.string()};
  Dll_SYD dll{platform};
};

TEST_F(Witness, FilesTheCopyUnderTheDateAndMinuteOfReception) {
  WriteFile(drive / "RECIBIR" / "ARTICULOS.TXT", "uno;dos\n");
  std::string ruta = "C:\\RECIBIR\\ARTICULOS.TXT";
  std::string subFijo;
  std::string destino = "C:\\RECIBIR\\";
  dll.GuardarTestigoRecepcion(ruta, subFijo, destino);
  EXPECT_EQ(ReadFile(drive / "RECIBIR" / "TESTIGO" / "2014-05" / "06-1837" / "ARTICULOS.TXT"), "uno;dos\n");
  EXPECT_EQ(ruta, "C:\\RECIBIR\\ARTICULOS.TXT");
  EXPECT_TRUE(platform.Operator().Boxes().empty());
}

TEST_F(Witness, TheSuffixIsCutToOneCharacter) {
  WriteFile(drive / "RECIBIR" / "A.TXT", "a");
  struct Case {
    const char* suffix;
    const char* folder;
    const char* after;
  } const cases[] = {
      {"", "06-1837", ""}, {"B", "06-1837B", "B"}, {"XYZ", "06-1837X", "X"}, {"ñb", "06-1837ñ", "ñ"}, {"ñ", "06-1837ñ", "ñ"},
  };
  for (const Case& c : cases) {
    std::string ruta = "C:\\RECIBIR\\A.TXT";
    std::string subFijo = c.suffix;
    std::string destino = "C:\\RECIBIR";
    dll.GuardarTestigoRecepcion(ruta, subFijo, destino);
    EXPECT_EQ(subFijo, c.after);
    EXPECT_TRUE(fs::exists(drive / "RECIBIR" / "TESTIGO" / "2014-05" / c.folder / "A.TXT")) << c.suffix;
  }
}

TEST_F(Witness, AnEmptyDestinationMeansTheProgramFolder) {
  WriteFile(drive / "RECIBIR" / "SIN_EXTENSION", "x");
  fs::create_directories(temp.path() / "bin");
  std::string ruta = "C:\\RECIBIR\\SIN_EXTENSION";
  dll.GuardarTestigoRecepcion(ruta);
  std::string subFijo;
  std::string destino;
  dll.GuardarTestigoRecepcion(ruta, subFijo, destino);
  EXPECT_EQ(destino, (temp.path() / "bin").string());
  EXPECT_TRUE(fs::exists(temp.path() / "bin" / "TESTIGO" / "2014-05" / "06-1837" / "SIN_EXTENSION"));
}

TEST_F(Witness, ASecondWitnessInTheSameMinuteGetsANumberedName) {
  std::string subFijo;
  std::string destino = "C:\\RECIBIR\\";
  struct Case {
    const char* received;
    const char* content;
    const char* witness;
  } const cases[] = {
      {"A.TXT", "first", "A.TXT"},
      {"A.TXT", "second", "A (2).TXT"},
      {"A.TXT", "third", "A (3).TXT"},
      {"SIN", "one", "SIN"},
      {"SIN", "two", "SIN (2)"},
      {"B.C.csv", "x", "B.C.csv"},
      {"B.C.csv", "y", "B.C (2).csv"},
  };
  const fs::path minute = drive / "RECIBIR" / "TESTIGO" / "2014-05" / "06-1837";
  for (const Case& c : cases) {
    WriteFile(drive / "RECIBIR" / c.received, c.content);
    std::string ruta = std::string("C:\\RECIBIR\\") + c.received;
    dll.GuardarTestigoRecepcion(ruta, subFijo, destino);
    EXPECT_EQ(ReadFile(minute / c.witness), c.content) << c.witness;
  }
  platform.SetNow({2014, 5, 6, 18, 38, 59});
  std::string ruta = "C:\\RECIBIR\\A.TXT";
  dll.GuardarTestigoRecepcion(ruta, subFijo, destino);
  EXPECT_EQ(ReadFile(drive / "RECIBIR" / "TESTIGO" / "2014-05" / "06-1838" / "A.TXT"), "third");
  // Only witnesses remain: no half copy under any name.
  EXPECT_EQ(std::distance(fs::directory_iterator(minute), fs::directory_iterator()), 7);
  EXPECT_TRUE(platform.Operator().Boxes().empty());
}

TEST_F(Witness, AFileIsNeverCopiedOntoItself) {
  const fs::path minute = drive / "RECIBIR" / "TESTIGO" / "2014-05" / "06-1837";
  WriteFile(minute / "A.TXT", "keep");
  EXPECT_FALSE(dll.CopyFile("C:\\RECIBIR\\TESTIGO\\2014-05\\06-1837\\A.TXT", "c:\\recibir\\testigo\\2014-05\\06-1837\\A.TXT"));
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text,
            "El origen y el destino son el mismo archivo: \"C:\\RECIBIR\\TESTIGO\\2014-05\\06-1837\\A.TXT\"");
  EXPECT_EQ(ReadFile(minute / "A.TXT"), "keep");

  // The witness of a file that lies in its own witness folder is a second file.
  std::string ruta = "C:\\RECIBIR\\TESTIGO\\2014-05\\06-1837\\A.TXT";
  std::string subFijo;
  std::string destino = "C:\\RECIBIR\\";
  dll.GuardarTestigoRecepcion(ruta, subFijo, destino);
  EXPECT_EQ(ruta, "C:\\RECIBIR\\TESTIGO\\2014-05\\06-1837\\A.TXT");
  EXPECT_EQ(ReadFile(minute / "A.TXT"), "keep");
  EXPECT_EQ(ReadFile(minute / "A (2).TXT"), "keep");
}

TEST_F(Witness, CopiesEverySizeExactlyOverALongerOldFile) {
  for (const size_t size : {size_t{0}, size_t{1}, size_t{16384}, size_t{32767}, size_t{32768}, size_t{40000}}) {
    const std::string content = Pattern(size, static_cast<unsigned>(size));
    WriteFile(drive / "src.bin", content);
    WriteFile(drive / "dst.bin", Pattern(100000));
    EXPECT_TRUE(dll.CopyFile("C:\\src.bin", "C:\\dst.bin")) << size;
    EXPECT_EQ(ReadFile(drive / "dst.bin"), content) << size;
  }
}

TEST_F(Witness, CopiesASourceOfMoreThan512MiB) {
  // A sparse source: 513 MiB that take no disk, with marks at both ends.
  const uint64_t size = (513ull << 20) + 123;
  // The copy itself is not sparse: it needs its half gigabyte of disk.
  if (fs::space(temp.path()).available < 2 * size) GTEST_SKIP() << "not enough free disk for a 513 MiB copy";
  const fs::path source = drive / "big.bin";
  {
    const int fd = ::open(source.c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, "head", 4, 0), 4);
    ASSERT_EQ(::pwrite(fd, "tail", 4, static_cast<off_t>(size - 4)), 4);
    ::close(fd);
  }
  ASSERT_TRUE(dll.CopyFile("C:\\big.bin", "C:\\copy.bin"));
  ASSERT_EQ(fs::file_size(drive / "copy.bin"), size);
  const int fd = ::open((drive / "copy.bin").c_str(), O_RDONLY);
  char head[4] = {};
  char tail[4] = {};
  ASSERT_EQ(::pread(fd, head, 4, 0), 4);
  ASSERT_EQ(::pread(fd, tail, 4, static_cast<off_t>(size - 4)), 4);
  ::close(fd);
  EXPECT_EQ(std::string(head, 4), "head");
  EXPECT_EQ(std::string(tail, 4), "tail");
}

TEST_F(Witness, AMissingSourceIsToldAndTheDestinationUntouched) {
  WriteFile(drive / "dst.bin", "old");
  EXPECT_FALSE(dll.CopyFile("C:\\missing.bin", "C:\\dst.bin"));
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text, "No se encontro archivo: \"C:\\missing.bin\"");
  EXPECT_EQ(platform.Operator().Boxes()[0].style, mb::kOkOnly);
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "");
  EXPECT_EQ(ReadFile(drive / "dst.bin"), "old");
}

TEST_F(Witness, AFailedCopyGivesErrorAfterBothMessages) {
  WriteFile(drive / "RECIBIR" / "A.TXT", "a");
  platform.Fail(Op::kWriteFile, 1, Times::kFromThenOn, Failure(failure::kDiskFull, "Disk full"), "TESTIGO");
  std::string ruta = "C:\\RECIBIR\\A.TXT";
  std::string subFijo;
  std::string destino = "C:\\RECIBIR\\";
  dll.GuardarTestigoRecepcion(ruta, subFijo, destino);
  EXPECT_EQ(ruta, "ERROR");
  // The half copy went with its temporary name; no witness carries a final one.
  EXPECT_TRUE(fs::is_empty(drive / "RECIBIR" / "TESTIGO" / "2014-05" / "06-1837"));
  ASSERT_EQ(platform.Operator().Boxes().size(), 1u);
  EXPECT_EQ(platform.Operator().Boxes()[0].text, "Ha ocurrido un error en la copia del Archivo");
  EXPECT_EQ(platform.Operator().Boxes()[0].style, mb::kCritical);
  EXPECT_EQ(platform.Operator().Boxes()[0].title, "Atención");

  // A missing received file: the copy's own message, then the witness's.
  ruta = "C:\\RECIBIR\\GONE.TXT";
  dll.GuardarTestigoRecepcion(ruta, subFijo, destino);
  EXPECT_EQ(ruta, "ERROR");
  ASSERT_EQ(platform.Operator().Boxes().size(), 3u);
  EXPECT_EQ(platform.Operator().Boxes()[1].text, "No se encontro archivo: \"C:\\RECIBIR\\GONE.TXT\"");
  EXPECT_EQ(platform.Operator().Boxes()[2].text, "Ha ocurrido un error en la copia del Archivo");
}

TEST_F(Witness, AFolderThatCannotBeMadeAsksWithStyleSevenAndAbortGivesError) {
  WriteFile(drive / "RECIBIR" / "A.TXT", "a");
  struct Case {
    int answer;
    const char* ruta;
    size_t boxes;
  } const cases[] = {
      {mb::kAbort, "ERROR", 1},
      // Ignored, the copy into the missing folder fails and says so.
      {mb::kIgnore, "ERROR", 2},
      {mb::kRetry, "C:\\RECIBIR\\A.TXT", 1},
  };
  for (const Case& c : cases) {
    TestPlatform local(drive.string());
    Dll_SYD object(local);
    fs::remove_all(drive / "RECIBIR" / "TESTIGO");
    local.Fail(Op::kCreateFolder, 1, Times::kOnce, Failure(failure::kPathNotFound, "Path not found"), "TESTIGO");
    local.Operator().QueueAnswers({c.answer});
    std::string ruta = "C:\\RECIBIR\\A.TXT";
    std::string subFijo;
    std::string destino = "C:\\RECIBIR\\";
    object.GuardarTestigoRecepcion(ruta, subFijo, destino);
    EXPECT_EQ(ruta, c.ruta) << c.answer;
    ASSERT_EQ(local.Operator().Boxes().size(), c.boxes) << c.answer;
    EXPECT_EQ(local.Operator().Boxes()[0].style & 0x0F, mb::kAbortRetryIgnore);
    EXPECT_EQ(local.Operator().Boxes()[0].title, "GuardaTestigoRecepcion");
  }
}

TEST(Utilidades, SepararRutaSplitsNameAndExtension) {
  struct Case {
    const char* ruta;
    const char* nombre;
    const char* extension;
  } const cases[] = {
      {"C:\\RECIBIR\\ARTICULOS.TXT", "ARTICULOS", "TXT"},
      {"C:\\RECIBIR\\A.B.csv", "A.B", "csv"},
      {"C:\\RECIBIR\\SIN", "SIN", ""},
      {"/x/y.z/plain", "plain", ""},
      {"ONLY.TXT", "ONLY", "TXT"},
  };
  for (const Case& c : cases) {
    std::string nombre;
    std::string extension;
    Utilidades::SepararRuta(c.ruta, "", nombre, extension);
    EXPECT_EQ(nombre, c.nombre) << c.ruta;
    EXPECT_EQ(extension, c.extension) << c.ruta;
  }
}

}  // namespace
}  // namespace tramvel::testing
