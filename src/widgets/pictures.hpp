#pragma once

#include <QPixmap>

namespace zelkor {

// The program's pictures, drawn by the program itself.

// 380 x 285: a blue starburst with "ZELKOR" in yellow and "version 1.0".
QPixmap SplashPicture();
// 548 x 458: the co-ordinate system of the data and the direction cosines of a point.
QPixmap CoordinateSystemPicture();
// The program icon (a small starburst with a "Z"), size x size.
QPixmap ProgramIcon(int size);
// The small picture of the "Data available" panel.
QPixmap DataAvailableIcon();

}  // namespace zelkor
