/// @file
/// Core::StringFormatStream: builds a text from a format with numbered
/// placeholders "{0}", "{1}" ... Each operator<< supplies the next argument.
///
/// Integers are written in decimal; float and double in the shortest decimal
/// text that reads back to the same value (12 gives "12", 0.1f gives "0.1").
#pragma once

#include "platform/Export.h"

#include "platform/String.h"
#include "platform/Vector.h"

namespace Core {

/// An argument list built with operator<<, each argument already in text form.
class XMLATTR_API VariantArray {
  public:
    /// Appends value as text (numbers by formatNumber).
    ///@{
    VariantArray& operator<<(int value);
    VariantArray& operator<<(float value);
    VariantArray& operator<<(double value);
    VariantArray& operator<<(const String& value);
    VariantArray& operator<<(const wchar_t* value) { return *this << String(value); }
    ///@}

    /// The number of arguments.
    int size() const { return items_.size(); }
    /// Argument i, 0 to size() - 1, as text.
    const String& operator[](int i) const { return items_[i]; }

  private:
    Vector<String> items_;
};

/// A format text and the arguments given so far.
class XMLATTR_API StringFormatStream {
  public:
    /// A stream over format, with no arguments yet.
    ///@{
    explicit StringFormatStream(const String& format) : format_(format) {}
    explicit StringFormatStream(const wchar_t* format) : format_(format) {}
    ///@}

    /// Supplies the next argument (numbers by formatNumber).
    ///@{
    StringFormatStream& operator<<(int value);
    StringFormatStream& operator<<(float value);
    StringFormatStream& operator<<(double value);
    StringFormatStream& operator<<(const String& value);
    StringFormatStream& operator<<(const wchar_t* value) { return *this << String(value); }
    ///@}
    /// Supplies each of values in turn as the next argument.
    StringFormatStream& operator<<(const VariantArray& values);

    /// The format with every placeholder replaced by its argument; a
    /// placeholder without an argument is left as written.
    String getString() const;

  private:
    static constexpr int kInlineArgs = 6;

    void add(String&& text);
    const String* argument(int index) const;

    String format_;
    String inline_[kInlineArgs];
    Vector<String> more_;
    int count_ = 0;
};

/// Shortest round-trip decimal texts, shared by the formatter and its users.
///@{
XMLATTR_API String formatNumber(int value);
XMLATTR_API String formatNumber(float value);
XMLATTR_API String formatNumber(double value);
///@}

}  // namespace Core
