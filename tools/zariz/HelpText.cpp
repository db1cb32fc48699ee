#include "HelpText.h"

namespace tramvel::zariz {

std::string_view HelpText() {
  return R"(zariz.exe: cliente FTP del trabajo de sincronización.

Uso: zariz.exe <texto de parámetros>
     zariz.exe --help

El texto de parámetros es el único argumento: campos CLAVE=valor separados
por ";" (claves en mayúsculas o minúsculas, blancos alrededor de la clave
admitidos, valores tal cual). Si el texto llega partido en varios argumentos,
se vuelven a unir con un blanco.

  DOWNLOAD=NO;SERVER=host;USUARIO=u;PASSWORD=p;ARCHIVO=TODOS;DIRWEB=web/;DIRDESTINO=C:\ENVIAR\;PROXY=;PROXYPASS=;
      envía cada archivo que está directamente en DIRDESTINO a DIRWEB, creando
      las carpetas que falten; cada archivo viaja con el nombre
      <nombre>.zariz-part y toma su nombre al llegar entero.
  DOWNLOAD=SI;...;ARCHIVO=TODOS;DIRWEB=web\;DIRDESTINO=C:\RECIBIR\;PROXY=;PROXYPASS=;
      descarga cada archivo que está directamente en DIRWEB a DIRDESTINO (sin
      subcarpetas ni archivos a medio enviar). Cada uno se recibe en la
      carpeta oculta DIRDESTINO\.zariz y solo ocupa su sitio, reemplazando al
      de igual nombre, cuando llegó entero. Una carpeta web que aún no existe
      no tiene nada que descargar; una en la que el servidor no deja entrar o
      que no deja listar es un fallo (código 3).
      No se descarga, y se avisa en la salida de errores como "omitido", un
      nombre con "/", "\", ";" o un carácter de control (retorno de carro,
      salto de línea, nulo...) o que empieza o acaba en blanco, los nombres
      reservados ".zariz" y "TESTIGO" (en mayúsculas o minúsculas), una
      carpeta ni un archivo que el servidor no entrega; los demás archivos se
      descargan igual.
  DOWNLOAD=BORRAR;...; ARCHIVO=nombre;DIRWEB=web\;DIRDESTINO=C:\RECIBIR\;
      borra el archivo ARCHIVO de DIRWEB; si ya no estaba, cuenta como borrado.

  SERVER      host, host:puerto, ftp://host[:puerto] o ftps://host[:puerto]
              (FTP sobre TLS explícito, AUTH TLS, puerto 21 si no se dice otro)
  DIRWEB      relativa a la carpeta de entrada del usuario; "\" vale como "/"
  DIRDESTINO  carpeta local al estilo Windows, con la unidad C: en la carpeta
              que nombra TRAMVEL_DRIVE_C
  PROXY       proxy (http://host:puerto, socks5://host:puerto); vacío: ninguno
  PROXYPASS   usuario:contraseña del proxy; vacío: ninguno

Una línea por archivo en la salida estándar; los problemas y los reintentos
en la salida de errores.

Ajustes (variables de entorno):
  ZARIZ_CONNECT_TIMEOUT  segundos para cada conexión (30)
  ZARIZ_STALL_TIMEOUT    segundos sin mover un byte ni recibir respuesta (60)
  ZARIZ_RETRIES          reintentos de un fallo pasajero (3)
  ZARIZ_RETRY_DELAY_MS   pausa antes del primer reintento, que se dobla en
                         cada uno de los siguientes (1000)
  ZARIZ_CA_BUNDLE        certificados (PEM) en que confiar para ftps://

Códigos de salida (con varios fallos, el del primero):
  0  todo hecho
  1  texto de parámetros o ajuste no válido
  2  no se puede conectar con el servidor o entrar en él (usuario, contraseña,
     TLS): nada más de esta ejecución ni de otra inmediata llegará a él, y el
     trabajo deja de borrar los demás archivos
  3  falló un listado, una transferencia, un cambio de nombre o un borrado en el servidor
  4  no se puede leer o escribir una carpeta o un archivo local
)";
}

}  // namespace tramvel::zariz
