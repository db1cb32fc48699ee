#pragma once

#include <string>
#include <vector>

#include "RecordingEngine.h"
#include "TempFolder.h"
#include "TestPlatform.h"
#include "startup/ProgramState.h"

namespace tramvel::testing {

// A program whose sessions connect over one recording engine, for tests of
// the SQL text sent: the main session is connected to "GESTION" of
// `servidor`; every connection's settings are kept in `abiertas`.
class SitioGrabado {
 public:
  explicit SitioGrabado(const std::string& servidor = "SRV01") {
    platform.SetEnv("TRAMVEL_INI", std::nullopt);
    SesionDatos& sesion = programa.Sesion();
    sesion.Servidor(servidor);
    sesion.BaseDeDatos("GESTION");
    sesion.Conectar(false, 3, "", true, true);
  }

  // What was sent since the last call.
  std::vector<std::string> Enviado() {
    std::vector<std::string> enviado(engine.Sent().begin() + static_cast<std::ptrdiff_t>(leidos_), engine.Sent().end());
    leidos_ = engine.Sent().size();
    return enviado;
  }

  RecordingEngine engine;
  TempFolder temp;
  TestPlatform platform{temp.str()};
  std::vector<ado::ConnectionSettings> abiertas;
  ProgramState programa{platform, [this](const ado::ConnectionSettings& ajustes) {
                          abiertas.push_back(ajustes);
                          return engine.Connect(ajustes.database);
                        }};

 private:
  std::size_t leidos_ = 0;
};

}  // namespace tramvel::testing
