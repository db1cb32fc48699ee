#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/ArmarSentencia.h"
#include "common/GActualizarDatoScript.h"
#include "common/components/ArchivoIni.h"
#include "common/components/Consultas.h"
#include "common/components/InfoEquipo.h"
#include "common/components/RutasSistema.h"
#include "common/components/SesionDatos.h"
#include "common/components/Utilidades.h"
#include "ado/OpenConnection.h"
#include "startup/ConfiguracionSistema.h"

namespace tramvel {

class Platform;

// The program-wide values and component instances, in place of program-wide
// variables: one object per run, passed by reference to what needs
// it. Components are created on first use and kept.
class ProgramState {
 public:
  // `abrir` opens the connections of both sessions; a test hands in its own
  // engine.
  explicit ProgramState(Platform& platform, ado::ConnectionOpener abrir = ado::OpenConnection)
      : platform_(platform), abrir_(std::move(abrir)) {}
  ProgramState(const ProgramState&) = delete;
  ProgramState& operator=(const ProgramState&) = delete;

  Platform& platform() const { return platform_; }

  // The main database session.
  SesionDatos& Sesion() { return Lazy(sesion_, platform_, abrir_); }
  // The statistics database session, gSesionEstadisticas.
  SesionDatos& SesionEstadisticas() { return Lazy(sesionEstadisticas_, platform_, abrir_); }
  Utilidades& Util() { return Lazy(utilidades_, platform_); }
  InfoEquipo& Equipo() { return Lazy(infoEquipo_, platform_); }
  ArchivoIni& Ini() { return Lazy(archivoIni_, platform_); }
  Consultas& ConsultasSistema() { return Lazy(consultas_); }
  RutasSistema& Rutas() { return Lazy(rutas_); }

  // What the program's statement lists run with: the main session and the
  // program's error dialog.
  EntornoScript Script();

  std::string gParametroAdicional;
  std::string gMenu;
  std::string gUsuarioLogeado;
  std::string gCaja = "1";
  std::string gSeccionIni;
  double gFlatToolbars = 1;
  int32_t gColorLetra = 0;
  int32_t gColorFondo = 16777215;
  std::string gCadenaDSN;
  int16_t gTimeOut = 360;
  // The program's help file (App.HelpFile on Windows).
  std::string archivoAyuda;

  // The access log's: the pending field list of the statement builder, the
  // program's statement list, and the Id that the last access read.
  CamposPendientes gCampos;
  std::vector<std::string> gLineas;
  int32_t gIdAcceso = 0;

  // The configuration table that Cfg, CfgDW and GrabaCfgDW read and write.
  std::string gTablaConfiguracion;
  // The system settings that CargarConfiguracion loads.
  ConfiguracionSistema Configuracion;

 private:
  template <typename T, typename... Args>
  static T& Lazy(std::unique_ptr<T>& slot, Args&... args) {
    if (!slot) slot = std::make_unique<T>(args...);
    return *slot;
  }

  Platform& platform_;
  ado::ConnectionOpener abrir_;
  std::unique_ptr<SesionDatos> sesion_;
  std::unique_ptr<SesionDatos> sesionEstadisticas_;
  std::unique_ptr<Utilidades> utilidades_;
  std::unique_ptr<InfoEquipo> infoEquipo_;
  std::unique_ptr<ArchivoIni> archivoIni_;
  std::unique_ptr<Consultas> consultas_;
  std::unique_ptr<RutasSistema> rutas_;
};

}  // namespace tramvel
