#pragma once
// The refusal shown by the parameter windows when the selected LE's port is
// closed: "The Port Com<n> is not activated ! ", for every LE 1-8.

namespace orv {

class Program;

// Shows the warning for LE index le (0-7).
void showPortWarning(Program& p, int le);

} // namespace orv
