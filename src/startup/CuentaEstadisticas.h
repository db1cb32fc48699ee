#pragma once

namespace tramvel {

// The statistics database beside the main one, and the login that the
// start-up provisions for it and connects with: the database's own name,
// always with the same password.
inline constexpr const char* kBaseEstadisticas = "DW_ESTADISTICAS";
inline constexpr const char* kPasswordEstadisticas = "DW_CONTROLDATOS";

}  // namespace tramvel
