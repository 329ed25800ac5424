// Property target: every registered attribute type keeps its promises on
// arbitrary text (tools/PropertyCheck.h): parsing never raises, a rejected
// text leaves the held value as it was, a written-back text reads again, and
// exactly written values come back unchanged. Input: "TYPE\nTEXT" or
// "TYPE\nFIRST\0SECOND" (tools/PropertyInput.h). A broken promise prints the
// type, the texts and the promise, then aborts. LeakSanitizer checks that
// colour references balance.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/Log.h"
#include "tools/registry/PropertyInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        Core::Log::setHandler([](Core::Log::Level, const Core::String&) {});
        return true;
    }();
    (void)quiet;
    const auto input = xmlattr_tool::readPropertyInput(
        std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string broken = input.type->check(input.first, input.second);
    if (!broken.empty()) {
        std::fprintf(stderr, "%.*s: \"%s\" then \"%s\": %s\n",
                     static_cast<int>(input.type->name.size()), input.type->name.data(),
                     input.first.toUtf8().c_str(), input.second.toUtf8().c_str(), broken.c_str());
        std::abort();
    }
    return 0;
}
