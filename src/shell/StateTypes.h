#pragma once
// The sizes and types every state part shares: the number of LEs, the
// nine-element per-LE arrays (LE index 0-7 used), the run modes and the
// alarm relay writers. Changes here are rare: every file sees them.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace orv {

constexpr int LeCount = 8;
constexpr int FieldCount = 32;   // I/O positions of a frame
constexpr int FrameLength = 160; // characters of a frame from an LE

template <class T>
using PerLE = std::array<T, 9>;

// The alarm windows, each a writer of its own alarm relay requests.
enum class AlarmRelayWriter : uint8_t { QTH, LFC, SHT };
constexpr int AlarmRelayWriters = 3;

// EnableCooling value that makes the SubCommand position a request.
constexpr uint8_t SubCommandRequest = 4;

// The run modes, as the columns of SelectionMode.
enum RunMode { NoMode = 0, Normal = 1, Symmetric = 2, Asymmetric = 3, Planning = 4, Stop = 5, StartAll = 6, StopAll = 7 };

} // namespace orv
