// SPDX-License-Identifier: MIT
#pragma once

namespace keld {

// Caption of every message box that carries the application title.
inline constexpr const char* kApplicationTitle = "JVT";

// The date the program was last updated: printed on every datasheet and shown
// in the About box.
inline constexpr const char* kBuildDate = "2022/11/30";

}  // namespace keld
