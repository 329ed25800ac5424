/// @file
/// Drawing::LanguageId and Drawing::CountryId: the language and country
/// identifiers the rest of the engine reads, plain signed 32-bit integers.
///
/// Languages are numbered 1 to 139 (41 is unused); countries 0 (none), 1 (US),
/// 2 (GB) and 3 (AU). css/language/Language.h holds the tags that give them.
#pragma once

#include <cstdint>

namespace Drawing {

using LanguageId = std::int32_t;  ///< a language, 1 to 139
using CountryId = std::int32_t;   ///< a country, 0 for none

}  // namespace Drawing
