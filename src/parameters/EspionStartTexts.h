#pragma once
// The texts of the start-up debugger: what the LE's controller does at each
// step of its start program, in English or French. Pure functions, so the
// window's tick only gathers the LE's values and appends lines.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace orv {

// What decoding one step needs besides the step itself.
struct StepContext {
    bool english = true;
    int leNumber = 1;          // shown in " Start LE-n"
    int z1 = 0, z2 = 0, z3 = 0;   // the LE's start delays as its start kept them
    int tachyM = 0, tachyV1 = 0, tachyV2 = 0;   // tachometers; x 30 = rpm
};

// The text of `step`, or an empty text for a step without one. `pass`
// (0-2) is which pass through steps 1 and 2 the decoding is in; a step 2
// advances it, up to 2. The delays are summed as whole numbers, so large
// delays only move the targets beyond the last step.
QString startStepText(int step, uint8_t& pass, const StepContext& c);

// " LE-n   Step= 014    ": the head of every line of a step.
QString stepHead(int leNumber, int step);

// The sensor line of a step above 15 without a text.
QString sensorReadings(int lpc, int lfc, int mat);

// The five lines after the first step 2 (z values of the PC's working copy).
QStringList firstPassLines(bool english, int z1, int z2, int z3);

// The five lines after the entry into phase 5 (the caller adds the blank line).
QStringList phase5Lines(bool english);

// Header of each printed document: three blank lines, the title, a rule of
// 40 dashes and two blank lines, after the left margin.
QStringList printHeader(bool english, const QString& margin);

} // namespace orv
