' Shared by include.bas: a constant, a shared variable and two procedures.
CONST Greeting$ = "hello from the include"
DIM SHARED uses AS INTEGER
'$INCLUDE: 'nested.bi'
FUNCTION Square& (v AS LONG)
  uses = uses + 1
  Square& = v * v
END FUNCTION
