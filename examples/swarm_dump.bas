' swarm_dump: runs the swarm model of swarm50 or swarm5 without drawing and
' prints every placed particle after the given number of frames, one line
' each: index, alive, x, y, x velocity, y velocity, energy, strength and
' exchanged. PRINT writes each double with the fewest digits that read back
' as the same double, so the numbers can be compared exactly.
'
' Usage: swarm_dump PROGRAM SEED FRAMES, for example: swarm_dump swarm50 7 2000
'   PROGRAM  swarm50 or swarm5
'   SEED     a whole number from -2147483648 to 4294967295, taken as its
'            32-bit pattern: 4294967295 seeds as -1 does
'   FRAMES   a whole number of frames from 0 to 999999999999
'$INCLUDE: 'swarm_model.bi'

DIM arguments AS STRING, programName AS STRING, seedText AS STRING, framesText AS STRING
DIM seed AS DOUBLE, seedPattern AS LONG, frameTotal AS DOUBLE, frame AS DOUBLE
DIM i AS INTEGER

arguments = COMMAND$
programName = TakeWord$(arguments)
seedText = TakeWord$(arguments)
framesText = TakeWord$(arguments)
IF framesText = "" OR LTRIM$(arguments) <> "" THEN StopWithUsage "three arguments are needed"

IF programName = "swarm50" THEN
    SetSwarmConstants 50, 100, 0
ELSEIF programName = "swarm5" THEN
    SetSwarmConstants 5, 1000, 1
ELSE
    StopWithUsage "unknown program " + programName + " (swarm50 or swarm5)"
END IF

IF NOT IsWholeNumber%(seedText, 1) THEN StopWithUsage "seed " + seedText + " is not a whole number"
seed = VAL(seedText)
IF seed < -2147483648 OR seed > 4294967295 THEN
    StopWithUsage "seed " + seedText + " is not from -2147483648 to 4294967295"
END IF
' Seeds above 2147483647 stand for the negative number of the same 32 bits.
IF seed > 2147483647 THEN seed = seed - 4294967296
seedPattern = seed

IF NOT IsWholeNumber%(framesText, 0) THEN StopWithUsage "frames " + framesText + " is not a whole number"
frameTotal = VAL(framesText)

RANDOMIZE seedPattern
PlaceSwarm
FOR frame = 1 TO frameTotal
    ForcePhase
NEXT frame

FOR i = 0 TO (lastGroup + 1) * groupSize - 1
    PRINT i; alive(i); posX(i); posY(i); velX(i); velY(i); energy(i); strength(i); exchanged(i)
NEXT i
END

' The first word of text$ (words are separated by spaces); text$ keeps the
' rest.
FUNCTION TakeWord$ (text$)
    DIM gap AS INTEGER
    text$ = LTRIM$(text$)
    gap = INSTR(text$, " ")
    IF gap = 0 THEN
        TakeWord$ = text$
        text$ = ""
    ELSE
        TakeWord$ = LEFT$(text$, gap - 1)
        text$ = MID$(text$, gap + 1)
    END IF
END FUNCTION

' -1 when text$ is one to twelve decimal digits, after a minus sign when
' mayBeNegative% is not 0; else 0.
FUNCTION IsWholeNumber% (text$, mayBeNegative%)
    DIM first AS INTEGER, k AS INTEGER
    IsWholeNumber% = 0
    first = 1
    IF mayBeNegative% <> 0 AND LEFT$(text$, 1) = "-" THEN first = 2
    IF LEN(text$) < first OR LEN(text$) - first >= 12 THEN EXIT FUNCTION
    FOR k = first TO LEN(text$)
        IF INSTR("0123456789", MID$(text$, k, 1)) = 0 THEN EXIT FUNCTION
    NEXT k
    IsWholeNumber% = -1
END FUNCTION

' The dialect has no exit status of its own choosing and no standard error:
' the message and the usage go to standard output, and the program ends.
SUB StopWithUsage (message$)
    PRINT "swarm_dump: "; message$
    PRINT "usage: swarm_dump swarm50|swarm5 SEED FRAMES"
    PRINT "  SEED    a whole number from -2147483648 to 4294967295"
    PRINT "  FRAMES  a whole number of frames from 0 to 999999999999"
    END
END SUB
