#pragma once
// The day's schedule strips as BMP images in BaseFolder\Images_Traces:
// "<dd.mm.yyyy>_02.bmp" (LE-1, Picture2) to "_09.bmp" (LE-8, Picture9).

namespace orv {

class Program;

// Saves the eight strips of the start-selection window as today's images
// (SauvTraces). Nothing when the window is not loaded; a strip that cannot
// be saved is skipped. Sets DateCourante to the image date.
void saveDayStripImages(Program& p);

} // namespace orv
