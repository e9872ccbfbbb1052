// The circle that the draw phase draws for one particle.
#include "programs/swarm/program_numbers.h"
#include "programs/swarm/swarm_model.h"

void SelectDrawing(int32_t i) {
    SwarmVariables& v = Swarm();
    v.drawX = StoreInt16(Int(v.posX[i]));
    v.drawY = StoreInt16(Int(v.posY[i]));
    // Particles that traded energy in their last update show in white.
    v.drawColour = v.exchanged[i] == 1 ? int16_t{7} : v.groupColour[i];
}
