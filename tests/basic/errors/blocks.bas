' Blocks left open, closers without openers, NEXT for the wrong variable.
FOR i = 1 TO 3
  FOR j = 1 TO 3
  NEXT i
NEXT j
WEND
IF 1 THEN
  PRINT "open"
ELSE
ELSE
END IF
LOOP
DO
  PRINT "no LOOP"
SUB First
  WHILE 1
END SUB
SELECT CASE 1
  PRINT "before any CASE"
CASE 1
CASE ELSE
CASE 2
END SELECT
EXIT FOR
FUNCTION Second
  EXIT SUB
