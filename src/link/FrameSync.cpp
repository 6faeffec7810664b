#include "link/FrameSync.h"

#include <utility>

namespace orv {

namespace {

// Whole and marked: field 30 is looked at first, which rules out nearly every
// wrong place without parsing the other 31 fields.
bool markedFrameAt(const QByteArray& window, int k)
{
    if (k < 0 || k + StampFrameLength > window.size()) return false;
    const QByteArray marker =
        QByteArray::fromRawData(window.constData() + k + fld::Synchro * StampFieldWidth, StampFieldWidth);
    if (stampFieldValue(marker) != SynchroMarker) return false;
    const FrameParse parse = parseStampFrame(QByteArray::fromRawData(window.constData() + k, StampFrameLength));
    return parse.frame && parse.frame->marker;
}

bool markedPairAt(const QByteArray& window, int k)
{
    return markedFrameAt(window, k) && markedFrameAt(window, k - StampFrameLength);
}

// A run of starts that all read as the frame: the first of the run.
int firstOfRun(const QByteArray& window, int k, bool (*at)(const QByteArray&, int))
{
    while (k > 0 && at(window, k - 1)) --k;
    return k;
}

} // namespace

int latestMarkedFrame(const QByteArray& window, int from)
{
    for (int k = int(window.size()) - StampFrameLength; k >= from && k >= 0; --k)
        if (markedFrameAt(window, k)) return firstOfRun(window, k, markedFrameAt);
    return -1;
}

int latestMarkedPair(const QByteArray& window)
{
    for (int k = int(window.size()) - StampFrameLength; k >= StampFrameLength; --k)
        if (markedPairAt(window, k)) return firstOfRun(window, k, markedPairAt);
    return -1;
}

void FrameSync::opened()
{
    inStep_ = false;
    wholeReads_ = true;
    unmarked_.reset();
    last_.clear();
    held_.clear();
    suspect_ = -1;
}

FrameSync::Taken FrameSync::place(const QByteArray& window, int k)
{
    last_ = window.mid(k, StampFrameLength);
    // Whole frames after it are dropped: the next read completes the frame
    // that begins after them.
    const QByteArray after = window.mid(k + StampFrameLength);
    held_ = after.mid(after.size() / StampFrameLength * StampFrameLength);
    inStep_ = true;
    suspect_ = -1;
    Taken taken;
    taken.frame = parseStampFrame(last_).frame;
    return taken;
}

FrameSync::Taken FrameSync::take(const QByteArray& chars)
{
    if (!inStep_) {
        const QByteArray window = held_ + chars;
        // A port that opened at a frame boundary is in step with its first
        // marked frame, as long as every read so far was a whole frame.
        const bool whole = chars.size() == StampFrameLength && parseStampFrame(chars).frame;
        wholeReads_ = wholeReads_ && whole;
        if (wholeReads_ && markedFrameAt(window, int(window.size()) - StampFrameLength))
            return place(window, int(window.size()) - StampFrameLength);
        // Elsewhere two marked frames running show the boundary: one alone
        // may be a field of 123 seen at a whole field's distance.
        const int k = latestMarkedPair(window);
        if (k >= 0) return place(window, k);
        held_ = window.right(2 * StampFrameLength - 1);
        // A full frame's span without a marked frame anywhere: the LE sends
        // none, and its whole blocks are taken as they come.
        Taken taken;
        if (window.size() >= 2 * StampFrameLength - 1 && chars.size() == StampFrameLength &&
            latestMarkedFrame(window, 0) < 0)
            taken.frame = parseStampFrame(chars).frame;
        return taken;
    }

    const QByteArray block = held_.isEmpty() ? chars : held_ + chars;
    held_.clear();
    const FrameParse parse = parseStampFrame(block);
    const bool whole = parse.frame && block.size() == StampFrameLength;
    Taken taken;
    if (whole && parse.frame->marker) {
        taken.earlier = std::exchange(unmarked_, std::nullopt);
        taken.frame = parse.frame;
        last_ = block;
        suspect_ = -1;
        return taken;
    }

    // Not a marked frame where one should begin: does one begin elsewhere?
    // Starts that read back to the block before are that block again. A
    // marked frame at a place no whole field reaches tells a slip at once; at
    // a whole field's distance it may be a field of 123 in an unmarked frame,
    // and tells a slip only when seen at the same place twice running.
    const QByteArray window = last_ + block;
    const int k = latestMarkedFrame(window, 1);
    const bool slipped = k >= 1 && (k % StampFieldWidth != 0 || k == suspect_);
    if (whole && !slipped) {
        // A whole frame without the marker: a parameter read-back, or a
        // status frame of an LE that left the marker out. A slip by whole
        // fields leaves every field valid too, so such a block is held back
        // until the next block shows that the line did not slip.
        last_ = block;
        suspect_ = k;
        taken.withheld = true;
        if (parse.frame->kind == FrameKind::ParamReadBack) {
            // Awaited by a start: taken at once.
            taken.earlier = std::exchange(unmarked_, std::nullopt);
            taken.frame = parse.frame;
        } else if (k < 1) {
            // No marked frame about: the block held before is handed out.
            taken.frame = std::exchange(unmarked_, parse.frame);
        } else {
            // What was held may have been the first shifted block.
            unmarked_ = parse.frame;
        }
        return taken;
    }

    inStep_ = false;
    wholeReads_ = false;
    suspect_ = -1;
    unmarked_.reset();
    if (slipped)
        taken = place(window, k);
    else
        held_ = window.right(2 * StampFrameLength - 1);
    taken.lostStep = true;
    return taken;
}

} // namespace orv
