' Type mismatches between strings and numbers, wherever they meet.
n = "text"
s$ = 42
PRINT 1 + "a"; "a" - "b"; "x" * 2
IF "yes" THEN PRINT "no"
FOR i = "a" TO 10: NEXT
PRINT LEN(5); LEFT$(5, 1); SQR("4")
DIM a(3) AS STRING
a(1) = 2
a("one") = "x"
x = NOT "a"
SELECT CASE s$
CASE 1
END SELECT
c = "a" < 2
FOR t$ = 1 TO 2: NEXT
