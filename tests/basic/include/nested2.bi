FUNCTION Late$
  Late$ = "included by a REM line"
END FUNCTION
