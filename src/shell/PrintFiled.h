#pragma once
// Where a printed list went when the machine has no printer: the platform
// files each document as a PDF named after its list, and the user is told
// the file's path so the printout is not lost without a word.

#include <QtGlobal>

namespace orv {

class Program;

// Tells the user about the documents filed since the printer had filed
// `filedBefore` of them (its filedPaths().size() before the printout);
// nothing when the printout went to a printer.
void TellWhereFiled(Program& p, qsizetype filedBefore);

} // namespace orv
