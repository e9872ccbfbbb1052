' Malformed statements and tokens: each line is reported once.
PRINT "unterminated
x = 1 +
y = (2 * 3
z = 5 6
IF x THEN
END IF extra
PRINT "ok" ~ 1
GOTO
DIM a AS SINGLE
b! = 1.5
DEFSNG A-Z
c = 99999999999999999999%
PRINT "emoji: 😀"
LET = 4
FOR = 1 TO 2
