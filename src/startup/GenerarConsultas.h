#pragma once

namespace tramvel {

class ProgramState;

// Writes the 11 search definitions to the file that the search engine's
// ArchivoConsultas names: fixed records of 1202 bytes (name, view, columns,
// a reserved blank field, CR LF), each after the last complete record of
// the file. A failure to open or write goes to the caller.
void GenerarConsultas(ProgramState& programa);

}  // namespace tramvel
