' An include file with errors of its own: they name this file.
SUB Helper (n)
  PRINT n +
END SUB
