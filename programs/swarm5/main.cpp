// swarm5: 6 groups of 20 particles with the energy exchange. Takes no
// command line.
#include "programs/swarm/frame_loop.h"

int main() { RunSwarmProgram(kSwarm5Rules); }
