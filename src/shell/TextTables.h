#pragma once
// The shared text tables that start-up fills: the FADEC error texts, the
// serial-port event texts and the parameter bound texts.

namespace orv {

struct State;

// FadecErrorCodes 0-20 ("Arret LE" .. "LFC level too low", 20 a blank);
// 21-65 stay empty.
void fillFadecErrorCodes(State& s);
// ErrComXTexts 0-12, in the order the receive routines test the port events.
void fillErrComXTexts(State& s);

} // namespace orv
