' SELECT CASE: lists, ranges, IS comparisons and CASE ELSE; the first
' matching case runs, the subject is evaluated once.
FOR v = 0 TO 12 STEP 3
  SELECT CASE v
    CASE 0
      PRINT v; "zero"
    CASE 1, 2, 3
      PRINT v; "small"
    CASE 4 TO 7, 100
      PRINT v; "middle"
    CASE IS >= 12
      PRINT v; "large"
    CASE ELSE
      PRINT v; "other"
  END SELECT
NEXT
FOR i = 1 TO 4
  SELECT CASE MID$("apple banan cherr zebra", (i - 1) * 6 + 1, 5)
    CASE "apple": PRINT "an apple"
    CASE "banan" TO "cz": PRINT "between"
    CASE IS > "y": PRINT "late"
  END SELECT
NEXT
SELECT CASE 2.5
  CASE 2: PRINT "two"
  CASE 2 TO 3: PRINT "two to three"
END SELECT
SELECT CASE 7
  CASE 1: PRINT "no match, no output"
END SELECT
n% = 3
SELECT CASE n% * 2
  CASE IS < 0, 6: PRINT "six"
END SELECT
