#include "common/components/Utilidades.h"

#include <fmt/format.h>

#include "common/VbValues.h"
#include "platform/MessageBoxStyle.h"
#include "platform/Platform.h"

namespace tramvel {
namespace {

bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A byte that continues a UTF-8 character rather than starting one.
bool Continuacion(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string Utilidades::AjustarTexto(std::string_view texto, int16_t maximo) {
  if (maximo <= 0) return {};
  std::size_t fin = 0;
  for (int16_t caracteres = 0; fin < texto.size() && caracteres < maximo; ++caracteres) {
    ++fin;
    while (fin < texto.size() && Continuacion(texto[fin])) ++fin;
  }
  return std::string(texto.substr(0, fin));
}

void Utilidades::ValorNumerico(std::string_view texto, Currency& valor) { valor = Currency::FromDouble(Val(texto)); }

ado::Variant Utilidades::SinNulo(const ado::Variant& valor) {
  return valor.IsNull() ? ado::Variant(std::string()) : valor;
}

void Utilidades::ContarPalabras(std::string_view texto, int32_t& cantidad) {
  cantidad = 0;
  bool enPalabra = false;
  for (const char c : texto) {
    if (EsBlanco(c)) {
      enPalabra = false;
    } else if (!enPalabra) {
      enPalabra = true;
      ++cantidad;
    }
  }
}

std::string Utilidades::FormatoCodigo(std::string_view codigo, int16_t ancho) {
  const std::string recortado = RecortarBlancos(codigo);
  int caracteres = 0;
  for (const char c : recortado) caracteres += Continuacion(c) ? 0 : 1;
  std::string out(caracteres < ancho ? static_cast<std::size_t>(ancho - caracteres) : 0, ' ');
  for (const char c : recortado) {
    out.push_back(c);
    if (c == '\'') out.push_back('\'');
  }
  return out;
}

std::string Utilidades::RutaConBarra(std::string_view carpeta) {
  // The system's own paths start with a drive ("C:\") or a backslash; any
  // other path is one of this machine, shown to the operator as such.
  const auto letra = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  const bool deWindows =
      carpeta.empty() || carpeta.front() == '\\' || (carpeta.size() >= 2 && carpeta[1] == ':' && letra(carpeta[0]));
  std::string ruta(carpeta);
  while (!ruta.empty() && (ruta.back() == '\\' || ruta.back() == '/')) ruta.pop_back();
  // A lone root ("/" or "\") keeps its meaning as the root.
  return ruta + (deWindows ? "\\" : "/");
}

std::string Utilidades::QuitarCaracter(std::string_view texto, std::string_view caracter) {
  if (caracter.empty()) return std::string(texto);
  std::string out;
  out.reserve(texto.size());
  for (std::size_t i = 0; i < texto.size();) {
    if (texto.substr(i, caracter.size()) == caracter) {
      i += caracter.size();
    } else {
      out.push_back(texto[i++]);
    }
  }
  return out;
}

void Utilidades::SepararRuta(std::string_view ruta, std::string_view /*sinUso*/, std::string& nombre,
                             std::string& extension, std::string_view /*sinUso2*/) {
  const auto barra = ruta.find_last_of("\\/");
  const std::string_view archivo = barra == std::string_view::npos ? ruta : ruta.substr(barra + 1);
  const auto punto = archivo.find_last_of('.');
  if (punto == std::string_view::npos) {
    nombre = std::string(archivo);
    extension.clear();
  } else {
    nombre = std::string(archivo.substr(0, punto));
    extension = std::string(archivo.substr(punto + 1));
  }
}

int Utilidades::ManejarError(const Failure& error, std::optional<int> estilo, std::string_view rutina) const {
  std::string texto = fmt::format("Error {}: {}", error.Number(), error.Description());
  if (!rutina.empty()) texto += fmt::format("\r\nRutina: {}", rutina);
  if (!error.Source().empty()) texto += fmt::format("\r\nOrigen: {}", error.Source());
  const int icono = estilo.value_or(0) == 7 ? mb::kExclamation : mb::kCritical;
  return platform_.Operator().MessageBox(texto, mb::kAbortRetryIgnore + icono, std::string(rutina));
}

}  // namespace tramvel
