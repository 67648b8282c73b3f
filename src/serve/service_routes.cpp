// SPDX-License-Identifier: MIT
#include "serve/service_routes.h"

#include <array>

namespace keld::serve {

const Route* FindRoute(std::string_view path) {
    static constexpr std::array<Route, 9> kRoutes = {{
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
    for (const Route& route : kRoutes) {
        if (route.path == path) return &route;
    }
    return nullptr;
}

}  // namespace keld::serve
