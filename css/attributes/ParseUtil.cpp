#include "css/attributes/ParseUtil.h"

namespace Xml {

namespace {

template <bool kSkipSpace>
bool skipWhile(const Core::String& text, int& pos) {
    const int start = pos;
    while (pos < text.length() && Core::String::isSpace(text[pos]) == kSkipSpace)
        ++pos;
    return pos > start;
}

}  // namespace

bool ParseUtil::skipWhiteSpace(const Core::String& text, int& pos) {
    return skipWhile<true>(text, pos);
}

bool ParseUtil::skipNonWhiteSpace(const Core::String& text, int& pos) {
    return skipWhile<false>(text, pos);
}

Core::String ParseUtil::extractWord(const Core::String& text, int& pos) {
    skipWhiteSpace(text, pos);
    const int start = pos;
    skipNonWhiteSpace(text, pos);
    return pos == start ? Core::String() : Core::String(text.c_str() + start, pos - start);
}

Core::String ParseUtil::extractWordOrFunction(const Core::String& text, int& pos) {
    skipWhiteSpace(text, pos);
    const int start = pos;
    const int length = text.length();
    while (pos < length && !Core::String::isSpace(text[pos]) && text[pos] != L'(')
        ++pos;
    if (pos < length && text[pos] == L'(') {
        ++pos;
        while (pos < length) {
            if (text[pos++] == L')')
                break;
        }
    }
    return pos == start ? Core::String() : Core::String(text.c_str() + start, pos - start);
}

}  // namespace Xml
