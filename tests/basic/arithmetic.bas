' Integer expressions are computed in 32 bits and wrap; stores keep the low
' 16 (INTEGER) or 32 (LONG) bits; DOUBLE is stored truncated toward zero.
PRINT 200 * 200; 32767 + 1; -32768 - 1
x% = 32767: x% = x% + 1: PRINT x%
y% = 200: y% = y% * y%: PRINT y%
z& = 2147483647: z& = z& + 1: PRINT z&
PRINT 2147483647 + 1; 65536 * 65536; 46341 * 46341
PRINT 2147483648; -2147483648
' Truncation toward zero on store.
a% = 7.9: b% = -7.9: c& = 2.5: d& = -2.5: PRINT a%; b%; c&; d&
e% = 40000.7: PRINT e%
f& = 1E10: PRINT f&
' \ and MOD truncate DOUBLE operands first; MOD has the dividend's sign.
PRINT 7 \ 2; -7 \ 2; 7 \ -2; 7.9 \ 2.9; 7 MOD 3; -7 MOD 3; 7 MOD -3; 7.9 MOD 2.9
' / and ^ always give DOUBLE.
PRINT 7 / 2; 1 / 4; 2 ^ 10; 2 ^ -1; 9 ^ .5; (-2) ^ 3
' Any DOUBLE operand makes the operation DOUBLE.
PRINT 32767 * 2.0; 1 + .5
' Precedence: ^, unary -, * /, \, MOD, + -, comparisons, NOT, AND, OR, XOR, EQV, IMP.
PRINT -2 ^ 2; 2 + 3 * 4; 10 - 4 - 3; 2 ^ 3 ^ 2; 12 \ 2 * 3; 7 MOD 4 \ 2; 1 + 7 MOD 4
PRINT 1 + 2 = 3; NOT 1 = 2; 1 OR 2 AND 4; 5 XOR 1 OR 2
' Comparisons give -1 and 0.
PRINT 1 < 2; 2 < 1; 3 = 3; 3 <> 3; 2 >= 2; 1 > 2; 2 <= 1
' Logical operators are bitwise on 32-bit integers.
PRINT NOT 0; NOT -1; 12 AND 10; 12 OR 10; 12 XOR 10; 0 EQV 0; 5 EQV 3; 0 IMP 5; 5 IMP 0
PRINT 2.7 AND 3; NOT 2.9
' Hexadecimal literals are 16 or 32-bit patterns.
PRINT &HFF; &HFFFF; &H8000; &HFFFFFFFF; &H10000; &O17
' DOUBLE comparisons with a NaN operand follow the unordered rule:
' =, < and <= hold, >, >= and <> do not.
n = 0: n = n / n
PRINT n = n; n < 1; n <= 1; n > 1; n >= 1; n <> n
' Unary minus wraps in 32 bits.
m& = -2147483647 - 1: PRINT m&; -m&
