// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace keld::serve {

// The OpenAPI 3 description of every route (openapi.json of this folder,
// built into the program).
std::string_view OpenApiDocument();

}  // namespace keld::serve
