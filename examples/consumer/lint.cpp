// The lint engine from an engine's point of view: why does the font size of
// an author's block read as 11px? Exits through checkLint's count.
#include <cstdio>
#include <string>
#include <string_view>

#include "tools/lint/Lint.h"

int checkLint() {
    namespace lint = xmlattr::lint;
    int failures = 0;
    const auto finding = lint::judge(lint::Vocabulary::Fo, "block", "font-size", "11ptt");
    if (!finding || finding->kind != lint::Kind::UnknownUnit || finding->readsAs != "11px") {
        std::printf("unexpected: font-size=\"11ptt\" is not an unknown unit read as 11px\n");
        ++failures;
    } else {
        std::printf("%s [%s]\n", finding->message.c_str(),
                    std::string(lint::ruleOf(finding->kind).name).c_str());
    }
    const std::string_view document =
        "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect width=\"10\" x=\"1 2\"/></svg>";
    const lint::Report report = lint::lintDocument(document);
    if (lint::xmlReaderAvailable() &&
        (report.findings.size() != 1 || report.findings[0].range.start.column != 61)) {
        std::printf("unexpected: one finding at column 61 in the document\n");
        ++failures;
    }
    return failures;
}
