// The fixed frame of every program's main routine.
#pragma once
#include "runtime/core/runtime_state.h"

// Starts the runtime, gives the 32 string variables empty strings, starts the
// console thread and returns once the console window has been painted.
void ProgramPrologue();

// Releases the string variables; the main routine returns its result.
int ProgramEpilogue();
