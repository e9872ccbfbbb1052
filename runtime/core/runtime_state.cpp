// The process-wide runtime record. Static storage: all zero at process entry.
#include "runtime/core/runtime_state.h"

RuntimeState gRuntime;
