// Attributes are used on many threads at once, each thread with its own
// attributes; the default constants are the only shared objects, and their
// colours are shared by reference. This test is meant for ThreadSanitizer
// (the "threads" preset), where any race in the reference counts, the Core
// services or the defaults is a report; in other builds it checks results.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "css/XmlAttributes.h"

namespace {

// One worker's round: copies of shared colours, parses, copies and writes of
// attributes of its own.
int workerRound(int seed) {
    int agreements = 0;
    Xml::TXmlAttribute<Xml::SmartPtr<Drawing::Color>> border(Xml::DefaultBorderColor);
    Xml::TXmlAttribute<Xml::SmartPtr<Drawing::Color>> fill(Xml::DefaultFillColor);
    border = Xml::DefaultBorderColor;
    agreements += border == Xml::DefaultBorderColor.getValue();
    agreements += fill.parseValue(seed % 2 ? L"#ff8800" : L"yellowgreen");
    Xml::TXmlAttribute<Xml::SmartPtr<Drawing::Color>> copy(fill);
    agreements += copy.getValueAsString() == fill.getValueAsString();

    Xml::TXmlAttribute<Xml::Length> length(Xml::DefaultLength);
    agreements += length.parseValue(seed % 3 ? L"12.5pt" : L"3mm");
    agreements += !length.getValueAsString().empty();

    Xml::TXmlAttribute<Xml::FontWeight> weight(Xml::DefaultFontWeight);
    agreements += weight.parseValue(L"bold") && weight.getValueAsString() == L"bold";

    Xml::TXmlAttribute<Core::Vector<Xml::PathDataCommand>> path(Xml::DefaultPathData);
    agreements += path.parseValue(L"M 10 20 c1,2 3,4 5,6 z") && path->size() == 3;

    Xml::TXmlAttribute<Xml::Language> language(Xml::DefaultLanguage);
    agreements += language.parseValue(seed % 2 ? L"de" : L"en");
    return agreements;
}

// Readers of the defaults only: their values, and texts of copies.
int readerRound() {
    int agreements = 0;
    agreements += Xml::DefaultBorderColor.getValue() == Xml::DefaultBorderColor.getValue();
    agreements += Xml::DefaultLength.getValue() == Xml::DefaultLength.getValue();
    Xml::TXmlAttribute<Xml::FontWeight> weight(Xml::DefaultFontWeight);
    agreements += weight.getValueAsString() == L"normal";
    agreements += Xml::DefaultPathData->empty();
    return agreements;
}

TEST(SharedDefaults, ThreadsParseCopyAndWriteWhileOthersReadTheDefaults) {
    constexpr int kWorkers = 4;
    constexpr int kReaders = 2;
    constexpr int kRounds = 300;
    std::atomic<int> workerAgreements{0};
    std::atomic<int> readerAgreements{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kWorkers; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round)
                workerAgreements += workerRound(t + round);
        });
    }
    for (int t = 0; t < kReaders; ++t) {
        threads.emplace_back([&] {
            for (int round = 0; round < kRounds; ++round)
                readerAgreements += readerRound();
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(workerAgreements.load(), kWorkers * kRounds * 8);
    EXPECT_EQ(readerAgreements.load(), kReaders * kRounds * 4);
}

}  // namespace
