' swarm5: six groups of twenty particles swarm on an 800 by 500 field, with
' a contest between groups: particles that come too close to a stranger
' trade energy (and show in white in that frame), the side with the greater
' strength tends to win, and a particle whose energy falls below zero dies.
' The screen is cleared every sixth frame. The program runs until its
' window is closed.
'$INCLUDE: 'swarm_model.bi'

SetSwarmConstants 5, 1000, 1
RANDOMIZE
PlaceSwarm
DO
    ForcePhase
    ClearStep
    DrawPhase
LOOP
