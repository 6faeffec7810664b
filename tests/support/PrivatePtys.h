#pragma once
// Pseudo-terminals of the tests that no other process can open by path.
//
// The tests' ptys are named /dev/pts/N, and a number is reused as soon as it
// is free: a program elsewhere on the machine still pointed at an old
// /dev/pts/N (a simulator's port list, a stale ORVANE_COM<n>) would open a
// test's line and take its characters. Run as root (which exclusive mode does
// not stop), the test program gets a mount namespace of its own with a new
// devpts instance on /dev/pts and /dev/ptmx, and lock folders of its own
// for the serial ports' lock files named after them: its ptys, and those of
// the le-sim processes it starts, exist only there.

namespace testsupport {

// Call first in main, before any thread exists. True when the ptys are
// private; false (and nothing changed) when not root or not possible.
bool makePtysPrivate();

} // namespace testsupport
