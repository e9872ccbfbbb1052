' Guess the number: the program thinks of a number from 1 to 100 and says
' whether each guess is too high or too low. A number given on the command
' line seeds the generator, so a game can be replayed:
'   promptbasic run guess.bas -- 7
DEFINT A-Z

IF COMMAND$ <> "" THEN RANDOMIZE VAL(COMMAND$) ELSE RANDOMIZE

PRINT "I am thinking of a number from 1 to 100."
DO
    secret = INT(RND * 100) + 1
    tries = 0
    DO
        INPUT "Your guess"; guess
        tries = tries + 1
        IF guess < 1 OR guess > 100 THEN
            PRINT "From 1 to 100, please."
        ELSEIF guess < secret THEN
            PRINT "Too low."
        ELSEIF guess > secret THEN
            PRINT "Too high."
        END IF
    LOOP UNTIL guess = secret
    PRINT "Right! You needed"; tries; Plural$(tries, "try", "tries"); "."
    LINE INPUT "Play again (y/n)? "; answer$
LOOP WHILE UCASE$(LEFT$(LTRIM$(answer$), 1)) = "Y"
PRINT "Bye."
END

FUNCTION Plural$ (count, one$, many$)
    IF count = 1 THEN Plural$ = one$ ELSE Plural$ = many$
END FUNCTION
