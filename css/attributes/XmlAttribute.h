/// @file
/// XmlAttribute and TXmlAttribute<T>: how the document model holds attributes.
///
/// Every attribute is a TXmlAttribute<T> holding one value of type T. What
/// differs per T (reading text, writing text, and for a few types equality) is
/// supplied by a specialisation of AttributeTraits<T>; everything else is here.
#pragma once

#include "platform/Export.h"

#include <utility>

#include "platform/SmartPtr.h"
#include "platform/String.h"

/// The attribute library: the attribute holders, the value types they hold,
/// their readers and writers, and the default values.
namespace Xml {

using Core::SmartPtr;

/// The three operations a loader uses on an attribute it holds generically.
/// There is no virtual destructor: attributes are created, copied and destroyed
/// through their concrete type, so the destructor is protected here.
class XMLATTR_API XmlAttribute {
  public:
    /// Reads text into the value; false when the text is refused (what the
    /// value is then depends on the type).
    virtual bool parseValue(const Core::String& text) = 0;  // slot 0
    /// Takes the value of other, an attribute of the same type.
    virtual void copyFrom(const XmlAttribute& other) = 0;  // slot 1
    /// The value as attribute text; empty for types without a text form.
    virtual Core::String getValueAsString() = 0;  // slot 2

  protected:
    /// For the concrete attributes only.
    ///@{
    constexpr XmlAttribute() = default;
    constexpr XmlAttribute(const XmlAttribute&) = default;
    XmlAttribute& operator=(const XmlAttribute&) = default;
    ~XmlAttribute() = default;
    ///@}
};

/// Per-type behaviour of TXmlAttribute<T>. A specialisation provides
/// @code
///     static bool parse(T& value, const Core::String& text);
///     static Core::String format(const T& value);
/// @endcode
/// and optionally
/// @code
///     static bool equal(const T& held, const T& other);
/// @endcode
/// where the attribute's equality is not T's own operator==.
template <class T>
struct AttributeTraits;

/// The shared writer of the many types that have no text form.
struct XMLATTR_API NoTextFormat {
    /// The empty text, whatever the value.
    template <class T>
    static Core::String format(const T&) {
        return Core::String();
    }
};

/// An attribute holding one value of type T, read and written by
/// AttributeTraits<T>.
template <class T>
class XMLATTR_API TXmlAttribute : public XmlAttribute {
  public:
    using value_type = T;  ///< the type of the value held

    /// Class types start from their default constructor; int, float and
    /// enumerations start from zero.
    constexpr TXmlAttribute() : value_{} {}
    /// An attribute holding a copy of value.
    constexpr TXmlAttribute(const T& value)
        : value_(value) {}  // NOLINT(google-explicit-constructor)
    /// An attribute holding a copy of other's value.
    TXmlAttribute(const TXmlAttribute& other) : XmlAttribute(), value_(other.value_) {}
    ~TXmlAttribute() = default;

    /// Replaces the value with a copy.
    ///@{
    TXmlAttribute& operator=(const T& value) {
        value_ = value;
        return *this;
    }
    TXmlAttribute& operator=(const TXmlAttribute& other) {
        value_ = other.value_;
        return *this;
    }
    void setValue(const T& value) { value_ = value; }
    ///@}

    /// The value held.
    ///@{
    const T& getValue() const { return value_; }
    operator const T&() const { return value_; }  // NOLINT(google-explicit-constructor)
    const T& operator*() const { return value_; }
    ///@}
    /// Access to the value's members.
    ///@{
    T* operator->() { return &value_; }
    const T* operator->() const { return &value_; }
    ///@}

    /// The value compared with value: by AttributeTraits<T>::equal where the
    /// traits give one, else by T's operator==.
    ///@{
    bool operator==(const T& value) const {
        if constexpr (requires { AttributeTraits<T>::equal(value_, value); }) {
            return AttributeTraits<T>::equal(value_, value);
        } else {
            return value_ == value;
        }
    }
    bool operator!=(const T& value) const { return !(*this == value); }
    ///@}

    /// AttributeTraits<T>::parse into the value.
    bool parseValue(const Core::String& text) override {
        return AttributeTraits<T>::parse(value_, text);
    }
    /// The caller guarantees that other holds the same T.
    void copyFrom(const XmlAttribute& other) override {
        value_ = static_cast<const TXmlAttribute&>(other).value_;
    }
    /// AttributeTraits<T>::format of the value.
    Core::String getValueAsString() override { return AttributeTraits<T>::format(value_); }

  private:
    T value_;
};

}  // namespace Xml
