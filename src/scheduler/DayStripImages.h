#pragma once
// The day's schedule strips as BMP images in BaseFolder\Images_Traces.

namespace orv {

class Program;

// Saves the strips of LE-1 to LE-8 (Picture2 to Picture9 of the
// start-selection window) as "<dd.mm.yyyy>_02.bmp" to "_09.bmp" of today.
// Nothing when the window is not loaded; a strip that cannot be saved is
// skipped. Sets DateCourante to the image date.
void saveDayStripImages(Program& p);

} // namespace orv
