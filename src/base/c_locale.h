// SPDX-License-Identifier: MIT
#pragma once

#include <locale.h>

namespace keld {

// The "C" locale, made once for the process (0 if it cannot be made).
// Numbers written and read through it use a decimal point whatever locale
// the window toolkit has switched the process to.
locale_t CLocale();

}  // namespace keld
