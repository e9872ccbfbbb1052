' A string longer than the runtime allows stops the program.
s$ = "x"
DO
  s$ = s$ + s$
LOOP
