' Jumps to labels that are not defined, and labels defined twice; labels
' belong to the procedure they stand in.
GOTO 100
GOSUB Missing
10 PRINT "ten"
10 PRINT "again"
start: PRINT "start"
start: PRINT "start again"
IF 1 THEN 20
GOTO Inside
SUB Proc
  GOTO start
Inside:
END SUB
