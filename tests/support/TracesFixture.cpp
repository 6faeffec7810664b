#include "support/TracesFixture.h"

#include "shell/Log.h"

void TracesTest::tick(int le) { log->traces->PlotTimer_Timer(le); }
