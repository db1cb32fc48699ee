#pragma once

namespace tramvel::interfaces {

struct InterfaceJob;

// The work of INTERFACEENVIOMAESTROS.EXE: each master table into
// "C:\ENVIAR\<TABLE>.csv", all read in one transaction so that the files
// agree with one another. Every file is written whole under a temporary
// name first, and only when all are written do they take their names: the
// FTP client sends whatever the outbox holds, and a failed export leaves
// nothing new in it.
void ExportMasterTables(InterfaceJob& job);

}  // namespace tramvel::interfaces
