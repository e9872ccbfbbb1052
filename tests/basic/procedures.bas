' SUBs and FUNCTIONs are called before or after their definitions; DECLARE
' lines are checked against them.
DECLARE FUNCTION Twice% (v AS INTEGER)
DECLARE SUB Swap2 (a, b)
PRINT Fib&(20); Twice%(21); Factorial#(25)
p = 1: q = 2
Swap2 p, q
PRINT p; q
CALL Swap2(p, (q))
PRINT p; q
' Arguments are passed by reference when they are variables or array
' elements, by value otherwise; a value is stored into the parameter's type.
DIM n AS INTEGER, arr(3) AS INTEGER
n = 5: Bump n: PRINT n
Bump (n): PRINT n
Bump n + 0: PRINT n
arr(2) = 7: Bump arr(2): PRINT arr(2)
Show 3.9, 70000
' A variable of another numeric type than the parameter's cannot be shared:
' it is passed as a value converted to the parameter's type.
k% = 1: AddHalf k%: PRINT k%
' Locals are new on every call; DIM SHARED names are seen everywhere.
DIM SHARED calls AS LONG
CALL Counter: CALL Counter: Counter
PRINT "calls:"; calls
' Strings by reference and by value; a FUNCTION's result is set by
' assigning to its name, and EXIT leaves early.
w$ = "word"
AppendBang w$: PRINT w$
AppendBang (w$): PRINT w$
PRINT Describe$(-3); Describe$(0); Describe$(8)
PRINT Depth%(0)
END

FUNCTION Fib& (n AS INTEGER)
  IF n < 2 THEN Fib& = n: EXIT FUNCTION
  Fib& = Fib&(n - 1) + Fib&(n - 2)
END FUNCTION

FUNCTION Twice% (v AS INTEGER)
  Twice = v * 2
END FUNCTION

FUNCTION Factorial# (n)
  IF n <= 1 THEN
    Factorial# = 1
  ELSE
    Factorial# = n * Factorial#(n - 1)
  END IF
END FUNCTION

SUB Swap2 (a, b)
  t = a: a = b: b = t
END SUB

SUB Bump (x AS INTEGER)
  x = x + 1
END SUB

SUB AddHalf (x)
  x = x + .5
  PRINT x;
END SUB

SUB Show (i AS INTEGER, l AS LONG)
  PRINT i; l
END SUB

SUB Counter
  local = local + 1
  calls = calls + 1
  PRINT "local"; local;
END SUB

SUB AppendBang (s$)
  s$ = s$ + "!"
END SUB

FUNCTION Describe$ (v)
  Describe$ = "zero "
  IF v < 0 THEN Describe$ = "negative ": EXIT FUNCTION
  IF v > 0 THEN Describe$ = "positive "
END FUNCTION

FUNCTION Depth% (level AS INTEGER)
  IF level = 100 THEN Depth% = level: EXIT FUNCTION
  Depth% = Depth%(level + 1)
END FUNCTION
