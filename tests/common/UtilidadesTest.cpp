#include <gtest/gtest.h>

#include <cstdint>

#include "common/components/Utilidades.h"

namespace tramvel {
namespace {

TEST(UtilidadesTexto, AjustarTextoCutsWholeCharacters) {
  EXPECT_EQ(Utilidades::AjustarTexto("abcdef", 4), "abcd");
  EXPECT_EQ(Utilidades::AjustarTexto("abc", 250), "abc");
  EXPECT_EQ(Utilidades::AjustarTexto("añoñ", 3), "año");
  EXPECT_EQ(Utilidades::AjustarTexto("abc", 0), "");
}

TEST(UtilidadesTexto, ValorNumericoReadsTheLeadingNumber) {
  struct Case {
    const char* texto;
    int64_t raw;
  } const cases[] = {{"", 0}, {"abc", 0}, {"12.5", 125000}, {" -3,7", -30000}, {"1.23455", 12346}};
  for (const Case& c : cases) {
    Currency valor = Currency::FromInteger(99);
    Utilidades::ValorNumerico(c.texto, valor);
    EXPECT_EQ(valor.Raw(), c.raw) << c.texto;
  }
}

TEST(UtilidadesTexto, SinNuloMakesNullTheEmptyText) {
  EXPECT_EQ(Utilidades::SinNulo(ado::Variant::Null()), ado::Variant(""));
  EXPECT_EQ(Utilidades::SinNulo(ado::Variant(7)), ado::Variant(7));
  EXPECT_EQ(Utilidades::SinNulo(ado::Variant(" x ")), ado::Variant(" x "));
}

TEST(UtilidadesTexto, ContarPalabrasCountsBlankSeparatedWords) {
  struct Case {
    const char* texto;
    int32_t palabras;
  } const cases[] = {{"", 0}, {"   ", 0}, {"LEN", 1}, {" LEN ", 1}, {"SELECT a\tFROM\r\nb", 4}};
  for (const Case& c : cases) {
    int32_t palabras = -1;
    Utilidades::ContarPalabras(c.texto, palabras);
    EXPECT_EQ(palabras, c.palabras) << c.texto;
  }
}

TEST(UtilidadesTexto, FormatoCodigoRightAlignsToTheStoredWidthAndStaysInsideQuotes) {
  struct Case {
    const char* codigo;
    int16_t ancho;
    const char* formado;
  } const cases[] = {
      {"1", 4, "   1"},      {" 12 ", 6, "    12"}, {"", 4, "    "},
      {"ABCDE", 4, "ABCDE"}, {"Ñ1", 4, "  Ñ1"},    {"O'B", 4, " O''B"},
  };
  for (const Case& c : cases) EXPECT_EQ(Utilidades::FormatoCodigo(c.codigo, c.ancho), c.formado) << c.codigo;
}

}  // namespace
}  // namespace tramvel
