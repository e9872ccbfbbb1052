' Strings are counted Shift-JIS bytes: the string functions count bytes.
a$ = "Hello, World"
PRINT LEN(a$); LEN(""); LEN("日本語"); LEN("ｱｲｳ"); LEN("aあ")
PRINT LEFT$(a$, 5); "|"; RIGHT$(a$, 5); "|"; MID$(a$, 8); "|"; MID$(a$, 8, 3); "|"
PRINT LEFT$(a$, 0); "|"; LEFT$(a$, 99); "|"; MID$(a$, 50); "|"
PRINT LEFT$("日本語", 2); "|"; MID$("日本語", 3, 2); "|"; RIGHT$("日本語", 2)
PRINT UCASE$("abc xyz 日本"); "|"; LCASE$("ABC Xyz"); "|"; LTRIM$("   x  "); "|"; RTRIM$("  y   "); "|"
PRINT CHR$(65); CHR$(97); ASC("A"); ASC("abc"); ASC("あ")
PRINT INSTR("banana", "an"); INSTR(3, "banana", "an"); INSTR("banana", "x"); INSTR("banana", "")
PRINT "["; SPACE$(3); "]["; STRING$(4, "*"); "]["; STRING$(3, 66); "]"
PRINT HEX$(0); " "; HEX$(255); " "; HEX$(-1); " "; HEX$(32768); " "; HEX$(4095.9)
PRINT STR$(12); STR$(-3); STR$(2.5); "|"; VAL(" 42 ")
' + joins strings.
b$ = a$ + "!" + CHR$(33)
PRINT b$; LEN(b$)
c$ = "": FOR i = 1 TO 5: c$ = c$ + CHR$(48 + i): NEXT: PRINT c$
' MID$ as a statement overwrites in place and never changes the length.
d$ = "abcdef": MID$(d$, 2) = "XY": PRINT d$
MID$(d$, 5, 1) = "123": PRINT d$
MID$(d$, 6) = "LONGER": PRINT d$
' Comparisons go by the runtime's StrCompare: collation order, not byte order.
PRINT "abc" < "abd"; "abc" = "abc"; "b" > "a"; "" < "a"; "abc" <> "abc"
PRINT "a" < "B"; "B" < "a"; "apple" < "Banana"; "a" <= "a"; "b" >= "c"
s$ = "same": t$ = s$: t$ = t$ + "!": PRINT s$; " "; t$
PRINT COMMAND$; "|"
