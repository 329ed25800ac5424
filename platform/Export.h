/// @file
/// XMLATTR_API marks what the library exports. A shared build hides every
/// other symbol; a static build needs no marks, and gets none on Windows.
#pragma once

#if defined(_WIN32) && defined(XMLATTR_SHARED)
#if defined(XMLATTR_BUILDING)
#define XMLATTR_API __declspec(dllexport)
#else
#define XMLATTR_API __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define XMLATTR_API __attribute__((visibility("default")))
#else
#define XMLATTR_API
#endif
