#include <fmt/format.h>

#include <algorithm>


#include "common/FileText.h"
#include "common/StepRunner.h"
#include "logistics/Dll_SYD.h"
#include "platform/MessageBoxStyle.h"
#include "platform/Platform.h"

namespace tramvel {
namespace {

constexpr uint64_t kTramo = 32768;
constexpr std::size_t kBloque = 16384;
// Whole blocks move in groups, so that a large file costs few system calls.
constexpr uint64_t kBloquesPorTanda = 64;

void Copiar(File& origen, File& destino, std::size_t cantidad) {
  if (origen.CopyTo(destino, cantidad) != cantidad) throw Failure(failure::kInputPastEnd, "Input past end of file");
}

// Gives the copy the first of "A.TXT", "A (2).TXT", "A (3).TXT", ... in
// `carpeta` that names nothing yet: a second delivery in the same minute
// keeps the first one's witness.
void DarNombreLibre(Platform& platform, const std::string& copia, const std::string& carpeta,
                    const std::string& nombre, const std::string& extension) {
  for (int numero = 1;; ++numero) {
    const std::string base = numero == 1 ? nombre : fmt::format("{} ({})", nombre, numero);
    if (platform.RenameFileIfFree(copia, carpeta + (extension.empty() ? base : base + "." + extension))) return;
  }
}

// Removes what a failed copy left behind; a file that cannot go stays.
void BorrarSiQueda(Platform& platform, const std::string& ruta) {
  StepRunner pasos(StepRunner::Ignoring());
  pasos.Run([&] {
    pasos([&] {
      if (platform.FileExists(ruta)) platform.DeleteFile(ruta);
    });
  });
}

}  // namespace

bool Dll_SYD::FileExists(const std::string& path) { return CanOpenForReading(platform_, path); }

bool Dll_SYD::CopyFile(std::string SourcePath, std::string DestinationPath) {
  if (!FileExists(SourcePath)) {
    platform_.Operator().MessageBox("No se encontro archivo: \"" + SourcePath + "\"", mb::kOkOnly, "");
    return false;
  }
  // Opening the destination empties it: onto itself, that would be the source.
  if (platform_.SameFile(SourcePath, DestinationPath)) {
    platform_.Operator().MessageBox("El origen y el destino son el mismo archivo: \"" + SourcePath + "\"", mb::kOkOnly, "");
    return false;
  }
  bool copiado = false;
  StepRunner pasos(StepRunner::GivingUp());
  pasos.Run([&] {
    pasos([&] {
      const auto origen = platform_.OpenFile(SourcePath, OpenMode::kRead);
      const auto destino = platform_.OpenFile(DestinationPath, OpenMode::kWrite);
      const uint64_t n = origen->Length();
      // The remainder first, then whole blocks; the block count is 64-bit so
      // that a source of any size is copied to its last byte.
      Copiar(*origen, *destino, static_cast<std::size_t>(n % kTramo));
      for (uint64_t bloques = (n / kTramo) * 2; bloques > 0;) {
        const uint64_t tanda = std::min(bloques, kBloquesPorTanda);
        Copiar(*origen, *destino, static_cast<std::size_t>(tanda * kBloque));
        bloques -= tanda;
      }
      copiado = true;
    });
  });
  return copiado;
}

void Dll_SYD::GuardarTestigoRecepcion(std::string& RutaArchivo) {
  std::string subFijo;
  std::string rutaDestino;
  GuardarTestigoRecepcion(RutaArchivo, subFijo, rutaDestino);
}

void Dll_SYD::GuardarTestigoRecepcion(std::string& RutaArchivo, std::string& SubFijo, std::string& RutaDestino) {
  // Creating a folder that exists raises 75: that is no failure here.
  StepRunner pasos(StepRunner::Skipping(failure::kPathFileAccess, [&](const Failure& error) {
    const int respuesta = Util().ManejarError(error, 7, "GuardaTestigoRecepcion");
    if (respuesta == mb::kRetry) return OnFailure::kRetry;
    if (respuesta == mb::kAbort) {
      RutaArchivo = "ERROR";
      return OnFailure::kGiveUp;
    }
    return OnFailure::kIgnore;
  }));
  std::string nombre;
  std::string extension;
  std::string archivo;
  DateTime ahora;
  std::string carpetaMes;
  std::string carpetaMinuto;
  std::string base;
  std::string testigo;
  pasos.Run([&] {
    pasos([&] {
      Utilidades::SepararRuta(RutaArchivo, "", nombre, extension);
      // Windows drops the dot of a name without extension; so does the witness.
      archivo = extension.empty() ? nombre : nombre + "." + extension;
    });
    // One reading of the clock, so that date and time cannot straddle midnight.
    pasos([&] { ahora = platform_.Now(); });
    pasos([&] { carpetaMes = fmt::format("{:04}-{:02}", ahora.year, ahora.month); });
    pasos([&] { SubFijo = Utilidades::AjustarTexto(SubFijo, 1); });
    pasos([&] { carpetaMinuto = fmt::format("{:02}-{:02}{:02}", ahora.day, ahora.hour, ahora.minute) + SubFijo; });
    pasos([&] {
      if (RutaDestino.empty()) RutaDestino = platform_.ProgramFolder();
    });
    pasos([&] { base = Utilidades::RutaConBarra(RutaDestino); });
    pasos([&] { testigo = base + "TESTIGO\\" + carpetaMes + "\\" + carpetaMinuto; });
    // A folder that exists is left alone; looking first spares the failure
    // that creating it would raise for every file of a delivery.
    for (const std::string& carpeta : {base + "TESTIGO", base + "TESTIGO\\" + carpetaMes, testigo}) {
      pasos([&] {
        if (!platform_.FolderExists(carpeta)) platform_.CreateFolder(carpeta);
      });
    }
    // The copy gets its final name only when complete, and never one that a
    // witness already has.
    const std::string parcial = testigo + "\\" + archivo + ".parcial";
    bool copiado = true;
    pasos([&] { copiado = CopyFile(RutaArchivo, parcial); });
    if (copiado) {
      pasos([&] {
        copiado = false;
        DarNombreLibre(platform_, parcial, testigo + "\\", nombre, extension);
        copiado = true;
      });
    }
    if (!copiado) {
      BorrarSiQueda(platform_, parcial);
      pasos([&] { platform_.Operator().MessageBox("Ha ocurrido un error en la copia del Archivo", mb::kCritical, "Atención"); });
      pasos([&] { RutaArchivo = "ERROR"; });
    }
  });
}

}  // namespace tramvel
