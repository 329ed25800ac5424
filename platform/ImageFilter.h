/// @file
/// Drawing::ImageFilter: the image-filter setting of an image, a plain value of
/// two 32-bit words (the filter's kind and its parameter).
///
/// Text form: the two words in decimal joined by a colon, "kind:parameter"
/// (the default filter is "0:0"); nothing else is accepted.
#pragma once

#include "platform/Export.h"

#include <cstdint>

#include "platform/String.h"

namespace Drawing {

/// An image filter: a kind and its parameter, both opaque to this library.
class XMLATTR_API ImageFilter {
  public:
    /// The default filter, "0:0".
    ImageFilter() = default;
    /// The filter of the given kind and parameter.
    ImageFilter(std::uint32_t kind, std::uint32_t parameter) : kind_(kind), parameter_(parameter) {}

    /// The filter's kind.
    std::uint32_t getKind() const { return kind_; }
    /// The filter's parameter.
    std::uint32_t getParameter() const { return parameter_; }

    /// True and out set when text is "kind:parameter"; false and out untouched otherwise.
    static bool parseFilter(ImageFilter& out, const Core::String& text);
    /// The text form "kind:parameter".
    Core::String toString() const;

    /// Same kind and parameter.
    friend bool operator==(const ImageFilter& a, const ImageFilter& b) {
        return a.kind_ == b.kind_ && a.parameter_ == b.parameter_;
    }

  private:
    std::uint32_t kind_ = 0;
    std::uint32_t parameter_ = 0;
};

}  // namespace Drawing
