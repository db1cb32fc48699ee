#include "logistics/Dll_SYD.h"

namespace tramvel {

Dll_SYD::Dll_SYD(Platform& platform, std::unique_ptr<ado::Connection> conexion) : Dll_SYD(platform) {
  Sesion().Conexion(std::move(conexion));
}

Utilidades& Dll_SYD::Util() {
  if (!utilidades_) utilidades_ = std::make_unique<Utilidades>(platform_);
  return *utilidades_;
}

SesionDatos& Dll_SYD::Sesion() {
  if (!sesion_) sesion_ = std::make_unique<SesionDatos>(platform_);
  return *sesion_;
}

VentanaEspera& Dll_SYD::Espera() {
  if (!espera_) espera_ = std::make_unique<VentanaEspera>(platform_);
  return *espera_;
}

}  // namespace tramvel
