#include <set>

#include "common/StepRunner.h"
#include "logistics/Dll_SYD.h"
#include "platform/Platform.h"
#include "startup/ProgramState.h"
#include "sync/NombresOmitidos.h"
#include "sync/Sincronizacion.h"

namespace tramvel {
bool Sincronizacion::Descarga(Ejecucion& run, StepRunner& pasos) {
  Rotulo(pasos, "Preparando");
  pasos([&] { run.dirWeb = CarpetaCliente(run.dirWeb, '\\'); });
  pasos([&] {
    run.modoFtp = "SI";
    run.parametros = TextoTransferencia(run.modoFtp, run.ftp, "TODOS", run.dirWeb, run.carpeta);
  });
  Bombear(pasos);
  Estado(pasos, "Descargando desde " + run.dirWeb);
  const std::string error = "Error al Generar el : " + run.nombreArchivo;
  const Final bajada = Correr(
      run, pasos, {run.rutaCliente + " " + run.parametros, std::nullopt, "Descargando..", std::nullopt, error, false});
  // A failed fetch may have brought part of the delivery: importing it, or
  // deleting anything on the web server, would lose the rest. One that could
  // not be watched is no better known, and ends the same way rather than on
  // "Finalizado".
  if (bajada != Final::kBien) {
    Rotulo(pasos, error);
    return true;
  }
  Bombear(pasos);
  pasos([&] { run.parametros = TextoInterfaz(programa_.Sesion()); });
  // A delivery that did not load must come again: nothing is deleted.
  if (Correr(run, pasos,
             {RutaPrograma("INTERFACERECEPMAESTROS.EXE") + " " + run.parametros,
              "Leyendo archivo " + run.nombreArchivo, "Leyendo Archivo..", "Leyendo Archivo...",
              "Error al tomar el archivo", true}) != Final::kBien) {
    return false;
  }
  Testigos(run, pasos);
  Rotulo(pasos, "Finalizado");
  run.resultado.finalizado = true;
  return true;
}

void Sincronizacion::Testigos(Ejecucion& run, StepRunner& pasos) {
  Platform& platform = programa_.platform();
  std::set<std::string> conTestigo;
  std::set<std::string> borradosEnLaWeb;

  Rotulo(pasos, "Generando Testigo...");
  Estado(pasos, kPuntos);
  std::vector<std::string> lista;
  pasos([&] { lista = platform.ListFolder(run.carpeta, false); });
  for (const std::string& nombre : lista) {
    pasos([&] { run.nombreArchivo = nombre; });
    if (!EsNombreOmitido(nombre, "estados.txt") && !NombreConCarpeta(nombre)) {
      Estado(pasos, "Descargado " + run.carpeta + nombre);
      pasos([&] {
        if (!dll_) dll_ = std::make_unique<Dll_SYD>(platform);
        // The operation may write into its arguments; the run keeps its own.
        std::string rutaArchivo = run.carpeta + nombre;
        std::string subFijo;
        std::string rutaDestino = run.carpeta;
        dll_->GuardarTestigoRecepcion(rutaArchivo, subFijo, rutaDestino);
        if (rutaArchivo != "ERROR") conTestigo.insert(nombre);
      });
      Bombear(pasos);
    }
    Rotulo(pasos, "Generando Testigo...\r\n" + run.carpeta + nombre);
  }
  Rotulo(pasos, "Generando Testigo...Correcto!");
  Estado(pasos, kPuntos);
  // The web server's copy goes next: a power cut after that must not take
  // the only other copy with it.
  if (!conTestigo.empty()) pasos([&] { platform.SyncFileSystem(run.carpeta + "TESTIGO"); });

  Rotulo(pasos, "Borrando Archivos de la Web...");
  pasos([&] { lista = platform.ListFolder(run.carpeta, false); });
  for (const std::string& nombre : lista) {
    pasos([&] { run.nombreArchivo = nombre; });
    if (EsNombreOmitido(nombre, "Estados.txt")) continue;
    if (pasos.If([&] { return !CabeEnTextoBorrado(nombre); })) {
      Estado(pasos, "Nombre no válido, no se borra en la Web: " + nombre);
      pasos([&] { run.resultado.archivoRetenido = true; });
      continue;
    }
    // Without its witness the web server's copy is the only one kept: the
    // file stays there and comes again with the next download.
    if (pasos.If([&] { return conTestigo.count(nombre) == 0; })) {
      Estado(pasos, "Sin testigo, no se borra en la Web: " + nombre);
      pasos([&] { run.resultado.archivoRetenido = true; });
      continue;
    }
    pasos([&] {
      run.modoFtp = "BORRAR";
      run.parametros = TextoBorrado(run.ftp, nombre, run.dirWeb, run.carpeta);
    });
    Rotulo(pasos, "Borrando Archivos de la Web...\r\n" + nombre);
    const EjecutarYEsperar::Proceso borrado = run.programas.Iniciar(pasos, run.rutaCliente + " " + run.parametros);
    Estado(pasos, "Borrando procesados..." + nombre);
    run.programas.Esperar(pasos, borrado, std::nullopt, std::nullopt);
    if (run.programas.TerminoBien(borrado)) {
      borradosEnLaWeb.insert(nombre);
      continue;
    }
    // The file stays on the web server and comes again with the next download.
    FalloDePrograma(run, pasos, "Error al borrar en la Web: " + nombre, false);
    // Every later deletion would wait for the same server in vain.
    if (pasos.If([&] { return borrado.handle != 0 && run.programas.CodigoSalida() == kZarizSinServidor; })) {
      Estado(pasos, "No se puede conectar con el servidor FTP: no se borran los demás archivos de la Web");
      break;
    }
  }
  Rotulo(pasos, "Borrando Archivos de la Web...Correcto!");
  Estado(pasos, kPuntos);

  // A received file leaves the inbox only once its witness holds it and the
  // web server no longer does, so that the next download neither imports it
  // again nor loses it.
  for (const std::string& nombre : conTestigo) {
    if (borradosEnLaWeb.count(nombre) == 0) continue;
    pasos([&] { platform.DeleteFile(run.carpeta + nombre); });
  }
  Rotulo(pasos, "Borrando Archivos Temporales...Correcto!");
}

}  // namespace tramvel
