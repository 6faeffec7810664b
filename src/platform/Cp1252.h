#pragma once
// Windows-1252 text, the byte encoding of every settings and history file.

#include <QByteArray>
#include <QString>

namespace plat {

// One byte per character; a character that Windows-1252 cannot hold becomes '?'.
QByteArray toCp1252(const QString& text);
// Every byte gives one character; the five bytes that Windows-1252 leaves
// undefined come back as the control characters of the same value, so a
// file read and written again keeps its bytes.
QString fromCp1252(const QByteArray& bytes);

} // namespace plat
