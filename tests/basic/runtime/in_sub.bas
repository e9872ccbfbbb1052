' The line reported is the BASIC line of the failing statement.
CALL Divide(1)
SUB Divide (n)
  PRINT n \ (n - 1)
END SUB
