// Setting the thread's last error together with the text that explains it,
// for FormatMessageA to give back.
#pragma once
#include "platform/posix/win32_kernel.h"

#include <string>

namespace posix {

// The text is kept until the thread's last error changes. Any thread.
void SetLastErrorText(DWORD error, const std::string& text);

}  // namespace posix
