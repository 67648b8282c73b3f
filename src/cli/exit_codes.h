// SPDX-License-Identifier: MIT
#pragma once

namespace keld::cli {

// What keld-cli tells the script that called it.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;  // the work could not be done (database, model, file)
inline constexpr int kExitUsage = 2;   // wrong usage: unknown option, refused or unreadable value

}  // namespace keld::cli
