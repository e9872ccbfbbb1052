' Drawing with CIRCLE and COLOR: a target of filled rings, a row of
' outlines in every palette colour, and a few arcs. In a window the picture
' stays until the window is closed.
CONST CentreX = 200, CentreY = 200

CLS
COLOR 7
PRINT "Circles in eight colours"

' A target: filled discs from the outside in, red and white by turns.
FOR ring% = 5 TO 1 STEP -1
    IF ring% MOD 2 = 1 THEN colour% = 2 ELSE colour% = 7
    CIRCLE (CentreX, CentreY), ring% * 30, colour%, , , , colour%
NEXT ring%

' Outlines in the seven colours that show on black.
FOR c% = 1 TO 7
    CIRCLE (400 + c% * 50, 120), 20, c%
NEXT c%

' Flattened ellipses and an arc.
CIRCLE (500, 300), 80, 4, , , 0.4
CIRCLE (500, 300), 40, 5, 0, 3.14159
CIRCLE (700, 300), 50, 6, , , 2, 6

COLOR 4
PRINT "Drawn"; 5 + 7 + 3; "figures."
