#include "model/Frames.h"

namespace le {

QByteArray composeFrame(const Fields& fields)
{
    QByteArray frame;
    frame.reserve(kStampFrameLength);
    for (int value : fields)
        frame += QByteArray::number(value).rightJustified(kFieldWidth, ' ', true);
    return frame;
}

namespace {

std::optional<Fields> stampFields(const QByteArray& frame)
{
    if (frame.size() != kStampFrameLength)
        return std::nullopt;
    Fields f{};
    for (int i = 0; i < kFieldCount; ++i) {
        bool ok = false;
        f[i] = frame.mid(i * kFieldWidth, kFieldWidth).trimmed().toInt(&ok);
        if (!ok || f[i] < 0 || f[i] > 255)
            return std::nullopt;
    }
    return f;
}

int checkByte(const Fields& f)
{
    int sum = 0;
    for (int i = 0; i < kFieldCount; ++i)
        if (i != numbered::Check) sum += f[i];
    return sum & 0xFF;
}

} // namespace

QByteArray numberFrame(const QByteArray& frame, int le, int seq)
{
    std::optional<Fields> f = stampFields(frame);
    if (!f)
        return frame;
    (*f)[numbered::SeqHigh] = (seq >> 8) & 0xFF;
    (*f)[numbered::SeqLow] = seq & 0xFF;
    (*f)[numbered::Le] = le & 0xFF;
    (*f)[numbered::Check] = checkByte(*f);
    return composeFrame(*f);
}

std::optional<FrameNumber> frameNumber(const QByteArray& frame)
{
    const std::optional<Fields> f = stampFields(frame);
    if (!f || composeFrame(*f) != frame || (*f)[numbered::Check] != checkByte(*f))
        return std::nullopt;
    return FrameNumber{(*f)[numbered::Le], (*f)[numbered::SeqHigh] * 256 + (*f)[numbered::SeqLow]};
}

std::optional<Fields> parseCommand(const QByteArray& bytes)
{
    if (bytes.size() != kCommandLength || bytes.at(32) != '\r' || bytes.at(33) != '\n')
        return std::nullopt;
    Fields positions{};
    for (int i = 0; i < kFieldCount; ++i)
        positions[i] = static_cast<unsigned char>(bytes.at(i));
    return positions;
}

QByteArray composeCommand(const Fields& positions)
{
    QByteArray bytes;
    bytes.reserve(kCommandLength);
    for (int value : positions)
        bytes += static_cast<char>(value & 0xFF);
    bytes += "\r\n";
    return bytes;
}

std::vector<Fields> CommandSplitter::feed(const QByteArray& bytes)
{
    buffer_ += bytes;
    std::vector<Fields> frames;
    while (buffer_.size() >= kCommandLength) {
        if (auto frame = parseCommand(buffer_.left(kCommandLength))) {
            frames.push_back(*frame);
            buffer_.remove(0, kCommandLength);
            continue;
        }
        const qsizetype crlf = buffer_.indexOf("\r\n");
        if (crlf >= 0) {
            discarded_ += int(crlf + 2);
            buffer_.remove(0, crlf + 2);
        } else {
            // Keep a trailing CR: its LF may be in the next read.
            const qsizetype keep = buffer_.endsWith('\r') ? 1 : 0;
            discarded_ += int(buffer_.size() - keep);
            buffer_.remove(0, buffer_.size() - keep);
        }
    }
    return frames;
}

} // namespace le
