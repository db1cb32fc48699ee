#pragma once

#include <QLabel>
#include <QToolButton>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <string>

#include "sync/Sincronizacion.h"

namespace tramvel {

class ProgramState;

// The synchronization window: two buttons that start the jobs, a blinking
// wait indicator and the status label. Wiring only; the job is Sincronizacion.
class Form1 : public QWidget {
 public:
  explicit Form1(ProgramState& programa, QWidget* parent = nullptr);

  // The load event: runs the start-up sequence, then the job that the launch
  // parameter names. Returns the exit status of that automatic job (2 when
  // the main connection could not be opened, in either mode), or nullopt
  // when the window is to show itself and wait (interactive mode).
  std::optional<int> Form_Load();

  void CmdSubir_Click();
  void CmdDescargar_Click();
  void Timer1_Timer();

  // Runs one job; the upload when `subir`.
  void Sincronizar(bool subir);

  // Writes one composed status text as a line of the run's log (standard output).
  void Estado(const std::string& l1, const std::string& l2, const std::string& l3);

  const ResultadoTrabajo& UltimoResultado() const { return ultimoResultado_; }

 private:
  void Ejecutar(bool subir);
  void Rotulo(const std::string& texto);

  ProgramState& programa_;
  QToolButton cmdSubir_;
  QToolButton cmdDescargar_;
  QLabel img1_;
  QLabel lblEspere_;
  QLabel lblInfo_;
  QTimer timer1_;
  bool parpadeo_ = false;
  Sincronizacion sincronizacion_;
  ResultadoTrabajo ultimoResultado_;
};

}  // namespace tramvel
