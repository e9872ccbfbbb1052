' Errors in an included file are reported with its name and its lines, in
' the order of the program.
PRINT "before"
'$INCLUDE: 'include/broken.bi'
'$INCLUDE: 'include/absent.bi'
Helper 1, 2
