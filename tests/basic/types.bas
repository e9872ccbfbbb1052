' Names without a suffix are DOUBLE unless a DEF range says otherwise; a
' name declared with AS is the same variable with or without its suffix.
a = 2.5: PRINT a
DEFINT I-K
i = 2.7: j = 40000: PRINT i; j
DEFLNG L
l = 40000: PRINT l
DEFSTR S
s = "text": PRINT s; LEN(s)
DEFDBL I
i = 2.7: PRINT i; i%
DIM count AS INTEGER, total AS LONG, ratio AS DOUBLE, title AS STRING
count = 32767: count% = count% + 1: PRINT count
total& = 100000: PRINT total
ratio# = 1 / 4: PRINT ratio
title$ = "name": PRINT title
' Suffixes name different variables.
v% = 1: v& = 2: v# = 3: v$ = "four": PRINT v%; v&; v#; v$
' CONST values may use other constants and operators.
CONST Size = 10, Half = Size / 2, Label$ = "size:"
CONST Big& = 100000, Small% = 3
PRINT Label$; Size; Half; Big&; Small%
PRINT Size * 2 + 1
SUB ShowConst
  PRINT "in a SUB:"; Size; Label$
END SUB
ShowConst
' A name declared AS a type and a suffixed name whose letters run on are two variables.
DIM xd AS INTEGER: xd = 5: x# = 2.5: PRINT xd; x#
DIM ys AS DOUBLE: DIM y AS DOUBLE: y = 1: ys = 2: PRINT y; ys
