#pragma once

#include "Delivery.h"

// `corvel-cli plot` runs corvel-plot, the program beside corvel-cli that draws charts with Qt
// Charts, on the same command line and returns its exit status; corvel-cli itself stays free of
// Qt. Built without Qt Charts there is no corvel-plot: exit status 2, with a message naming what
// was missing.
int RunPlotProgram(int argc, const char* const* argv, const CliStreams& streams);
