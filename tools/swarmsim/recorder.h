// swarmsim's --record and --fps: the programs' own frame loop (force phase,
// clear step, draw phase through Cls and Circle) in the console window.
#pragma once
#include "tools/swarmsim/options.h"

// Returns an exit status when it fails before the console has started;
// otherwise the console thread is running and the run ends the process
// itself (status 0, or 1 when a frame could not be written).
int RunOnConsole(const SimOptions& options);
