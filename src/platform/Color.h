#pragma once
// Colours as the program stores and compares them: the logical 24-bit value
// R + 256*G + 65536*B, or the symbolic system colour "button face". Code
// compares stored values, never what was rendered.

#include <QColor>
#include <cstdint>

namespace plat {

using Color = uint32_t;

constexpr Color ButtonFace = 0x8000000Fu;   // the system's button-face colour

constexpr Color rgb(int r, int g, int b)
{
    return Color(r & 0xFF) | (Color(g & 0xFF) << 8) | (Color(b & 0xFF) << 16);
}

namespace colors {
constexpr Color Black = rgb(0, 0, 0);
constexpr Color White = rgb(255, 255, 255);
constexpr Color Red = rgb(255, 0, 0);
constexpr Color Green = rgb(0, 255, 0);
constexpr Color Blue = rgb(0, 0, 255);
constexpr Color Cyan = rgb(0, 255, 255);
constexpr Color Magenta = rgb(255, 0, 255);
constexpr Color Yellow = rgb(255, 255, 0);
constexpr Color Orange = rgb(255, 128, 0);
constexpr Color Grey = rgb(192, 192, 192);
constexpr Color LightGrey = rgb(224, 224, 224);
} // namespace colors

// What the screen shows for a stored colour.
inline QColor toQColor(Color c)
{
    if (c == ButtonFace) return QColor(240, 240, 240);
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline Color fromQColor(const QColor& q) { return rgb(q.red(), q.green(), q.blue()); }

} // namespace plat
