#pragma once

#include <memory>
#include <optional>
#include <string>

#include "sync/EjecutarYEsperar.h"
#include "sync/TextosProgramas.h"
#include "sync/VistaTrabajo.h"

namespace tramvel {

class Dll_SYD;
class ProgramState;
class StepRunner;

// How a job ended, for the exit status of an automatic run.
struct ResultadoTrabajo {
  bool finalizado = false;       // the job reached "Finalizado"
  bool programaFallido = false;  // an outside program failed or could not be watched
  bool archivoRetenido = false;  // a received file without its witness stayed on the web server

  // 0 when the job ended on "Finalizado", every outside program it started
  // exited 0 and every received file was dealt with; 1 otherwise.
  int EstadoSalida() const { return finalizado && !programaFallido && !archivoRetenido ? 0 : 1; }
};

// The synchronization job of the window: the frame of a run, the upload and
// the download, each outside program started and waited for in turn.
class Sincronizacion {
 public:
  Sincronizacion(ProgramState& programa, VistaTrabajo vista);
  ~Sincronizacion();
  Sincronizacion(const Sincronizacion&) = delete;
  Sincronizacion& operator=(const Sincronizacion&) = delete;

  // Runs one job: the upload when `subir`, else the download. Traps and
  // reports its own failures.
  ResultadoTrabajo Sincronizar(bool subir);

 private:
  // The values of one run, started afresh by every call.
  struct Ejecucion {
    explicit Ejecucion(Sincronizacion& job);
    bool subir = false;
    std::string rutaCliente;
    std::string carpeta;
    std::string dirWeb;
    ValoresFtp ftp;
    std::string parametros;
    std::string nombreArchivo;
    std::string modoFtp;
    EjecutarYEsperar programas;
    ResultadoTrabajo resultado;
  };

  void Marco(Ejecucion& run, StepRunner& pasos);
  void BorrarAntiguos(Ejecucion& run, StepRunner& pasos);
  // Each returns false when the run ends at once, without its closing lines.
  bool Subida(Ejecucion& run, StepRunner& pasos);
  bool Descarga(Ejecucion& run, StepRunner& pasos);
  void Testigos(Ejecucion& run, StepRunner& pasos);
  void Cierre(StepRunner& pasos);
  // An outside program that failed: its status line (and box, when the run
  // tells the operator), and the job no longer counts as a success.
  void FalloDePrograma(Ejecucion& run, StepRunner& pasos, const std::string& texto, bool conAviso);

  // One run of an outside program as the job shows it.
  struct Programa {
    std::string lineaComando;
    std::optional<std::string> estado;  // the status line once it has started
    std::optional<std::string> antes;   // the caption before and after each poll
    std::optional<std::string> despues;
    std::string error;                  // FalloDePrograma's text when it fails
    bool conAviso = false;
  };
  enum class Final { kNoArranco, kFallo, kBien };
  // Starts the program, waits for its end and checks its exit code; a
  // program that did not start or ended with a code other than 0 is reported
  // through FalloDePrograma.
  Final Correr(Ejecucion& run, StepRunner& pasos, const Programa& programa);

  void Rotulo(StepRunner& pasos, const std::string& texto);
  void Estado(StepRunner& pasos, const std::string& linea);
  void Avisar(StepRunner& pasos, const std::string& texto, int estilo, const std::string& titulo);
  void Bombear(StepRunner& pasos);
  std::string RutaPrograma(const std::string& nombre);

  ProgramState& programa_;
  VistaTrabajo vista_;
  // The window's one logistics object, created at the first witness.
  std::unique_ptr<Dll_SYD> dll_;
};

}  // namespace tramvel
