#include "upgrade/AbrirDocumento.h"

#include "platform/Platform.h"

namespace tramvel {
namespace {

// The launcher has no search path of its own: it starts files. An opener
// that is nowhere on PATH is left bare, so that starting it fails as a
// missing program does.
std::string Abridor(Platform& platform) {
  const std::string nombre = "xdg-open";
  const std::string path = platform.GetEnv("PATH").value_or("/usr/local/bin:/usr/bin:/bin");
  for (std::size_t inicio = 0; inicio <= path.size();) {
    std::size_t fin = path.find(':', inicio);
    if (fin == std::string::npos) fin = path.size();
    const std::string carpeta = path.substr(inicio, fin - inicio);
    if (!carpeta.empty() && platform.FileExists(carpeta + "/" + nombre)) return carpeta + "/" + nombre;
    inicio = fin + 1;
  }
  return nombre;
}

bool ComoBooleano(const ado::Variant& valor) { return !valor.IsEmpty() && !valor.IsNull() && valor.ToBoolean(); }

}  // namespace

void AbrirDocumento(Platform& platform, const std::string& ruta, const ado::Variant& ConFoco) {
  // The rest of the line reaches the opener unchanged as its one argument,
  // so a path with blanks needs no quotes; quotes would become part of the
  // name it looks for.
  const WindowStyle estilo = ComoBooleano(ConFoco) ? WindowStyle::kMinimizedFocus : WindowStyle::kMinimizedNoFocus;
  platform.StartProcess(Abridor(platform) + " " + platform.NativePath(ruta), estilo);
}

}  // namespace tramvel
