/// @file
/// TextIndex: a compile-time hash index over a fixed set of short ASCII texts
/// (keywords, colour names), for lookups whose cost does not depend on the
/// text looked up or on its place in the table.
///
/// Every text is packed into four 64-bit words, eight units to a word, ASCII
/// capitals folded where the table ignores case. A packed text hashes with one
/// multiply per word to one of at least four buckets per text, each holding up
/// to two texts; the multiplier is searched at compile time until no bucket
/// overflows, and a table for which none is found does not compile. A lookup packs the text (a unit
/// beyond ASCII or a length outside the table's range is a miss at once), reads its bucket and
/// compares at most two packed keys, word for word. Nothing allocates.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace Xml {

/// A text of up to kMaxUnits ASCII units packed eight to a word, the unused
/// units zero, with its length.
struct PackedText {
    static constexpr int kWords = 4;                      ///< words per text
    static constexpr std::size_t kMaxUnits = 8 * kWords;  ///< the longest text packed

    std::array<std::uint64_t, kWords> words{};  ///< the units, eight to a word, first unit lowest
    std::uint32_t length = 0;                   ///< the text's length in units

    /// Word by word without branches (a defaulted comparison of the array
    /// would call memcmp).
    constexpr bool operator==(const PackedText& other) const {
        return ((words[0] ^ other.words[0]) | (words[1] ^ other.words[1]) |
                (words[2] ^ other.words[2]) | (words[3] ^ other.words[3]) |
                (length ^ other.length)) == 0;
    }

    /// Packs text, folding "A"-"Z" to lower case when fold is set; false for a
    /// text longer than kMaxUnits or holding a unit beyond ASCII, which no key
    /// of an index can match.
    static constexpr bool pack(std::wstring_view text, bool fold, PackedText& out) {
        const std::size_t n = text.size();
        if (n > kMaxUnits)
            return false;
        out = PackedText{};
        out.length = static_cast<std::uint32_t>(n);
        std::uint32_t beyondAscii = 0;
        for (std::size_t w = 0; 8 * w < n; ++w) {
            // Each unit shifted into place on its own, so the units of a word
            // pack in parallel. A unit beyond ASCII spoils the word, but the
            // text is then no key anyway.
            std::uint64_t word = 0;
            const std::size_t count = n - 8 * w < 8 ? n - 8 * w : 8;
            for (std::size_t j = 0; j < count; ++j) {
                const auto unit = static_cast<std::uint32_t>(text[8 * w + j]);
                beyondAscii |= unit;
                word |= static_cast<std::uint64_t>(unit) << (8 * j);
            }
            out.words[w] = fold ? foldCapitals(word) : word;
        }
        return beyondAscii < 0x80u;
    }

    /// Adds 0x20 to every byte from "A" to "Z" of a word of ASCII bytes, all
    /// eight at once: adding 0x80 - "A" (or 0x80 - "Z" - 1) to a byte below
    /// 0x80 sets its top bit exactly when it is at least "A" (above "Z"), and
    /// no sum carries into the next byte.
    static constexpr std::uint64_t foldCapitals(std::uint64_t word) {
        constexpr std::uint64_t kOnes = 0x0101010101010101u;
        const std::uint64_t atLeastA = word + (0x80 - 'A') * kOnes;
        const std::uint64_t aboveZ = word + (0x80 - 'Z' - 1) * kOnes;
        const std::uint64_t capitals = atLeastA & ~aboveZ & (0x80 * kOnes);
        return word + (capitals >> 2);
    }
};

namespace text_index_detail {

// The words are combined with fixed odd constants (distinct packed texts
// give distinct sums unless by a 2^-64 accident, which the multiplier search
// would meet as a bucket that always overflows), then spread by the
// multiplier; the top bits pick the bucket.
constexpr std::size_t bucketOf(const PackedText& key, std::uint64_t multiplier, int bits) {
    const std::uint64_t sum =
        (key.words[0] + key.length) * 0xD6E8FEB86659FD93u + key.words[1] * 0xA0761D6478BD642Fu +
        key.words[2] * 0xE7037ED1A0B428DBu + key.words[3] * 0x8EBC6AF09C88C6E3u;
    return static_cast<std::size_t>((sum * multiplier) >> (64 - bits));
}

inline constexpr int kPerBucket = 2;

}  // namespace text_index_detail

/// A built index without its size in the type, for code shared by all tables.
struct TextIndexView {
    const PackedText* keys;     ///< the packed texts, by item
    const std::uint8_t* slots;  ///< kPerBucket per bucket: item + 1, or 0
    std::uint64_t multiplier;   ///< the multiplier the build found
    int bucketBits;             ///< log2 of the number of buckets
    bool fold;                  ///< whether texts are compared with capitals folded
    std::uint32_t minLength;    ///< the shortest text's length
    std::uint32_t maxLength;    ///< the longest text's length

    /// The item whose text equals text (under the index's folding), or -1.
    constexpr int find(std::wstring_view text) const {
        using namespace text_index_detail;
        if (text.size() < minLength || text.size() > maxLength)
            return -1;
        PackedText key;
        if (!PackedText::pack(text, fold, key))
            return -1;
        const std::uint8_t* bucket = slots + bucketOf(key, multiplier, bucketBits) * kPerBucket;
        for (int k = 0; k < kPerBucket; ++k) {
            const int item = bucket[k] - 1;
            if (item >= 0 && keys[item] == key)
                return item;
        }
        return -1;
    }
};

/// The index of up to N texts, items 0 to N - 1, built at compile time.
template <std::size_t N>
class TextIndex {
  public:
    static_assert(N > 0 && N < 256, "a text index holds 1 to 255 items");
    static constexpr std::size_t kBuckets = std::bit_ceil(4 * N);   ///< at least four per item
    static constexpr int kBucketBits = std::countr_zero(kBuckets);  ///< log2 of kBuckets

    /// An empty index comparing texts exactly.
    constexpr TextIndex() = default;
    /// An empty index; fold compares texts with ASCII capitals folded.
    constexpr explicit TextIndex(bool fold) : fold_(fold) {}

    /// Adds text as item. False when it cannot be packed.
    constexpr bool add(std::size_t item, std::wstring_view text) {
        if (item >= N || !PackedText::pack(text, fold_, keys_[item]))
            return false;
        present_[item] = true;
        count_ += 1;
        const auto length = static_cast<std::uint32_t>(text.size());
        minLength_ = length < minLength_ ? length : minLength_;
        maxLength_ = length > maxLength_ ? length : maxLength_;
        return true;
    }

    /// Finds a multiplier that leaves no bucket with more than two texts and
    /// fills the buckets. False when two added texts are the same (under the
    /// index's folding) or no multiplier was found.
    constexpr bool build() {
        for (std::size_t a = 0; a < N; ++a) {
            for (std::size_t b = a + 1; b < N; ++b) {
                if (present_[a] && present_[b] && keys_[a] == keys_[b])
                    return false;
            }
        }
        std::uint64_t state = 0x9E3779B97F4A7C15u;
        for (int attempt = 0; attempt < 10000; ++attempt) {
            multiplier_ = mix(state) | 1u;
            if (fill())
                return built_ = true;
        }
        return false;
    }

    /// Whether build() succeeded.
    constexpr bool built() const { return built_; }
    /// The number of texts added.
    constexpr std::size_t size() const { return count_; }

    /// The built index without its size in the type; valid while this index lives.
    constexpr TextIndexView view() const {
        return {keys_.data(), slots_.data(), multiplier_, kBucketBits,
                fold_,        minLength_,    maxLength_};
    }
    /// The item whose text equals text (under the index's folding), or -1.
    constexpr int find(std::wstring_view text) const { return view().find(text); }

  private:
    // splitmix64: the next multiplier to try.
    static constexpr std::uint64_t mix(std::uint64_t& state) {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    constexpr bool fill() {
        using namespace text_index_detail;
        slots_ = {};
        for (std::size_t item = 0; item < N; ++item) {
            if (!present_[item])
                continue;
            const std::size_t bucket = bucketOf(keys_[item], multiplier_, kBucketBits) * kPerBucket;
            int k = 0;
            while (k < kPerBucket && slots_[bucket + k] != 0)
                ++k;
            if (k == kPerBucket)
                return false;
            slots_[bucket + k] = static_cast<std::uint8_t>(item + 1);
        }
        return true;
    }

    bool fold_ = false;
    bool built_ = false;
    std::size_t count_ = 0;
    std::uint32_t minLength_ = PackedText::kMaxUnits + 1;
    std::uint32_t maxLength_ = 0;
    std::uint64_t multiplier_ = 1;
    std::array<PackedText, N> keys_{};
    std::array<bool, N> present_{};
    std::array<std::uint8_t, kBuckets * text_index_detail::kPerBucket> slots_{};
};

}  // namespace Xml
