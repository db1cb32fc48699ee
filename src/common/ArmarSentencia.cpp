#include "common/ArmarSentencia.h"

#include <cstdint>

#include "common/components/SesionDatos.h"
#include "platform/Failure.h"
#include "platform/TextCase.h"

namespace tramvel {
namespace {

constexpr int32_t kSubindiceFueraDeRango = 9;
// Indices of both lists are 16-bit integers in VB.
constexpr std::size_t kMaximoElementos = 32767;

std::vector<ParCampo>& Iniciada(CamposPendientes& campos) {
  if (!campos) throw Failure(kSubindiceFueraDeRango, "Subscript out of range", "ArmarSentencia");
  return *campos;
}

void CabeEnLaLista(std::size_t elementos) {
  if (elementos > kMaximoElementos) throw Failure(failure::kOverflow, "Overflow", "ArmarSentencia");
}

std::string Unidos(const std::vector<ParCampo>& pares, std::string (*texto)(const ParCampo&)) {
  std::string unidos;
  for (std::size_t i = 0; i < pares.size(); ++i) {
    if (i > 0) unidos += ",";
    unidos += texto(pares[i]);
  }
  return unidos;
}

}  // namespace

void AgregarCampo(SesionDatos& sesion, CamposPendientes& campos, const std::string& campo, std::string& valor,
                  const std::string& delimitador, bool nuevo) {
  if (nuevo) {
    campos.emplace(1);
  } else {
    CabeEnLaLista(Iniciada(campos).size() + 1);
    campos->emplace_back();
  }
  std::erase(valor, '\'');
  ParCampo& par = campos->back();
  par.Campo = campo;
  par.Valor = ToUpper(valor) == "NULL" ? "Null" : sesion.ValorSQL(ado::Variant(valor), delimitador);
}

void ArmarSentencia(CamposPendientes& campos, std::vector<std::string>& lineas, const std::string& tabla, bool esUpdate,
                    std::string& where, bool conservarCampos) {
  const std::vector<ParCampo>& pares = Iniciada(campos);
  CabeEnLaLista(pares.size());
  CabeEnLaLista(lineas.size() + 1);
  std::string sentencia;
  if (esUpdate) {
    const std::string asignaciones = Unidos(pares, [](const ParCampo& p) { return p.Campo + " = " + p.Valor; });
    if (FindIgnoreCase(where, "WHERE") == std::string::npos) where = " WHERE " + where;
    sentencia = "UPDATE " + tabla + " SET " + asignaciones + " " + where;
  } else {
    sentencia = "INSERT INTO " + tabla + " (" + Unidos(pares, [](const ParCampo& p) { return p.Campo; }) +
                ") VALUES (" + Unidos(pares, [](const ParCampo& p) { return p.Valor; }) + ")";
  }
  lineas.push_back(std::move(sentencia));
  if (!conservarCampos) campos.emplace(1);
}

}  // namespace tramvel
