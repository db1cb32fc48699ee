#pragma once

namespace tramvel::interfaces {

struct InterfaceJob;

// The work of INTERFACERECEPMAESTROS.EXE: every file of "C:\RECIBIR\" named
// after a master table replaces that table's rows, all of them in one
// transaction, so that a delivery is loaded whole or not at all. Every file
// is read and checked before the first row changes. The files stay where
// they are: the job files their witness copies afterwards, and deletes them
// on the web server only after a load that succeeded.
void LoadMasterDelivery(InterfaceJob& job);

}  // namespace tramvel::interfaces
