/// @file
/// Core::String: the wide-character string every attribute text travels in.
///
/// One wchar_t code unit per character index. Texts of up to kInlineCapacity
/// units live inside the object, so parsing a short attribute never touches the
/// heap; longer texts get one exactly sized block.
#pragma once

#include "platform/Export.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/Vector.h"

namespace Core {

/// A wide-character text with value semantics, always terminated by a 0 unit.
class XMLATTR_API String {
  public:
    static constexpr int kInlineCapacity = 23;  ///< units stored inline, terminator excluded

    /// The empty text.
    String() noexcept { inline_[0] = 0; }
    /// A copy of the 0-terminated text.
    String(const wchar_t* text);  // NOLINT(google-explicit-constructor): L"..." literals convert
    /// A copy of count units of text; a negative count gives the empty text.
    String(const wchar_t* text, int count);
    /// A copy of the units of text.
    explicit String(std::wstring_view text) : String(text.data(), static_cast<int>(text.size())) {}
    /// Each byte of narrow as one unit (Latin-1); see fromUtf8 for UTF-8.
    String(const std::string& narrow);  // NOLINT(google-explicit-constructor): widens byte by byte
    /// Copies and moves; a moved-from string is left empty.
    ///@{
    String(const String& other);
    String(String&& other) noexcept;
    ///@}
    ~String();

    /// Copies and moves; a moved-from string is left empty.
    ///@{
    String& operator=(const String& other);
    String& operator=(String&& other) noexcept;
    ///@}
    /// Replaces the content with a copy of the 0-terminated text, which may
    /// point into this string.
    String& operator=(const wchar_t* text);

    /// Appends text (or one unit); the text may be part of this string.
    ///@{
    String& operator+=(const String& text) { return append(text.data_, text.length_); }
    String& operator+=(const wchar_t* text);
    String& operator+=(wchar_t unit) { return append(&unit, 1); }
    String& append(const String& text) { return append(text.data_, text.length_); }
    String& append(const wchar_t* text, int count);
    ///@}

    /// The number of units, terminator excluded.
    int length() const noexcept { return length_; }
    /// True for the empty text.
    bool empty() const noexcept { return length_ == 0; }
    /// Unit index, 0 to length(); length() gives the terminating 0.
    wchar_t operator[](int index) const noexcept { return data_[index]; }
    /// The units with their terminating 0, valid until the string changes.
    ///@{
    const wchar_t* c_str() const noexcept { return data_; }
    operator const wchar_t*() const noexcept {
        return data_;
    }  // NOLINT(google-explicit-constructor)
    ///@}
    /// The units without the terminator, valid until the string changes.
    std::wstring_view view() const noexcept { return {data_, static_cast<std::size_t>(length_)}; }

    /// 0 exactly when equal; otherwise negative or positive in code-unit order.
    int compare(const String& text) const noexcept;
    /// Same, with ASCII letters folded to lower case.
    int compareNoCase(const String& text) const noexcept;
    /// True when the text begins with prefix, unit for unit.
    bool startsWith(const String& prefix) const noexcept;
    /// True when the text ends with suffix, unit for unit.
    bool endsIn(const String& suffix) const noexcept;

    /// First index at or after start where text occurs, or -1.
    ///@{
    int find(const String& text, int start = 0) const noexcept;
    int find(wchar_t unit, int start = 0) const noexcept;
    ///@}
    /// Units first..last, both included; empty when last == first - 1.
    String subString(int first, int last) const;
    /// Pieces between any of the separator units, in order; n separators give n + 1 pieces.
    Vector<String> split(const String& separators) const;

    String& trim();          ///< removes leading and trailing white space in place
    String toLower() const;  ///< copy with ASCII letters lower-cased

    /// White space: blank, tab, line feed, vertical tab, form feed, carriage return.
    static bool isSpace(wchar_t c) noexcept { return c == L' ' || (c >= L'\t' && c <= L'\r'); }
    /// The ASCII digits "0" to "9".
    static bool isDigit(wchar_t c) noexcept { return c >= L'0' && c <= L'9'; }
    /// "A" to "Z" lower-cased; every other unit unchanged.
    static wchar_t toLowerAscii(wchar_t c) noexcept {
        return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
    }

    /// UTF-8 in and out. Units are UTF-16: a code point beyond U+FFFF becomes
    /// a surrogate pair. Invalid UTF-8 (a stray or truncated sequence, an
    /// overlong form, an encoded surrogate) reads as U+FFFD, one for each
    /// maximal invalid part as Unicode recommends; replaced, when given,
    /// receives how many there were. toUtf8 writes a lone surrogate, or a unit
    /// beyond U+FFFF, as U+FFFD.
    ///@{
    static String fromUtf8(std::string_view text, int* replaced = nullptr);
    std::string toUtf8() const;
    ///@}

    /// A numbered message of the Core message table; unknown numbers give "".
    static String loadString(int id);

    /// Same units.
    ///@{
    friend bool operator==(const String& a, const String& b) noexcept {
        return a.view() == b.view();
    }
    friend bool operator==(const String& a, const wchar_t* b) noexcept {
        return a.view() == std::wstring_view(b);
    }
    ///@}

  private:
    bool isInline() const noexcept { return data_ == inline_; }
    void assign(const wchar_t* text, int count);
    void reserveExact(int capacity);  // keeps the current content

    wchar_t* data_ = inline_;
    int length_ = 0;
    int capacity_ = kInlineCapacity;
    wchar_t inline_[kInlineCapacity + 1];
};

}  // namespace Core
