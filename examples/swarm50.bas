' swarm50: 51 groups of two particles swarm on an 800 by 500 field, each
' drawn as a small circle in its group's colour. The screen is cleared
' every sixth frame, so each particle leaves a short trail. The program runs
' until its window is closed.
'$INCLUDE: 'swarm_model.bi'

SetSwarmConstants 50, 100, 0
RANDOMIZE
PlaceSwarm
DO
    ForcePhase
    ClearStep
    DrawPhase
LOOP
