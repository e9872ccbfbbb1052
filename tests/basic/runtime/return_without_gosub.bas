' RETURN with no GOSUB pending stops the program.
GOSUB Here
PRINT "returned"
Here:
PRINT "here"
RETURN
