// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace keld::serve {

// A path the service answers, the one method it takes there and the
// largest body it reads for it. A selection's options fit in a few hundred
// bytes; a schedule holds many lines.
struct Route {
    std::string_view path;
    std::string_view method;
    std::size_t bodyLimit;
};

inline constexpr std::size_t kOptionsBodyLimit = 64 * 1024;
inline constexpr std::size_t kScheduleBodyLimit = 1024 * 1024;
// The most duties one batch request runs: a worker answers no one else
// while it runs them.
inline constexpr std::size_t kMostScheduleDuties = 2000;

inline constexpr std::array<Route, 9> kServiceRoutes = {{
    {"/", "GET", 0},
    {"/v1/select", "POST", kOptionsBodyLimit},
    {"/v1/datasheet", "POST", kOptionsBodyLimit},
    {"/v1/map", "POST", kOptionsBodyLimit},
    {"/v1/batch", "POST", kScheduleBodyLimit},
    {"/healthz", "GET", 0},
    {"/readyz", "GET", 0},
    {"/metrics", "GET", 0},
    {"/v1/openapi.json", "GET", 0},
}};

// The route of `path`; nullptr when the service has none there.
const Route* FindRoute(std::string_view path);

// Whether `route` answers `method`: its own, and HEAD wherever it takes GET
// (the headers a GET would give, without the body).
bool TakesMethod(const Route& route, std::string_view method);

// The Allow header's value for `route`.
std::string_view AllowedMethods(const Route& route);

}  // namespace keld::serve
