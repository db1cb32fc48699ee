#include "common/GrabarError.h"

#include <memory>

#include "common/FormatosFecha.h"
#include "common/RecordsetAbierto.h"
#include "common/StepRunner.h"
#include "common/components/InfoEquipo.h"
#include "common/components/SesionDatos.h"
#include "common/components/Utilidades.h"
#include "platform/Platform.h"

namespace tramvel {

void GrabarError(SesionDatos& sesion, const InfoEquipo& equipo, Platform& platform, const std::string& sql,
                 std::string& proceso, int32_t nroError, const std::string& descripcion) {
  StepRunner pasos(StepRunner::Ignoring());
  std::unique_ptr<ado::Recordset> rs;
  auto columna = [&](const char* nombre, const ado::Variant& valor) {
    pasos([&] { Abierto(rs, "GrabarError").Fields(nombre).SetValue(valor); });
  };
  pasos.Run([&] {
    pasos([&] {
      if (proceso.empty()) proceso = platform.ExecutableName();
    });
    pasos([&] {
      sesion.AbrirRecordset("select  top 1 * from AUX_ERR  with(nolock) ", rs, nullptr, ado::adOpenDynamic,
                            ado::adLockOptimistic, -1, true);
    });
    pasos([&] { Abierto(rs, "GrabarError").AddNew(); });
    columna("Proceso", ado::Variant(platform.ExecutableName()));
    columna("Fecha", ado::Variant(FormatearFecha(platform.Now(), FormatoFechaHora())));
    columna("Error", ado::Variant(nroError));
    columna("Descripcion", ado::Variant(Utilidades::AjustarTexto(descripcion, 250)));
    columna("SQL", ado::Variant(sql));
    columna("PC", ado::Variant(equipo.NombreMaquina()));
    columna("Usuario", ado::Variant(sesion.Usuario()));
    pasos([&] { Abierto(rs, "GrabarError").Update(); });
    pasos([&] { sesion.CerrarRecordset(rs); });
  });
}

}  // namespace tramvel
