/// @file
/// The scalar attributes: integers, numbers, strings, addresses and image
/// filters, which need no value class beyond Url.
#pragma once

#include "platform/Export.h"

#include "css/attributes/XmlAttribute.h"
#include "platform/ImageFilter.h"
#include "platform/String.h"

namespace Xml {

/// An address such as an image or link target, held without "url(...)".
class XMLATTR_API Url {
  public:
    /// The empty address.
    Url() = default;
    /// The address url, taken as it stands.
    Url(const Core::String& url) : url_(url) {}  // NOLINT(google-explicit-constructor)

    /// The address.
    const Core::String& getUrl() const { return url_; }
    /// Same address, unit for unit.
    bool operator==(const Url& other) const { return url_.compare(other.url_) == 0; }

    /// The url(...) rule: a text of more than three characters beginning with
    /// "url" is a functional address whose quotes and blanks are dropped; any
    /// other text is the address as it stands. False only for a functional
    /// address without a usable "(".
    static bool parseUrl(Url& target, const Core::String& text);

  private:
    Core::String url_;
};

/// Integer attributes.
template <>
struct XMLATTR_API AttributeTraits<int> {
    /// The whole text as a decimal integer (Core::Format::parseInt).
    static bool parse(int& value, const Core::String& text);
    /// The integer in decimal.
    static Core::String format(const int& value);
};

/// Number attributes.
template <>
struct XMLATTR_API AttributeTraits<float> {
    /// The whole text as a decimal number (Core::Format::parseFloat).
    static bool parse(float& value, const Core::String& text);
    /// The shortest decimal text that reads back to the number.
    static Core::String format(const float& value);
};

/// Text attributes: the text is the value.
template <>
struct XMLATTR_API AttributeTraits<Core::String> {
    /// Takes the text as it stands; always true.
    static bool parse(Core::String& value, const Core::String& text);
    /// The text as it stands.
    static Core::String format(const Core::String& value);
};

/// Address attributes.
template <>
struct XMLATTR_API AttributeTraits<Url> {
    /// Url::parseUrl.
    static bool parse(Url& value, const Core::String& text) { return Url::parseUrl(value, text); }
    /// The address inside "url(" and ")".
    static Core::String format(const Url& value);
};

/// Image-filter attributes.
template <>
struct XMLATTR_API AttributeTraits<Drawing::ImageFilter> {
    /// Drawing::ImageFilter::parseFilter.
    static bool parse(Drawing::ImageFilter& value, const Core::String& text);
    /// "kind:parameter" (Drawing::ImageFilter::toString).
    static Core::String format(const Drawing::ImageFilter& value);
};

extern template class TXmlAttribute<int>;
extern template class TXmlAttribute<float>;
extern template class TXmlAttribute<Core::String>;
extern template class TXmlAttribute<Url>;
extern template class TXmlAttribute<Drawing::ImageFilter>;

}  // namespace Xml
