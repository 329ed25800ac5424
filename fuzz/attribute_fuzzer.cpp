// Feeds arbitrary texts to every registered attribute type. The first byte
// picks the type; the rest, two bytes per code unit, is the attribute text.
// Any Core exception out of parsing or writing back is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/Exception.h"
#include "platform/Log.h"
#include "tools/registry/TypeRegistry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = [] {
        Core::Log::setHandler([](Core::Log::Level, const Core::String&) {});
        return true;
    }();
    (void)quiet;
    const auto types = xmlattr_tool::registeredTypes();
    if (size == 0 || types.empty())
        return 0;
    const auto& type = types[data[0] % types.size()];
    std::wstring text;
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    }
    try {
        (void)type.run(Core::String(text.data(), static_cast<int>(text.size())));
    } catch (const Core::Exception&) {
        std::abort();
    }
    return 0;
}
