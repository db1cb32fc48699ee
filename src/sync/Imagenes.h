#pragma once

#include <QPixmap>

namespace tramvel {

// The window's pictures, drawn at run time so that no image file has to lie
// beside the program.
QPixmap ImagenSubir();       // 16 x 18: an arrow up out of a tray
QPixmap ImagenDescargar();   // 18 x 18: an arrow down into a tray
QPixmap ImagenEspera();      // 32 x 32: an hourglass
QPixmap IconoVentana();      // 32 x 32: two arrows between a site and a server

}  // namespace tramvel
