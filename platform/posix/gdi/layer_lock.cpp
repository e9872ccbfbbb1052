// The layer's one lock.
#include "platform/posix/gdi/objects.h"

namespace posix {

std::mutex& LayerLock() {
    // Never destroyed: threads may still draw while the process ends.
    static auto* lock = new std::mutex;
    return *lock;
}

}  // namespace posix
