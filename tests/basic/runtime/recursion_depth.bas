' Recursion without end stops with a runtime error, not a crash.
PRINT Deep&(1)
FUNCTION Deep& (n AS LONG)
  Deep& = Deep&(n + 1)
END FUNCTION
