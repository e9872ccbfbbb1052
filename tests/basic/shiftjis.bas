' This file is saved in Shift-JIS: its strings keep their bytes.
j$ = "日本語のテキスト"
PRINT j$; LEN(j$)
PRINT MID$(j$, 7, 4); "|"; LEFT$(j$, 2); "|"; RIGHT$(j$, 6)
PRINT ASC(j$); ASC(MID$(j$, 2))
PRINT "ﾊﾝｶｸ"; LEN("ﾊﾝｶｸ")
