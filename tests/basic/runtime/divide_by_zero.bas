' Integer division by zero (after truncation) stops the program.
PRINT 7 \ 2
d = .5
PRINT 7 \ d
