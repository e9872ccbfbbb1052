' A number prints as a sign position, its digits and one space; a DOUBLE
' with the fewest digits that read back as the same double, no leading zero,
' plain from exponent -5 to 16, otherwise in E notation.
PRINT 0; 1; -1; 32767; -32768; 2147483647
PRINT .25; -.5; 1.5; 100; 1 / 3; 2 / 3; 0.1 + 0.2
PRINT 1E15; 1E16; 1E17; 12345678901234567; 1.5E20; -1.5E20
PRINT .0001; .00001; .000001; 2.5E-7; 1.25E-5; 1E-300
PRINT 123456789012.5; 5E-324
' Strings print their bytes; ';' adds nothing between items.
PRINT "a"; "b"; 1; "c"
' ',' moves to the next column that is a multiple of 14.
PRINT 1, 2, 3
PRINT "abc", "de"; "f", "x"
PRINT "12345678901234", "y"
PRINT , "second column"
' A trailing ';' or ',' keeps the line open.
PRINT "open";
PRINT " still";
PRINT ,
PRINT "after comma"
PRINT
PRINT "empty line above"
' STR$ is PRINT's text without the trailing space.
PRINT "["; STR$(5); "]["; STR$(-5); "]["; STR$(.5); "]["; STR$(1E20); "]"
' Items written side by side print as if ';' stood between them.
PRINT "x" 1 "y"
