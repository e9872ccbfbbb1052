' Operands are evaluated left to right, also when a FUNCTION changes what
' the rest of the expression reads.
DIM SHARED trace AS STRING, counter AS INTEGER
PRINT Tick%(1) * 10 + Tick%(2); trace
trace = ""
PRINT Tick%(3) - Tick%(4) + Tick%(5); trace
counter = 0
PRINT counter + Bump%; counter
RANDOMIZE 1
PRINT RND - RND; RND * 100000 + RND
RANDOMIZE 1
a = RND: b = RND: c = RND: d = RND
PRINT a - b; c * 100000 + d
trace = ""
PRINT Word$("a") + Word$("b") + Word$("c"); " "; trace
FUNCTION Tick% (n AS INTEGER)
  trace = trace + STR$(n)
  Tick% = n
END FUNCTION
FUNCTION Bump%
  counter = counter + 100
  Bump% = 1
END FUNCTION
FUNCTION Word$ (w$)
  trace = trace + w$
  Word$ = UCASE$(w$)
END FUNCTION
