' A string longer than the runtime allows stops the program.
s$ = SPACE$(10)
PRINT LEN(s$)
s$ = SPACE$(2147483647)
PRINT "never printed"
