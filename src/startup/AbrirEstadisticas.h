#pragma once

namespace tramvel {

class ProgramState;

// Opens the statistics session (gSesionEstadisticas) on DW_ESTADISTICAS of
// the main session's server, after provisioning its login, and sets gTimeOut
// from its key "TimeOut": 360 when the key is missing, 0, not a number, or
// beyond a 16-bit integer. A missing, 0 or non-numeric key is written back as
// 0, so the row is always there after a start. Every failure is skipped
// silently.
void AbrirEstadisticas(ProgramState& programa);

}  // namespace tramvel
