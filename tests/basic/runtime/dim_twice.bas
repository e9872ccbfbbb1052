' DIM of an array that already has its elements stops the program.
FOR i = 1 TO 2
  PRINT i
  DIM a(i)
NEXT
