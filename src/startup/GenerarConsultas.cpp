#include "startup/GenerarConsultas.h"

#include <cstddef>
#include <span>
#include <string>

#include "platform/Platform.h"
#include "startup/ProgramState.h"

namespace tramvel {
namespace {

constexpr std::size_t kLargoRegistro = 1202;

struct Busqueda {
  const char* nombre;
  const char* vista;
  const char* campos;
};

constexpr Busqueda kBusquedas[] = {
    {"ARTICULOS", "V_MA_ARTICULOS", "|DESCRIPCION|IDARTICULO|"},
    {"CLIENTES", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|"},
    {"PROVEEDORES", "VT_PROVEEDORES", "|RAZON_SOCIAL|CODIGO|"},
    {"CONTACTOS", "MA_CONTACTOS", "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|"},
    {"VENDEDORES", "V_TA_VENDEDORES", "|NOMBRE|IDVENDEDOR|"},
    {"TECNICOS", "V_TA_TECNICOS", "|NOMBRE|IDTECNICO|"},
    {"MANTENIMIENTOS", "V_MA_MANTENIMIENTOS", "|DESCRIPCION|CODIGO|"},
    {"CUENTAS", "MA_CUENTAS", "|DESCRIPCION|CODIGO|"},
    {"TAREAS", "V_TA_Tareas", "|Descripcion|IdTarea|"},
    {"UnidadNegocio", "V_TA_UnidadNegocio", "|Descripcion|Codigo|"},
    {"DEPOSITO", "V_TA_DEPOSITO", "|Descripcion|IdDeposito|"},
};

// A fixed-length text field: left-aligned, padded with blanks.
void Campo(std::string& registro, std::string_view texto, std::size_t largo) {
  registro.append(texto.substr(0, largo));
  registro.append(largo - std::min(texto.size(), largo), ' ');
}

std::string Registro(const Busqueda& busqueda) {
  std::string registro;
  registro.reserve(kLargoRegistro);
  Campo(registro, busqueda.nombre, 100);
  Campo(registro, busqueda.vista, 100);
  Campo(registro, busqueda.campos, 500);
  Campo(registro, "", 500);
  registro += "\r\n";
  return registro;
}

}  // namespace

void GenerarConsultas(ProgramState& programa) {
  const auto archivo =
      programa.platform().OpenFile(programa.ConsultasSistema().ArchivoConsultas(), OpenMode::kReadWrite);
  for (const Busqueda& busqueda : kBusquedas) {
    const uint64_t numero = archivo->Length() / kLargoRegistro + 1;
    const std::string registro = Registro(busqueda);
    archivo->Seek((numero - 1) * kLargoRegistro);
    archivo->Write(std::as_bytes(std::span(registro)));
  }
}

}  // namespace tramvel
