#include "HelpTexts.h"

#include <string_view>

namespace tramvel::interfaces {
namespace {

// What both programs share.
constexpr std::string_view kParameters =
    "El texto de parámetros es el único argumento, el que el trabajo de\n"
    "sincronización les pasa a los dos programas:\n"
    "\n"
    "   @server=S; @dbname=D; @usuario=U; @Password=P; @ParametroAdicional=AUTO;\n"
    "\n"
    "campos @clave=valor; en cualquier orden, claves en mayúsculas o minúsculas;\n"
    "el valor llega hasta el punto y coma. Si el texto llega partido en varios\n"
    "argumentos, se vuelven a unir con un blanco. @dbname es obligatorio; un\n"
    "servidor SRV:1433 o TCP/SRV es el servidor SRV. AUTO: sin preguntas (estos\n"
    "programas nunca preguntan nada, con AUTO o sin él).\n"
    "\n"
    "La base de datos se busca como la busca tramvel, por el archivo de\n"
    "configuración RO000vu.INI de la carpeta del programa (o el que nombra\n"
    "TRAMVEL_INI): [BaseDeDatos] Motor=SQLITE y Carpeta (C:\\TRAMVEL\\DATOS\\),\n"
    "donde la base D del servidor S es el archivo <Carpeta>\\S\\D.sqlite. Las\n"
    "tablas maestras son las de [Maestros] Tablas, separadas por comas; si no\n"
    "está, MA_ARTICULOS, MA_CLIENTES, MA_DESTINATARIOS, TA_DISTLOCALIDADES y\n"
    "TA_TARIFAS_ARTICULOS. La unidad C: es la carpeta que nombra TRAMVEL_DRIVE_C.\n"
    "\n"
    "Archivos <TABLA>.csv: CSV de RFC 4180 en UTF-8, líneas terminadas en CR LF,\n"
    "una primera fila con los nombres de las columnas. Un campo vacío sin\n"
    "comillas es Null; \"\" es un texto vacío. Fechas aaaa-mm-dd hh:mm:ss,\n"
    "números con punto decimal, importes (money) exactos con hasta cuatro\n"
    "decimales, booleanos 1 y 0.\n";

constexpr std::string_view kExitCodes =
    "\n"
    "Una línea por tabla en la salida estándar; los problemas en la salida de\n"
    "errores.\n"
    "\n"
    "Códigos de salida (con varios problemas, el del primero):\n"
    "  0  todo hecho\n"
    "  1  texto de parámetros o configuración no válidos\n"
    "  2  no se puede abrir la base de datos\n"
    "  3  una tabla no se puede leer o escribir, o un archivo de la entrega no vale\n"
    "  4  no se puede leer o escribir una carpeta o un archivo local\n";

constexpr std::string_view kExportHead =
    "INTERFACEENVIOMAESTROS.EXE: escribe las tablas maestras de la base de datos\n"
    "en la bandeja de salida C:\\ENVIAR\\, un archivo <TABLA>.csv por tabla.\n"
    "\n"
    "Uso: INTERFACEENVIOMAESTROS.EXE <texto de parámetros>\n"
    "     INTERFACEENVIOMAESTROS.EXE --help\n"
    "\n";

constexpr std::string_view kExportTail =
    "\n"
    "Todas las tablas se leen en una misma transacción. Cada archivo se escribe\n"
    "entero como <TABLA>.csv.tmp y solo cuando todos están escritos toman su\n"
    "nombre; si algo falla, los temporales se borran y la salida es distinta\n"
    "de 0, para que el trabajo no envíe una exportación a medias.\n";

constexpr std::string_view kImportHead =
    "INTERFACERECEPMAESTROS.EXE: carga en las tablas maestras los archivos\n"
    "<TABLA>.csv recibidos en la bandeja de entrada C:\\RECIBIR\\.\n"
    "\n"
    "Uso: INTERFACERECEPMAESTROS.EXE <texto de parámetros>\n"
    "     INTERFACERECEPMAESTROS.EXE --help\n"
    "\n";

constexpr std::string_view kImportTail =
    "\n"
    "Cada archivo cuyo nombre es el de una tabla maestra (en mayúsculas o\n"
    "minúsculas) reemplaza todas las filas de esa tabla; los demás archivos se\n"
    "omiten, con una línea que lo dice. Sus columnas son columnas de la tabla,\n"
    "en cualquier orden; las que no trae toman su valor por defecto. Todos los\n"
    "archivos se leen y se comprueban antes de tocar la base, y se cargan en una\n"
    "sola transacción: la entrega se carga entera o no se carga nada. Un archivo\n"
    "que no vale (una columna desconocida, una fila ilegible, un valor que no es\n"
    "de su columna, una fila que la base rechaza) se nombra con su línea en la\n"
    "salida de errores, y la salida es distinta de 0, para que el trabajo no\n"
    "borre nada en el servidor web y la entrega vuelva a llegar. Los archivos se\n"
    "dejan donde están.\n";

}  // namespace

std::string ExportHelpText() {
  return std::string(kExportHead) + std::string(kParameters) + std::string(kExportTail) + std::string(kExitCodes);
}

std::string ImportHelpText() {
  return std::string(kImportHead) + std::string(kParameters) + std::string(kImportTail) + std::string(kExitCodes);
}

}  // namespace tramvel::interfaces
