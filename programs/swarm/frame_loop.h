// The frame loop of the swarm programs: force phase, clear step, draw phase.
#pragma once
#include "programs/swarm/swarm_model.h"

// Counts the frame; every sixth frame clears text and graphics (Cls 3).
void ClearStep();

// Draws every live particle 0..lastParticle as an outlined circle of radius 2.
void DrawPhase();

// One frame: the model's force phase, the clear step and the draw phase.
void RunFrame(const SwarmRules& rules);

// A program's main routine: prologue, set-up, then frames for ever. The
// process ends when the console window is closed.
[[noreturn]] void RunSwarmProgram(const SwarmRules& rules);
