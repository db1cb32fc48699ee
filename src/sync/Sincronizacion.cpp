#include "sync/Sincronizacion.h"

#include "common/StepRunner.h"
#include "common/VbDates.h"
#include "common/components/Utilidades.h"
#include "logistics/Dll_SYD.h"
#include "platform/MessageBoxStyle.h"
#include "platform/Platform.h"
#include "platform/TextCase.h"
#include "startup/ProgramState.h"
#include "sync/ExisteArchivo.h"
#include "sync/NombresOmitidos.h"
#include "sync/ServidorWeb.h"

namespace tramvel {
namespace {

const std::string kAsteriscos(45, '*');

}  // namespace

Sincronizacion::Ejecucion::Ejecucion(Sincronizacion& job)
    : programas(job.programa_.platform(), [&job](const std::string& texto) { job.vista_.rotulo(texto); }) {}

Sincronizacion::Sincronizacion(ProgramState& programa, VistaTrabajo vista)
    : programa_(programa), vista_(std::move(vista)) {}

Sincronizacion::~Sincronizacion() = default;

ResultadoTrabajo Sincronizacion::Sincronizar(bool subir) {
  Ejecucion run(*this);
  run.subir = subir;
  // Until the first old file is deleted, each failure goes to the operator:
  // Retry runs the step again, Ignore goes on, anything else ends the run.
  StepRunner pasos([this](const Failure& error) { return FromDialogAnswer(programa_.Util().ManejarError(error)); });
  pasos.Run([&] { Marco(run, pasos); });
  return run.resultado;
}

void Sincronizacion::Marco(Ejecucion& run, StepRunner& pasos) {
  Platform& platform = programa_.platform();
  pasos([&] { run.rutaCliente = RutaPrograma("zariz.exe"); });
  if (pasos.If([&] { return !ExisteArchivo(platform, run.rutaCliente); })) {
    Avisar(pasos, "NO SE ENCUENTRA EL CLIENTE FTP ZARIZ, COMUNIQUELO A SU PROVEEDOR DE SISTEMAS...", mb::kOkOnly, "");
    Cierre(pasos);
    return;
  }
  pasos([&] { run.carpeta = run.subir ? "C:\\ENVIAR\\" : "C:\\RECIBIR\\"; });
  if (pasos.If([&] { return !platform.FolderExists(run.carpeta); })) {
    pasos([&] { platform.CreateFolder(run.carpeta); });
  }
  if (run.subir) BorrarAntiguos(run, pasos);
  Rotulo(pasos, "Conectando");
  pasos([&] {
    run.dirWeb = "Public_html/clientes/";
    run.ftp = LeerServidorWeb(programa_);
  });
  if (pasos.If([&] { return run.ftp.servidor.empty(); })) {
    Avisar(pasos, "Falta configurar la carpeta FTP", mb::kCritical, "Atencion");
    Estado(pasos, "Falta configurar la carpeta FTP");
    return;
  }
  const bool sigue = run.subir ? Subida(run, pasos) : Descarga(run, pasos);
  if (!sigue) return;
  Bombear(pasos);
  Cierre(pasos);
}

void Sincronizacion::BorrarAntiguos(Ejecucion& run, StepRunner& pasos) {
  Platform& platform = programa_.platform();
  std::vector<std::string> lista;
  pasos([&] { lista = platform.ListFolder(run.carpeta, false); });
  Rotulo(pasos, "Borrando Archivos Antiguos...");
  for (const std::string& antiguo : lista) {
    if (EsNombreOmitido(antiguo, "Estados.txt") || NombreConCarpeta(antiguo)) continue;
    // A file that cannot be deleted (in use, say) must not stop the upload.
    pasos.SetMode(StepRunner::Ignoring());
    Rotulo(pasos, "Borrando Archivos Antiguos...\r\n" + run.carpeta + antiguo);
    pasos([&] { platform.DeleteFile(run.carpeta + antiguo); });
  }
}

bool Sincronizacion::Subida(Ejecucion& run, StepRunner& pasos) {
  Rotulo(pasos, "Generando Archivo...");
  Bombear(pasos);
  pasos([&] { run.parametros = TextoInterfaz(programa_.Sesion()); });
  // Sending an outbox the export did not fill completely would publish
  // partial master data as if it were whole.
  if (Correr(run, pasos,
             {RutaPrograma("INTERFACEENVIOMAESTROS.EXE") + " " + run.parametros,
              "Subiendo archivo " + run.nombreArchivo, "Generando Archivo..", "Generando Archivo...",
              "Error al generar el archivo", true}) != Final::kBien) {
    return false;
  }
  pasos([&] { run.dirWeb = CarpetaCliente(run.dirWeb, '/'); });
  pasos([&] {
    run.nombreArchivo = "TODOS";
    run.modoFtp = "NO";
  });
  pasos([&] { run.parametros = TextoTransferencia(run.modoFtp, run.ftp, run.nombreArchivo, run.dirWeb, run.carpeta); });
  Bombear(pasos);
  const std::string error = "Error al enviar el : " + run.nombreArchivo;
  if (Correr(run, pasos,
             {run.rutaCliente + " " + run.parametros, "Subiendo archivo " + run.nombreArchivo, "Subiendo...",
              "Subiendo..", error, false}) == Final::kFallo) {
    Rotulo(pasos, error);
    return true;
  }
  Estado(pasos, kPuntos);
  Rotulo(pasos, "Finalizado");
  run.resultado.finalizado = true;
  return true;
}

Sincronizacion::Final Sincronizacion::Correr(Ejecucion& run, StepRunner& pasos, const Programa& programa) {
  const EjecutarYEsperar::Proceso proceso = run.programas.Iniciar(pasos, programa.lineaComando);
  if (pasos.If([&] { return proceso.handle == 0; })) {
    FalloDePrograma(run, pasos, programa.error, programa.conAviso);
    return Final::kNoArranco;
  }
  if (programa.estado) Estado(pasos, *programa.estado);
  run.programas.Esperar(pasos, proceso, programa.antes, programa.despues);
  if (pasos.If([&] { return run.programas.CodigoSalida() != 0; })) {
    FalloDePrograma(run, pasos, programa.error, programa.conAviso);
    return Final::kFallo;
  }
  return Final::kBien;
}

void Sincronizacion::FalloDePrograma(Ejecucion& run, StepRunner& pasos, const std::string& texto, bool conAviso) {
  Estado(pasos, texto);
  if (conAviso) Avisar(pasos, texto, mb::kOkOnly, "");
  run.resultado.programaFallido = true;
}

void Sincronizacion::Cierre(StepRunner& pasos) {
  pasos([&] { vista_.estado("PROCESO FINALIZADO..." + FormatoGeneral(programa_.platform().Now()), "", ""); });
  Estado(pasos, kAsteriscos);
}

void Sincronizacion::Rotulo(StepRunner& pasos, const std::string& texto) {
  pasos([&] { vista_.rotulo(texto); });
}

void Sincronizacion::Estado(StepRunner& pasos, const std::string& linea) {
  pasos([&] { vista_.estado(linea, "", ""); });
}

void Sincronizacion::Avisar(StepRunner& pasos, const std::string& texto, int estilo, const std::string& titulo) {
  pasos([&] { programa_.platform().Operator().MessageBox(texto, estilo, titulo); });
}

void Sincronizacion::Bombear(StepRunner& pasos) {
  pasos([&] { programa_.platform().Operator().PumpEvents(); });
}

std::string Sincronizacion::RutaPrograma(const std::string& nombre) {
  return Utilidades::RutaConBarra(programa_.platform().ProgramFolder()) + nombre;
}

}  // namespace tramvel
