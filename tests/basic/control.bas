' Single-line IF: every statement after THEN up to ELSE belongs to it.
x = 5
IF x > 3 THEN PRINT "big"; : PRINT " and more" ELSE PRINT "small": PRINT "never"
IF x < 3 THEN PRINT "no": PRINT "no" ELSE PRINT "else"; : PRINT " part"
IF x THEN PRINT "nonzero is true"
IF 0 THEN PRINT "zero is false"
IF x = 5 THEN IF x > 4 THEN PRINT "nested" ELSE PRINT "inner else"
' Block IF with ELSEIF and ELSE.
FOR v = 1 TO 4
  IF v = 1 THEN
    PRINT "one"
  ELSEIF v = 2 THEN
    PRINT "two"
  ELSEIF v = 3 THEN
    PRINT "three"
  ELSE
    PRINT "other"
  END IF
NEXT v
' Statements may follow ELSE on its own line of a block IF.
IF x = 1 THEN
  PRINT "one"
ELSE PRINT "else";
  PRINT " on its line"
END IF
' FOR evaluates its bounds once; after a normal end the variable holds the
' first value past the limit.
n = 3
FOR i = 1 TO n: n = 10: PRINT i;: NEXT: PRINT "after:"; i
FOR i% = 10 TO 1 STEP -4: PRINT i%;: NEXT: PRINT "after:"; i%
FOR d = 0 TO 1 STEP .25: PRINT d;: NEXT: PRINT "after:"; d
FOR i = 5 TO 1: PRINT "not run": NEXT: PRINT "skipped, i ="; i
s = 2: FOR i = 1 TO 9 STEP s: s = 100: PRINT i;: NEXT: PRINT
FOR i& = 2147483640 TO 2147483645 STEP 3: PRINT i&;: NEXT: PRINT "after:"; i&
' WHILE and the four DO forms.
k = 0: WHILE k < 3: k = k + 1: WEND: PRINT "while"; k
k = 0: DO WHILE k < 3: k = k + 1: LOOP: PRINT "do while"; k
k = 0: DO UNTIL k >= 4: k = k + 1: LOOP: PRINT "do until"; k
k = 10: DO: k = k + 1: LOOP WHILE k < 3: PRINT "loop while"; k
k = 0: DO: k = k + 2: LOOP UNTIL k > 5: PRINT "loop until"; k
' EXIT leaves the innermost loop of its kind.
FOR a = 1 TO 3
  DO
    k = k + 1
    IF k > 8 THEN EXIT DO
  LOOP
  IF a = 2 THEN EXIT FOR
NEXT
PRINT "exit:"; a; k
DO
  FOR b = 1 TO 10
    IF b = 3 THEN EXIT FOR
  NEXT
  EXIT DO
LOOP
PRINT "b ="; b
' GOTO to labels and line numbers, forwards and backwards.
c = 0
again:
c = c + 1
IF c < 3 THEN GOTO again
PRINT "c ="; c
GOTO 100
PRINT "skipped"
100 PRINT "at 100"
IF c = 3 THEN 200 ELSE PRINT "not here"
200 PRINT "at 200"
IF c = 3 GOTO done
PRINT "not here either"
done: PRINT "done"
END
PRINT "after END"
