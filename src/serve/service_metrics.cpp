// SPDX-License-Identifier: MIT
#include "serve/service_metrics.h"

#include <algorithm>

#include "base/format_text.h"

namespace keld::serve {

std::size_t ServiceMetrics::RouteIndex(std::string_view route) {
    const auto found = std::find_if(kServiceRoutes.begin(), kServiceRoutes.end(),
                                    [route](const Route& known) { return known.path == route; });
    return static_cast<std::size_t>(found - kServiceRoutes.begin());
}

// A status the service does not give by itself counts in the last slot.
std::size_t ServiceMetrics::StatusIndex(int status) {
    const auto found = std::find(kStatuses.begin(), kStatuses.end() - 1, status);
    return static_cast<std::size_t>(found - kStatuses.begin());
}

void ServiceMetrics::count(std::string_view route, int status, std::uint64_t microseconds) {
    requests_[RouteIndex(route)][StatusIndex(status)].fetch_add(1, std::memory_order_relaxed);
    const auto bucket = std::lower_bound(kBucketsUs.begin(), kBucketsUs.end(), microseconds);
    buckets_[static_cast<std::size_t>(bucket - kBucketsUs.begin())].fetch_add(1, std::memory_order_relaxed);
    sumUs_.fetch_add(microseconds, std::memory_order_relaxed);
    count_.fetch_add(1, std::memory_order_relaxed);
}

std::string ServiceMetrics::text() const {
    std::string text =
        "# HELP keld_requests_total Requests answered, by route and HTTP status.\n"
        "# TYPE keld_requests_total counter\n";
    for (std::size_t route = 0; route < requests_.size(); ++route) {
        for (std::size_t status = 0; status < kStatuses.size(); ++status) {
            const std::uint64_t n = requests_[route][status].load(std::memory_order_relaxed);
            if (n == 0) continue;
            const std::string code = kStatuses[status] == 0 ? "other" : std::to_string(kStatuses[status]);
            const std::string_view name =
                route < kServiceRoutes.size() ? kServiceRoutes[route].path : "other";
            text += "keld_requests_total{route=\"" + std::string(name) + "\",status=\"" + code + "\"} " +
                    std::to_string(n) + "\n";
        }
    }
    text +=
        "# HELP keld_request_duration_seconds Time from a request read to its answer ready.\n"
        "# TYPE keld_request_duration_seconds histogram\n";
    std::uint64_t cumulative = 0;
    for (std::size_t bucket = 0; bucket < buckets_.size(); ++bucket) {
        cumulative += buckets_[bucket].load(std::memory_order_relaxed);
        const std::string bound = bucket < kBucketsUs.size()
                                      ? FormatText("%g", static_cast<double>(kBucketsUs[bucket]) / 1e6)
                                      : std::string("+Inf");
        text +=
            "keld_request_duration_seconds_bucket{le=\"" + bound + "\"} " + std::to_string(cumulative) + "\n";
    }
    text += "keld_request_duration_seconds_sum " +
            FormatText("%.6f", static_cast<double>(sumUs_.load(std::memory_order_relaxed)) / 1e6) + "\n";
    text += "keld_request_duration_seconds_count " + std::to_string(count_.load(std::memory_order_relaxed)) +
            "\n";
    return text;
}

}  // namespace keld::serve
