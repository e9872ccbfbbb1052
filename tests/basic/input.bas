' INPUT splits a line at commas and asks again on a bad number; LINE INPUT
' takes the whole line. Console programs read standard input.
INPUT "Two numbers"; a, b%
PRINT "sum:"; a + b%
INPUT name$
PRINT "name: "; name$
INPUT "No question mark: ", c&
PRINT c&
LINE INPUT "Line: "; l$
PRINT "["; l$; "]"
LINE INPUT l$
PRINT "["; l$; "]"
INPUT x, y$
PRINT x; y$
PRINT "end of input ends the program with status 0"
LINE INPUT rest$
PRINT "never printed"
