' DIM runs when it is reached: before it the array has no elements.
GOTO skip
DIM a(5)
skip:
PRINT "before"
a(0) = 1
