// Window classes.
#include "platform/posix/user/window.h"

#include <strings.h>

namespace posix {
namespace {

std::vector<WindowClass>& Classes() {
    static auto* classes = new std::vector<WindowClass>;
    return *classes;
}

}  // namespace

const WindowClass* FindWindowClass(const char* name) {
    for (const WindowClass& windowClass : Classes())
        if (strcasecmp(windowClass.name.c_str(), name) == 0) return &windowClass;
    return nullptr;
}

}  // namespace posix

// The record must state its own size; class names are unique, compared
// without regard to case. The atom is the class's number from 0xC000 on.
ATOM RegisterClassExA(const WNDCLASSEXA* windowClass) {
    using namespace posix;
    if (windowClass == nullptr || windowClass->cbSize != sizeof(WNDCLASSEXA) ||
        windowClass->lpfnWndProc == nullptr || windowClass->lpszClassName == nullptr ||
        windowClass->lpszClassName[0] == '\0')
        return 0;
    std::lock_guard lock(LayerLock());
    if (FindWindowClass(windowClass->lpszClassName) != nullptr) return 0;
    Classes().push_back(WindowClass{windowClass->lpszClassName, windowClass->style,
                                    windowClass->lpfnWndProc, windowClass->hbrBackground});
    return static_cast<ATOM>(0xC000 + Classes().size() - 1);
}
