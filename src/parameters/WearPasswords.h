#pragma once
// The wear-counter password file "C:\WINDOWS\system32\SWord.inx": three
// lines, the reset passwords of the S-Lamp, H-Lamp and magnetron counters.

#include <QString>
#include <array>

namespace plat {
class Drive;
}

namespace orv {

using WearPasswords = std::array<QString, 3>;

QString wearPasswordPath();          // "C:\WINDOWS\system32\SWord.inx"
WearPasswords defaultWearPasswords();   // "5807", "5808", "5809"

// The passwords of the file, read line by line (a line's value as the input
// statement reads it); a line the file lacks gives an empty password. When
// the file is missing it is created with the defaults (its folder too), and
// the defaults are the result.
WearPasswords loadWearPasswords(const plat::Drive& drive);

// True when `typed` is `password` without regard to case. An empty password
// never matches, so a short file cannot open a reset to an empty box.
bool wearPasswordMatches(const QString& typed, const QString& password);

} // namespace orv
