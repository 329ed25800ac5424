// Helpers the geometry scanners share: skipping white space and building
// the list they return. Internal to css/geometry.
#pragma once

#include <cstddef>
#include <new>
#include <string_view>
#include <utility>

#include "platform/String.h"
#include "platform/Vector.h"

namespace Xml::detail {

// The first position at or after pos that is not white space, or the end.
inline std::size_t skipSpace(std::wstring_view text, std::size_t pos) {
    while (pos < text.size() && Core::String::isSpace(text[pos]))
        ++pos;
    return pos;
}

// Builds the list a scanner reads with one allocation in the usual case,
// without a pass over the text beforehand. The first kSample items go to
// storage inside the builder; the list is then allocated once for the whole
// text, sized from the units those items took plus a quarter, and never
// beyond the most items the text can hold. A text whose later items are much
// denser than its first ones grows the list; one whose list ends up less
// than half full gets an exactly sized copy, so an attribute does not keep
// the slack. A list of up to kSample items is allocated at its exact size.
template <class T>
class ListBuilder {
  public:
    static constexpr int kSample = 16;

    // length: the text's units; most: the most items it can hold.
    ListBuilder(std::size_t length, std::size_t most) : length_(length), most_(most) {}
    ListBuilder(const ListBuilder&) = delete;
    ListBuilder& operator=(const ListBuilder&) = delete;
    ~ListBuilder() {
        for (int i = 0; i < sampled_; ++i)
            sample()[i].~T();
    }

    // Appends an item built from args; the item's text begins at unit at.
    template <class... Args>
    T& add(std::size_t at, Args&&... args) {
        if (sampled_ < kSample && list_.capacity() == 0)
            return *::new (static_cast<void*>(sample() + sampled_++))
                T(std::forward<Args>(args)...);
        if (list_.capacity() == 0)
            allocate(at);
        return list_.emplace_back(std::forward<Args>(args)...);
    }

    // The finished list.
    Core::Vector<T> finish() {
        if (list_.capacity() == 0) {
            list_.reserve(sampled_);
            moveSample();
        }
        if (list_.size() >= list_.capacity() / 2)
            return std::move(list_);
        return Core::Vector<T>(list_);
    }

  private:
    T* sample() { return std::launder(reinterpret_cast<T*>(storage_)); }

    void allocate(std::size_t at) {
        // at > 0: each sampled item took at least one unit.
        const std::size_t rest = (length_ - at) * kSample / at;
        std::size_t capacity = kSample + rest + rest / 4 + 1;
        if (capacity > most_)
            capacity = most_ > kSample ? most_ : kSample + 1;
        list_.reserve(static_cast<int>(capacity));
        moveSample();
    }

    void moveSample() {
        for (int i = 0; i < sampled_; ++i) {
            list_.emplace_back(std::move(sample()[i]));
            sample()[i].~T();
        }
        sampled_ = 0;
    }

    alignas(T) unsigned char storage_[kSample * sizeof(T)];
    int sampled_ = 0;
    std::size_t length_;
    std::size_t most_;
    Core::Vector<T> list_;
};

}  // namespace Xml::detail
