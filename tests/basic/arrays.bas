' DIM a(10) is 0 to 10; explicit bounds; any number of dimensions.
DIM a(10)
FOR i = 0 TO 10: a(i) = i * i: NEXT
PRINT a(0); a(5); a(10)
DIM b(1 TO 5, 0 TO 3) AS INTEGER
FOR i = 1 TO 5: FOR j = 0 TO 3: b(i, j) = i * 10 + j: NEXT j, i
PRINT b(1, 0); b(3, 2); b(5, 3)
DIM c%(-2 TO 2), d&(2, 2, 2), names$(2)
c%(-2) = 40000: PRINT c%(-2); c%(0)
d&(2, 1, 2) = 123456789: PRINT d&(2, 1, 2); d&(0, 0, 0)
names$(0) = "zero": names$(2) = "two"
PRINT names$(0); "|"; names$(1); "|"; names$(2); LEN(names$(1))
' Bounds may be expressions; elements start at zero or the empty string.
n = 3: DIM e(n * 2) AS DOUBLE: e(6) = 1.5: PRINT e(6); e(5)
' Arrays and scalars of one name are different things.
a = 99: PRINT a; a(3)
' DIM SHARED arrays are seen in every SUB.
DIM SHARED table(5) AS LONG
FillTable
PRINT table(0); table(5)
' Elements pass by reference.
Double2 a(3): PRINT a(3)
SUB FillTable
  FOR k = 0 TO 5: table(k) = k * 1000: NEXT
END SUB
SUB Double2 (v)
  v = v * 2
END SUB
