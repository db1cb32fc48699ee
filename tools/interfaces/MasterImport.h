#pragma once

namespace tramvel::interfaces {

struct InterfaceJob;

// The work of INTERFACERECEPMAESTROS.EXE: every file of "C:\RECIBIR\" named
// after a master table replaces that table's rows, all of them in one
// transaction, so that a delivery is loaded whole or not at all. Every file
// is read through and checked before the first row changes, then read again
// and loaded a few rows at a time: memory does not grow with the size of a
// delivery. A row the database refuses is named by its file and line. The
// files stay where
// they are: the job files their witness copies afterwards, and deletes them
// on the web server only after a load that succeeded.
void LoadMasterDelivery(InterfaceJob& job);

}  // namespace tramvel::interfaces
