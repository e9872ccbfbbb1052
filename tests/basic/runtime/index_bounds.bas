' An index outside the array's bounds stops the program.
DIM a(1 TO 3)
FOR i = 1 TO 4
  a(i) = i
  PRINT i;
NEXT
