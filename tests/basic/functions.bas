' The numeric functions are the runtime's own: SQR stops at the first
' repeated value of its iteration, not at the correctly rounded root.
PRINT SQR(2); SQR(10); SQR(13); SQR(3); SQR(4); SQR(0)
PRINT LOG(1); LOG(2); LOG(10); LOG(0); LOG(-5)
PRINT EXP(0); EXP(1); EXP(709.43)
PRINT 2 ^ 10; (-2) ^ 3; 2 ^ -1; 0 ^ 0; (-2) ^ .5
' INT rounds down, FIX truncates; both keep an integer argument.
PRINT INT(2.5); INT(-2.5); INT(-3); INT(-.00001); FIX(2.7); FIX(-2.7); INT(7); FIX(-7)
PRINT ABS(-3.5); ABS(-7); ABS(-32768); SGN(-2.5); SGN(0); SGN(9); SGN(-4)
' RND after RANDOMIZE 1 gives the runtime's sequence; RANDOMIZE n seeds
' with n's 32-bit pattern.
RANDOMIZE 1
PRINT RND; RND; RND; RND; RND
RANDOMIZE 1
PRINT RND
RANDOMIZE -1
PRINT RND
RANDOMIZE 4294967295#
PRINT RND
RANDOMIZE 1.9
PRINT RND
' VAL reads a number at the start of a string.
PRINT VAL("3.25"); VAL("-12abc"); VAL("x"); VAL("1E3")
