// SPDX-License-Identifier: MIT
#include "serve/service_routes.h"

namespace keld::serve {

const Route* FindRoute(std::string_view path) {
    for (const Route& route : kServiceRoutes) {
        if (route.path == path) return &route;
    }
    return nullptr;
}

bool TakesMethod(const Route& route, std::string_view method) {
    return method == route.method || (method == "HEAD" && route.method == "GET");
}

std::string_view AllowedMethods(const Route& route) {
    return route.method == "GET" ? "GET, HEAD" : route.method;
}

}  // namespace keld::serve
