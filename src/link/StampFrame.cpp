#include "link/StampFrame.h"

#include "shell/StateParts.h"

namespace orv {

std::optional<int> stampFieldValue(const QByteArray& field)
{
    int i = 0;
    const int n = int(field.size());
    while (i < n && field[i] == ' ') ++i;
    const int firstDigit = i;
    int value = 0;
    while (i < n && field[i] >= '0' && field[i] <= '9') {
        value = value * 10 + (field[i] - '0');
        ++i;
    }
    if (i == firstDigit) return std::nullopt;
    while (i < n && field[i] == ' ') ++i;
    if (i != n) return std::nullopt;
    return value;
}

FrameKind frameKind(int field0, int field31)
{
    if (field0 == BankReadParam) return FrameKind::ParamReadBack;
    if (field31 == WearCounterMark) return FrameKind::WearCounter;
    return FrameKind::Status;
}

FrameParse parseStampFrame(const QByteArray& chars)
{
    FrameParse out;
    StampFrame frame;
    for (int i = 0; i < FieldCount; ++i) {
        // A field cut short by a short text is not a whole field, even when
        // what is left of it reads as a number.
        const QByteArray text = chars.mid(i * StampFieldWidth, StampFieldWidth);
        const std::optional<int> v =
            text.size() == StampFieldWidth ? stampFieldValue(text) : std::nullopt;
        if (!v || *v > 255) {
            out.badField = i;
            out.error = v ? FieldError::OutOfRange : FieldError::NotANumber;
            return out;
        }
        frame.fields[i] = uint8_t(*v);
    }
    frame.kind = frameKind(frame[fld::Bank], frame[fld::Cooling]);
    frame.marker = frame[fld::Synchro] == SynchroMarker;
    out.frame = frame;
    return out;
}

} // namespace orv
