' GOSUB jumps to a label and RETURN comes back after the GOSUB; they nest.
x = 1
GOSUB Twice
PRINT "x ="; x
GOSUB 500
PRINT "x ="; x
FOR i = 1 TO 3: GOSUB Twice: NEXT
PRINT "x ="; x
SubWithGosub
END
Twice:
  x = x * 2
  RETURN
500 PRINT "in 500"
  GOSUB Twice
  GOSUB Twice
  RETURN
SUB SubWithGosub
  n = 5
  GOSUB Inner
  PRINT "n ="; n
  EXIT SUB
Inner:
  n = n + 1
  RETURN
END SUB
