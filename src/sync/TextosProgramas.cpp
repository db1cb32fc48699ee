#include "sync/TextosProgramas.h"

#include "common/components/SesionDatos.h"
#include "startup/LaunchParameters.h"
#include "sync/NombresOmitidos.h"

namespace tramvel {

std::string TextoTransferencia(std::string_view modo, const ValoresFtp& ftp, std::string_view archivo,
                               std::string_view dirWeb, std::string_view carpeta) {
  std::string texto = "DOWNLOAD=";
  texto.append(modo).append(";SERVER=").append(ftp.servidor);
  texto.append(";USUARIO=").append(ftp.usuario).append(";PASSWORD=").append(ftp.password);
  texto.append(";ARCHIVO=").append(archivo).append(";DIRWEB=").append(dirWeb);
  texto.append(";DIRDESTINO=").append(carpeta).append(";PROXY=").append(ftp.proxy);
  texto.append(";PROXYPASS=").append(ftp.proxyPass).append(";");
  return texto;
}

std::string TextoBorrado(const ValoresFtp& ftp, std::string_view archivo, std::string_view dirWeb,
                         std::string_view carpeta) {
  std::string texto = "DOWNLOAD=BORRAR;SERVER=";
  texto.append(ftp.servidor).append(";USUARIO=").append(ftp.usuario);
  texto.append(";PASSWORD=").append(ftp.password).append("; ARCHIVO=").append(archivo);
  texto.append(";DIRWEB=").append(dirWeb).append(";DIRDESTINO=").append(carpeta).append(";");
  return texto;
}

bool CabeEnTextoBorrado(std::string_view archivo) {
  return archivo.find_first_of(std::string_view(";\r\n\0", 4)) == std::string_view::npos && !NombreConCarpeta(archivo);
}

std::string TextoInterfaz(const SesionDatos& sesion) {
  return " @server=" + sesion.Servidor() + "; @dbname=" + sesion.BaseDeDatos() + "; @usuario=" + sesion.Usuario() +
         "; @Password=" + sesion.Password() + "; @ParametroAdicional=AUTO;";
}

std::string CarpetaCliente(std::string_view dirWeb, char cierre) {
  std::string carpeta = RecortarBlancos(dirWeb);
  if (carpeta.empty() || carpeta.back() != '/') carpeta += '\\';
  carpeta += "Vorin";
  carpeta += cierre;
  return carpeta;
}

}  // namespace tramvel
