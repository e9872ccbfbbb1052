// The fixed frame of every program's main routine.
#pragma once
#include "runtime/core/runtime_state.h"

// Starts the runtime, gives the 32 string variables empty strings, starts the
// console thread and returns once the console window has been painted.
void ProgramPrologue();

// Releases the string variables and ends the process with exit code 0, every
// thread at once, without running exit handlers. Declared to return the exit
// code so that a main routine may end with `return ProgramEpilogue();`.
int ProgramEpilogue();
