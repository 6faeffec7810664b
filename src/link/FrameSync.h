#pragma once
// Where an LE's frames begin on its line, found again after the line lost or
// gained characters. Pure: it sees only the characters each receive event
// read, no port, window or timer.
//
// The frame has no start or end mark; what anchors it is its layout: 32
// fields of 5 characters, each a number 0-255, and the synchro marker 123 in
// field 30. On a line in step every read takes one frame, and a frame that
// parses with the marker costs nothing more than the parse. A block that does
// not parse, or one that parses without the marker while the characters
// around it hold a marked frame at another place, means the line slipped.
// The latest frame that parses with the marker then gives the boundary (after
// a slip by whole fields, or while out of step, the later of two marked
// frames running), what lies before it is dropped, and the next read takes
// just what completes the frame begun after it, so that the reads after that
// take 160 characters from a frame boundary again. Blocks of a slipped line
// are never handed out, even those that happen to read as valid fields.
//
// A port that has just opened starts anywhere in a frame: nothing it reads is
// taken until marked frames have shown where frames begin (a marked frame
// read whole after whole frames only, else two marked frames running), and
// until then the LE is not answered. A line on which no frame carries the
// marker (an LE that does not set it) still has its whole blocks taken, once
// a full frame's span of characters has shown no marked frame anywhere.

#include "link/StampFrame.h"

#include <QByteArray>
#include <optional>

namespace orv {

constexpr int StampFrameLength = 160;

class FrameSync {
public:
    struct Taken {
        // Frames to hand out, `earlier` first: their 32 fields are valid
        // numbers 0-255. A whole block without the marker is held back
        // until the next block shows the line did not slip, so `earlier`
        // is such a block, handed out with the marked frame that followed.
        std::optional<StampFrame> earlier;
        std::optional<StampFrame> frame;
        // This block ended the step of a line that was in step: the caller
        // tells the user once and answers nothing from the LE's old row.
        bool lostStep = false;
        // This block was a whole frame without the marker, held back: the
        // LE's marker is off from now, as that frame says.
        bool withheld = false;
    };

    // The port has (re)opened: nothing read before counts, and nothing is
    // taken until the line shows where its frames begin.
    void opened();

    // How many characters the next read should take: 160, or less right after
    // the boundary was found, to complete the frame begun after it.
    int wanted() const
    {
        return inStep_ && held_.size() < StampFrameLength ? StampFrameLength - int(held_.size()) : StampFrameLength;
    }
    bool inStep() const { return inStep_; }

    // The characters one receive event read.
    Taken take(const QByteArray& chars);

private:
    // Frame starting at `k` in `window` (whole and marked) becomes the last
    // frame taken; what follows it is the head of the next one.
    Taken place(const QByteArray& window, int k);

    bool inStep_ = false;
    bool wholeReads_ = true; // every read since the port opened was a whole frame
    QByteArray last_;      // in step: the frame taken last, which the next block follows on the line
    QByteArray held_;      // in step: the head of the next frame; else characters not placed yet
    int suspect_ = -1;     // in step: where a marked frame across the boundary was seen last (see take)
    std::optional<StampFrame> unmarked_;   // in step: a whole block without the marker, held back
};

// The start of the latest marked frame that lies whole in `window` and
// starts at `from` or later, or -1. A frame written with blanks before its
// digits also reads as itself one or two characters later, so of such a run
// of starts the first is given; it may lie before `from`, which then means
// that frame, not a new one.
int latestMarkedFrame(const QByteArray& window, int from);
// The same for the later of two marked frames that follow each other.
int latestMarkedPair(const QByteArray& window);

} // namespace orv
