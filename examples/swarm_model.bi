' The swarm model that swarm50, swarm5 and swarm_dump share: particles in
' groups on an 800 by 500 field. Every frame each live particle is pushed
' away from any particle that comes too close, pulled strongly towards its
' own group (its kin) and weakly towards the others (strangers), damped, and
' bounced off the field's edges. With the exchange rule (swarm5), close
' strangers trade energy and a particle whose energy falls below zero dies.
'
' Integer variables are 16-bit INTEGERs, so a real stored into one is
' truncated and keeps its low 16 bits; everything else is DOUBLE. Each
' formula keeps the model's order of operations, so every run gives the same
' numbers to the bit for the same seed.
'
' Set-up: SetSwarmConstants, then RANDOMIZE, then PlaceSwarm. Each frame:
' ForcePhase, then (in a window) ClearStep and DrawPhase.

DIM SHARED fieldWidth AS INTEGER, fieldHeight AS INTEGER
DIM SHARED lastGroup AS INTEGER     ' groups 0 to lastGroup are placed
DIM SHARED lastParticle AS INTEGER  ' a frame visits particles 0 to lastParticle
DIM SHARED groupSize AS INTEGER     ' particles placed per group
DIM SHARED kinRange AS DOUBLE       ' a kin at a squared distance below this is too close
DIM SHARED exchangeRule AS INTEGER  ' not 0: close strangers trade energy, and particles die
DIM SHARED frameCounter AS INTEGER  ' frames since the last clear

' One element per particle, indices 0 to 1000.
DIM SHARED particleGroup(1000) AS INTEGER
DIM SHARED posX(1000) AS DOUBLE, posY(1000) AS DOUBLE
DIM SHARED velX(1000) AS DOUBLE, velY(1000) AS DOUBLE
DIM SHARED energy(1000) AS DOUBLE
DIM SHARED strength(1000) AS DOUBLE  ' the strength tally of the particle's last update
DIM SHARED alive(1000) AS INTEGER    ' 1 while the particle takes part
DIM SHARED groupColour(1000) AS INTEGER
DIM SHARED exchanged(1000) AS INTEGER  ' 1 if the particle traded at its last update

' The constants of one program. swarm50: SetSwarmConstants 50, 100, 0 (51
' groups of 2). swarm5: SetSwarmConstants 5, 1000, 1 (6 groups of 20, a
' wider kin range, and the energy exchange).
SUB SetSwarmConstants (highestGroup%, kinRangeSquared#, withExchange%)
    fieldWidth = 800
    fieldHeight = 500
    lastGroup = highestGroup%
    lastParticle = 100
    kinRange = kinRangeSquared#
    exchangeRule = withExchange%
END SUB

' Each group gets a random 50 by 50 square of the field, and its particles
' random spots inside it. RND is drawn for the square's x and y first, then
' for each particle's x and y. The group size is INT(100 / lastGroup) in
' real division, so the last group may have particles beyond lastParticle:
' they are placed but never move and are never drawn.
SUB PlaceSwarm
    DIM g AS INTEGER, i AS INTEGER
    DIM cornerX AS INTEGER, cornerY AS INTEGER
    groupSize = INT(lastParticle / lastGroup)
    FOR g = 0 TO lastGroup
        ' 750 and 450 are integers, multiplied as reals, truncated on storing.
        cornerX = (fieldWidth - 50) * RND
        cornerY = (fieldHeight - 50) * RND
        FOR i = groupSize * g TO groupSize * (g + 1) - 1
            particleGroup(i) = g
            posX(i) = RND * 50 + cornerX
            posY(i) = RND * 50 + cornerY
            velX(i) = 0
            velY(i) = 0
            energy(i) = 100
            strength(i) = 0
            alive(i) = 1
            groupColour(i) = g MOD 6 + 1
        NEXT i
    NEXT g
END SUB

' Moves every live particle once. Particles are updated in place, one after
' another: a particle sees the new state of those updated before it and the
' old state of those after it.
SUB ForcePhase
    DIM i AS INTEGER, j AS INTEGER
    DIM strengthTally AS INTEGER, exchangeMark AS INTEGER
    DIM forceX AS DOUBLE, forceY AS DOUBLE, forceNorm AS DOUBLE, energyGain AS DOUBLE
    DIM offsetX AS DOUBLE, offsetY AS DOUBLE, distSq AS DOUBLE
    DIM shareSelf AS DOUBLE, shareOther AS DOUBLE
    FOR i = 0 TO lastParticle
        IF alive(i) = 1 THEN
            forceX = 0: forceY = 0
            strengthTally = 0: energyGain = 0: exchangeMark = 0
            FOR j = 0 TO lastParticle
                IF alive(j) = 1 AND j <> i THEN
                    offsetX = posX(j) - posX(i)
                    offsetY = posY(j) - posY(i)
                    distSq = offsetX * offsetX + offsetY * offsetY
                    IF particleGroup(j) = particleGroup(i) THEN
                        IF distSq < kinRange THEN
                            ' Too close: pushed away; the tally adds the
                            ' particle's own energy, truncated each time.
                            forceX = forceX - offsetX
                            forceY = forceY - offsetY
                            strengthTally = strengthTally + energy(i)
                        ELSE
                            forceX = forceX + offsetX
                            forceY = forceY + offsetY
                        END IF
                    ELSEIF distSq < 200 THEN
                        forceX = forceX - offsetX
                        forceY = forceY - offsetY
                        IF exchangeRule THEN
                            ' The own share is drawn first; the partner
                            ' trades separately in its own update.
                            shareSelf = RND * strength(i) / 100
                            shareOther = RND * strength(j) / 100
                            energyGain = energyGain + (shareSelf - shareOther)
                            exchangeMark = 1
                        END IF
                    ELSE
                        forceX = forceX + offsetX * .001
                        forceY = forceY + offsetY * .001
                    END IF
                END IF
            NEXT j
            ' Divided by its own length plus 1, the force changes each
            ' velocity component by less than 1 per frame.
            forceNorm = SQR(forceX * forceX + forceY * forceY) + 1
            velX(i) = velX(i) * .8 + forceX / forceNorm
            velY(i) = velY(i) * .8 + forceY / forceNorm
            strength(i) = strengthTally
            energy(i) = energy(i) + energyGain
            exchanged(i) = exchangeMark
            ' A particle that dies still makes this move.
            IF exchangeRule THEN IF energy(i) < 0 THEN alive(i) = 0
            posX(i) = posX(i) + velX(i)
            posY(i) = posY(i) + velY(i)
            ' A position exactly on an edge does not bounce.
            IF posX(i) < 0 THEN posX(i) = 0: velX(i) = velX(i) * -1
            IF posX(i) > fieldWidth THEN posX(i) = fieldWidth: velX(i) = velX(i) * -1
            IF posY(i) < 0 THEN posY(i) = 0: velY(i) = velY(i) * -1
            IF posY(i) > fieldHeight THEN posY(i) = fieldHeight: velY(i) = velY(i) * -1
        END IF
    NEXT i
END SUB

' Counts the frame; every sixth frame clears the text and the graphics
' before the frame is drawn, so each particle leaves a short trail.
SUB ClearStep
    frameCounter = frameCounter + 1
    IF frameCounter > 5 THEN frameCounter = 0: CLS 3
END SUB

' Each live particle as an outlined circle of radius 2 in its group's
' colour, or in white (7) when it traded energy at its last update.
SUB DrawPhase
    DIM i AS INTEGER, drawX AS INTEGER, drawY AS INTEGER, drawColour AS INTEGER
    FOR i = 0 TO lastParticle
        IF alive(i) = 1 THEN
            drawX = INT(posX(i))
            drawY = INT(posY(i))
            IF exchanged(i) = 1 THEN drawColour = 7 ELSE drawColour = groupColour(i)
            CIRCLE (drawX, drawY), 2, drawColour
        END IF
    NEXT i
END SUB
