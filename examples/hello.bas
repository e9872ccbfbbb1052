' The first program: a greeting in two languages.
PRINT "Hello, world!"
PRINT "こんにちは、世界"
