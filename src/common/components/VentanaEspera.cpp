#include "common/components/VentanaEspera.h"

#include "platform/Platform.h"

namespace tramvel {

void VentanaEspera::Mostrar(const std::string& titulo, int16_t /*flag*/) { platform_.Operator().ShowWaitWindow(titulo); }

void VentanaEspera::Mensaje(int16_t& detener, const std::string& linea1, const std::string& linea2,
                            const std::string& linea3) {
  if (platform_.Operator().UpdateWaitWindow(linea1, linea2, linea3)) detener = -1;
}

void VentanaEspera::Cerrar() { platform_.Operator().CloseWaitWindow(); }

}  // namespace tramvel
