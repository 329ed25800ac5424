// The scalar attributes: integers, numbers, strings, addresses and image
// filters, which need no value class beyond Url.
#pragma once

#include "platform/Export.h"

#include "css/attributes/XmlAttribute.h"
#include "platform/ImageFilter.h"
#include "platform/String.h"

namespace Xml {

// An address such as an image or link target, held without "url(...)".
class XMLATTR_API Url {
  public:
    Url() = default;
    Url(const Core::String& url) : url_(url) {}  // NOLINT(google-explicit-constructor)

    const Core::String& getUrl() const { return url_; }
    bool operator==(const Url& other) const { return url_.compare(other.url_) == 0; }

    // The url(...) rule: a text of more than three characters beginning with
    // "url" is a functional address whose quotes and blanks are dropped; any
    // other text is the address as it stands. False only for a functional
    // address without a usable "(".
    static bool parseUrl(Url& target, const Core::String& text);

  private:
    Core::String url_;
};

template <>
struct XMLATTR_API AttributeTraits<int> {
    static bool parse(int& value, const Core::String& text);
    static Core::String format(const int& value);
};

template <>
struct XMLATTR_API AttributeTraits<float> {
    static bool parse(float& value, const Core::String& text);
    static Core::String format(const float& value);
};

template <>
struct XMLATTR_API AttributeTraits<Core::String> {
    static bool parse(Core::String& value, const Core::String& text);
    static Core::String format(const Core::String& value);
};

template <>
struct XMLATTR_API AttributeTraits<Url> {
    static bool parse(Url& value, const Core::String& text) { return Url::parseUrl(value, text); }
    static Core::String format(const Url& value);
};

template <>
struct XMLATTR_API AttributeTraits<Drawing::ImageFilter> {
    static bool parse(Drawing::ImageFilter& value, const Core::String& text);
    static Core::String format(const Drawing::ImageFilter& value);
};

extern template class TXmlAttribute<int>;
extern template class TXmlAttribute<float>;
extern template class TXmlAttribute<Core::String>;
extern template class TXmlAttribute<Url>;
extern template class TXmlAttribute<Drawing::ImageFilter>;

}  // namespace Xml
