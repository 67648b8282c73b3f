// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

#include "serve/service_routes.h"

namespace keld::serve {

// The counts /metrics shows, the one thing requests share: requests by route
// and status, and a histogram of the time each took. Every count is an
// atomic, so workers add to them without waiting for each other.
class ServiceMetrics {
public:
    static constexpr std::array<int, 11> kStatuses = {200, 400, 404, 405, 408, 413, 415, 422, 500, 503, 0};
    // Upper bounds of the latency buckets, in microseconds.
    static constexpr std::array<std::uint64_t, 12> kBucketsUs = {
        250, 500, 1000, 2500, 5000, 10000, 25000, 50000, 100000, 250000, 1000000, 5000000,
    };

    void count(std::string_view route, int status, std::uint64_t microseconds);
    // The Prometheus text exposition of every count.
    std::string text() const;

private:
    static std::size_t RouteIndex(std::string_view route);
    static std::size_t StatusIndex(int status);

    // One row per route of the service, the last for paths it has none at,
    // counted as "other".
    std::array<std::array<std::atomic<std::uint64_t>, kStatuses.size()>, kServiceRoutes.size() + 1>
        requests_{};
    std::array<std::atomic<std::uint64_t>, kBucketsUs.size() + 1> buckets_{};
    std::atomic<std::uint64_t> sumUs_{0};
    std::atomic<std::uint64_t> count_{0};
};

}  // namespace keld::serve
