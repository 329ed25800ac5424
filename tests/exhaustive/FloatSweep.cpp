// Exhaustive proof of the float reader's short route: every significand from
// 0 to 2^24, with every power of ten the route takes (-10 to 10), both signs,
// read by Core::Format::scanFloat and by std::from_chars, must give the same
// float bit for bit. About 700 million numbers, spread over the machine's
// cores; prints the first mismatches and exits 1 when there is any.
//
//   xmlattr_float_sweep [first-power last-power]
#include <algorithm>
#include <atomic>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/Format.h"

namespace {

constexpr std::uint32_t kLastSignificand = 1u << 24;

std::atomic<long> mismatches{0};

// Checks the significands [first, last) with power, written "-<m>e<power>":
// the same text, from its second unit, is the positive number.
void sweep(std::uint32_t first, std::uint32_t last, int power) {
    char narrow[32];
    wchar_t wide[32];
    for (std::uint32_t m = first; m < last; ++m) {
        char* end = narrow;
        *end++ = '-';
        end = std::to_chars(end, narrow + sizeof narrow, m).ptr;
        *end++ = 'e';
        end = std::to_chars(end, narrow + sizeof narrow, power).ptr;
        const int length = static_cast<int>(end - narrow);
        for (int i = 0; i < length; ++i)
            wide[i] = static_cast<wchar_t>(narrow[i]);
        for (int sign = 0; sign < 2; ++sign) {  // "-..." and then "..."
            float expected = 0;
            std::from_chars(narrow + sign, end, expected);
            const auto scanned = Core::Format::scanFloat(wide + sign, wide + length);
            if (std::bit_cast<std::uint32_t>(scanned.value) !=
                    std::bit_cast<std::uint32_t>(expected) ||
                scanned.end != wide + length) {
                if (mismatches++ < 10)
                    std::printf("mismatch: %.*s reads %a, from_chars %a\n", length - sign,
                                narrow + sign, static_cast<double>(scanned.value),
                                static_cast<double>(expected));
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    int firstPower = -10;
    int lastPower = 10;
    if (argc == 3) {
        firstPower = std::atoi(argv[1]);
        lastPower = std::atoi(argv[2]);
    }
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back([=] {
            // Interleaved blocks, so that every thread gets a like share.
            constexpr std::uint32_t kBlock = 1u << 16;
            for (int power = firstPower; power <= lastPower; ++power) {
                for (std::uint32_t start = t * kBlock; start <= kLastSignificand;
                     start += threads * kBlock) {
                    sweep(start, std::min(start + kBlock, kLastSignificand + 1), power);
                }
            }
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    const long found = mismatches.load();
    std::printf("%ld mismatches over significands 0..2^24, powers %d..%d, both signs\n", found,
                firstPower, lastPower);
    return found == 0 ? 0 : 1;
}
