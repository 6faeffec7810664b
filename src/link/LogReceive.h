#pragma once
// The steps of the receive routine (LogLink::MSComm_OnComm), one family per
// file: LogReceive.cpp the event, the parse and the tail; LogReceiveStatus.cpp
// the status path; LogReceiveReadBack.cpp the parameter read-back and the wear
// counters; LogReceiveAlarms.cpp the SHT and LFC alarms.
//
// A step never fails the frame: a bad coefficient, a broken set-point file,
// an error code without a text or a history line that cannot be written
// spoil only their own step, and the later steps still run.

#include "link/LeInstances.h"
#include "link/StampFrame.h"

namespace orv {

class Log;

namespace rx {

// Status path of a status or wear-counter frame, in order.
void statusPath(Log& log, const LeInstance& in, const StampFrame& f);
// Loads the LE's power set-point from ConsignePW2.ini, all eight values (a
// bad line reads as 50); false (flag left at 0, retried on the next phase-5
// frame) when the file cannot be opened.
bool loadSetPoint(Log& log, const LeInstance& in);
// The SHT and LFC alarm tests.
void shtAlarm(Log& log, const LeInstance& in);
void lfcAlarm(Log& log, const LeInstance& in);
// Parameter read-back: ParamPC captions, ParamStamp, the notice.
void readBack(Log& log, const LeInstance& in, const StampFrame& f);
// Wear counters of fields 13-21 into the LE's column of the wear-counter window.
void wearCounters(Log& log, const LeInstance& in, const StampFrame& f);
// Hours of a counter: Int(b0 / 60) + 4 x (b1 + 256 x b2).
int wearHours(int b0, int b1, int b2);

} // namespace rx
} // namespace orv
