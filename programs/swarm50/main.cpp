// swarm50: 51 groups of 2 particles. Takes no command line.
#include "programs/swarm/frame_loop.h"

int main() { RunSwarmProgram(kSwarm50Rules); }
