// Differential target: Core::Format::scanFloat against std::from_chars on
// arbitrary text, one byte per code unit. Both must end at the same unit and
// give the same float bit for bit; with signed exponents off, the reader must
// stop at the exponent's sign and still agree with from_chars on what it took.
#include <bit>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/Format.h"

namespace {

// The reader's grammar has no "inf" or "nan", which from_chars reads, and
// takes a "+" sign, which from_chars does not.
bool comparable(const std::string& text, std::size_t& from) {
    from = 0;
    if (!text.empty() && text[0] == '+')
        from = 1;
    std::size_t body = from;
    if (from == 0 && !text.empty() && text[0] == '-')
        body = 1;
    if (body < text.size()) {
        const char c = static_cast<char>(text[body] | 0x20);
        if (c == 'i' || c == 'n')
            return false;
        if (from == 1 && text[body] == '-')
            return false;  // "+-1": from_chars would read "-1"
    }
    return true;
}

void check(const std::string& narrow, const std::wstring& wide, bool signedExponent) {
    const auto scanned =
        Core::Format::scanFloat(wide.data(), wide.data() + wide.size(), signedExponent);
    const auto taken = static_cast<std::size_t>(scanned.end - wide.data());
    std::size_t from = 0;
    if (!comparable(narrow.substr(0, signedExponent ? narrow.size() : taken), from))
        return;
    const std::string number = signedExponent ? narrow : narrow.substr(0, taken);
    float expected = 0;
    const auto result =
        std::from_chars(number.data() + from, number.data() + number.size(), expected);
    if (result.ec == std::errc::invalid_argument) {
        if (taken != 0)
            std::abort();  // the reader found a number where there is none
        return;
    }
    if (static_cast<std::size_t>(result.ptr - number.data()) != taken)
        std::abort();  // the two disagree on where the number ends
    if (result.ec == std::errc() &&
        std::bit_cast<std::uint32_t>(expected) != std::bit_cast<std::uint32_t>(scanned.value)) {
        std::abort();  // a different float
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string narrow(reinterpret_cast<const char*>(data), size);
    const std::wstring wide(narrow.begin(), narrow.end());
    check(narrow, wide, true);
    check(narrow, wide, false);
    return 0;
}
