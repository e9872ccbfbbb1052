// Asc: the first byte of a string.
#include "runtime/console/console.h"
#include "runtime/core/strings.h"

int32_t Asc(CountedString text) {
    const int32_t value = static_cast<unsigned char>(text[0]);
    StrFree(text);
    return value;
}
