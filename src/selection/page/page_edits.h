// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>

namespace keld {

// The prompts shown when an edit holds text that is not a number of its kind.
inline constexpr const char* kRealPrompt = "请输入一个数字。";
inline constexpr const char* kIntegerPrompt = "请输入一个整数。";

// Whether the edit `controlId` holds an integer (capacities, tolerance,
// glycol percentage) rather than a real.
bool IsIntegerEdit(int controlId);

// The prompt for a text in `controlId` that is not a number of its kind.
std::string NotANumberPrompt(int controlId);

// Whether `text` is a number of the kind of edit `controlId`, read as the
// page reads it.
bool IsNumberFor(int controlId, const std::string& text);

// The radios of the group `radioId` belongs to, in button order (the index
// of a radio in it is the value of its field); empty for any other id.
std::span<const int> RadioGroupOf(int radioId);

}  // namespace keld
