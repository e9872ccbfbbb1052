SUB Announce (what$)
  PRINT "announce: "; what$
END SUB
