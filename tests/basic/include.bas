' $INCLUDE brings in a file's lines (relative to the including file); its
' SUBs, FUNCTIONs, constants and shared names work as if written here.
'$INCLUDE: 'include/library.bi'
PRINT Greeting$
PRINT Square&(12); Square&(-3)
Announce "twice used:" + STR$(uses)
REM $INCLUDE: 'include/nested2.bi'
PRINT Late$
