/// @file
/// ParseUtil: cursor-based scanning shared by the list-shaped parsers
/// (transform lists, path data, point lists, view boxes, decoration lists).
///
/// Every routine reads the cursor pos, advances it in place, never moves it
/// backwards and never past the text's length.
#pragma once

#include "platform/Export.h"

#include "platform/String.h"

namespace Xml {

/// The scanning routines; every function is static.
struct XMLATTR_API ParseUtil {
    /// True when at least one white-space unit was passed over.
    static bool skipWhiteSpace(const Core::String& text, int& pos);
    /// True when at least one non-white-space unit was passed over.
    static bool skipNonWhiteSpace(const Core::String& text, int& pos);
    /// The next maximal run of non-white-space units; empty when there is none.
    static Core::String extractWord(const Core::String& text, int& pos);
    /// The next word, or the next "name(arguments)" including both parentheses
    /// (the first ")" closes it; a missing one takes the rest of the text).
    static Core::String extractWordOrFunction(const Core::String& text, int& pos);
};

}  // namespace Xml
