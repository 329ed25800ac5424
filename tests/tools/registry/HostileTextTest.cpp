// Every attribute type the tool registers must survive any text: parsing never
// raises, and whatever a parse stores can be written back (but for a point in
// ex units, which has no pixel size).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Exception.h"
#include "platform/Log.h"
#include "tools/registry/TypeRegistry.h"

namespace {

std::vector<Core::String> hostileTexts() {
    std::vector<Core::String> texts;
    // clang-format off
    for (const wchar_t* t : {
        L"", L" ", L"\t\n", L"(", L")", L"()", L"((", L"))", L"#", L"##", L"%", L"%%", L"-", L"+",
        L".", L"..", L"e", L"E5", L"0", L"00", L"-0", L"1e", L"1e+", L"1e999999", L"-1e-999999",
        L"99999999999999999999", L"0x", L"url", L"url(", L"url()", L"rgb(", L"rgb(,,)", L"rgb-icc(",
        L"rgb-icc(,,,,)", L"cmyk(", L"spot-color(", L"spot-color(,", L"#fff", L"#ffff", L"#g",
        L"auto", L"none", L"inherit", L"1px", L"1%", L"50%%", L"pt", L"px", L"1 2 3 4", L"1,2,3,4",
        L",,,,", L"M", L"M 1", L"M1,2L", L"A1 1 0 1 1", L"z z", L"matrix(", L"matrix(1,2,3,4,5,6",
        L"rotate()", L"translate(,)", L"scale(1 2 3 4)", L"FIND_KEYWORD(", L"FIND_KEYWORD()",
        L"xMidYMid", L"xMidYMid slice extra", L"rect(", L"rect(1,2,3)", L"1ex 2", L"M 1ex 2 L 3 4",
        L"3/7/2026", L"2/29/2023", L"13/1/2026", L"en", L"en-US", L"x-", L"\u00e9\u4e2d\U0001F600",
        L"\xFFFF\xD800"}) {
        // clang-format on
        texts.emplace_back(t);
    }
    texts.emplace_back(L"a\0b", 3);  // an embedded NUL unit
    texts.emplace_back(std::wstring(5000, L'9').c_str());
    texts.emplace_back((std::wstring(2000, L'(') + L"1").c_str());
    // Deterministic random texts over an alphabet of the characters parsers react to.
    const std::wstring alphabet = L" \t,.;:+-%#()eExXpPtTcmMinslLzZhHvVaAqQrgbkyu0123456789/'\"";
    std::uint32_t state = 12345;
    for (int n = 0; n < 400; ++n) {
        std::wstring text;
        state = state * 1664525u + 1013904223u;
        const int length = static_cast<int>(state >> 27);
        for (int i = 0; i < length; ++i) {
            state = state * 1664525u + 1013904223u;
            text += alphabet[(state >> 16) % alphabet.size()];
        }
        texts.emplace_back(text.c_str());
    }
    return texts;
}

TEST(HostileText, EveryRegisteredTypeParsesAndFormatsWithoutRaising) {
    // Colour warnings are expected for malformed colour texts; keep them quiet.
    auto previous = Core::Log::setHandler([](Core::Log::Level, const Core::String&) {});
    const std::vector<Core::String> texts = hostileTexts();
    for (const xmlattr_tool::TypeEntry& type : xmlattr_tool::registeredTypes()) {
        for (const Core::String& text : texts) {
            try {
                const xmlattr_tool::Report report = type.run(text);
                // The one value parsing can store and writing cannot take: a
                // point in ex units has no pixel size.
                if (report.raisedFile != nullptr) {
                    EXPECT_EQ(type.name, "Vector<Point>");
                    EXPECT_STREQ(report.raisedFile, "LengthAttribute");
                    EXPECT_EQ(report.raisedLine, 302);
                }
            } catch (const Core::Exception& error) {
                ADD_FAILURE() << type.name << " raised " << error.what() << " at "
                              << error.getFile() << ':' << error.getLine() << " for text of length "
                              << text.length();
            }
        }
    }
    Core::Log::setHandler(previous);
}

}  // namespace
