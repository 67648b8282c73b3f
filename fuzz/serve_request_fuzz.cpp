// SPDX-License-Identifier: MIT
// The bodies keld-serve reads for a selection, a datasheet and a map. The
// first byte picks the route, the rest is the body. Every body is either
// refused with a 400 that names a member the body has (or none), or read
// into options that write back as JSON and read again to the same options;
// no body names the database the service selects on.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "serve/bad_request.h"
#include "serve/service_requests.h"

namespace {

using keld::Json;

bool SameOptions(const keld::PageOptions& a, const keld::PageOptions& b) {
    return a.database == b.database && a.launch == b.launch && a.compressor == b.compressor &&
           a.fluid == b.fluid && a.glycol == b.glycol && a.standard == b.standard && a.values == b.values;
}

// The page options read back from the JSON they write.
void CheckRoundTrip(const keld::PageOptions& options) {
    FUZZ_REQUIRE(!options.database);
    FUZZ_REQUIRE(SameOptions(keld::RequestFromJson(keld::RequestJson(options)), options));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int route = data[0] % 3;
    const std::string_view body(reinterpret_cast<const char*>(data + 1), size - 1);
    Json parsed;
    try {
        parsed = keld::serve::JsonBody(body);
        if (route == 0) {
            CheckRoundTrip(keld::serve::SelectRequest(parsed));
        } else if (route == 1) {
            const keld::serve::DatasheetRequest sheet = keld::serve::DatasheetRequestFrom(parsed);
            CheckRoundTrip(sheet.page);
            FUZZ_REQUIRE(parsed.contains("model") && parsed["model"] == sheet.model);
        } else {
            const keld::MapRequest map = keld::serve::MapRequestFrom(parsed);
            CheckRoundTrip(map.duty);
            FUZZ_REQUIRE(!map.model.empty());
            for (const auto* range : {&map.ambient, &map.outlet, &map.heatingAmbient, &map.heatingOutlet}) {
                FUZZ_REQUIRE(!*range || ((*range)->step > 0 && (*range)->to >= (*range)->from));
            }
        }
    } catch (const keld::serve::BadRequest& error) {
        FUZZ_REQUIRE(error.status() == 400);
        FUZZ_REQUIRE(std::string_view(error.what()).size() > 0);
        // The member an error names is one the body has, or one the route
        // needs and the body lacks.
        FUZZ_REQUIRE(error.field().empty() || error.field() == "model" ||
                     (parsed.is_object() && parsed.contains(error.field())));
    }
    return 0;
}
