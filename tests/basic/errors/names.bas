' Unknown and duplicate names, and wrong argument counts.
CALL Missing
Missing 1, 2
PRINT NoSuch(3)
Greet
Greet "a", "b"
PRINT Twice%()
PRINT Twice%(1, 2)
DIM a(5), b(2, 2)
PRINT a(1, 2); b(1)
DIM a(3)
DIM x AS INTEGER
PRINT x$
v = 1
DIM v AS LONG
CONST Limit = 10
Limit = 11
CONST Limit = 12
Twice% = 3
PRINT LEFT$("abc")
PRINT RND(1, 2)
SUB Greet (who$)
END SUB
SUB Greet
END SUB
FUNCTION Twice% (n%)
  Twice% = n% * 2
END FUNCTION
FUNCTION Len (s$)
END FUNCTION
DECLARE SUB Nowhere ()
DECLARE FUNCTION Twice% (n$)
