#pragma once
// The trace image RestTraceImage: the whole trace area, saved as a 24-bit
// BMP when an LE stops, one file per LE in the base folder's Img folder,
// each save overwriting the LE's previous image.

#include <QString>

namespace plat {
class Canvas;
class Drive;
} // namespace plat

namespace orv {

// "C:\Base\Img\LE3-0000.bmp" for LE number 3; the number field is always "0000".
QString restTraceImagePath(const QString& baseFolder, int number);

// Saves the area as LE `number`'s image; false when it could not be written
// (no base folder, Img removed, disk full). Nothing else happens then.
bool saveRestTraceImage(const plat::Drive& drive, const plat::Canvas& area, const QString& baseFolder, int number);

} // namespace orv
