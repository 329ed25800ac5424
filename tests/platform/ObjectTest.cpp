#include <gtest/gtest.h>

#include <vector>

#include "platform/Log.h"
#include "platform/SmartPtr.h"
#include "platform/Vector.h"
#include "tests/support/LogCapture.h"

namespace {

// Counts live instances so every test can check nothing leaked or died twice.
struct Tracked : Core::Object {
    static inline int live = 0;
    explicit Tracked(int v = 0) : value(v) { ++live; }
    Tracked(const Tracked& other) : Core::Object(other), value(other.value) { ++live; }
    ~Tracked() override { --live; }
    int value;
};

struct Derived : Tracked {};

TEST(SmartPtr, CountsReferencesThroughCopiesMovesAndAssignments) {
    {
        Core::SmartPtr<Tracked> a(new Tracked(5));
        EXPECT_EQ(a->getRefCount(), 1);
        Core::SmartPtr<Tracked> b = a;
        EXPECT_EQ(a->getRefCount(), 2);
        EXPECT_TRUE(a == b);
        Core::SmartPtr<Tracked> c = std::move(b);
        EXPECT_FALSE(b);  // NOLINT(bugprone-use-after-move)
        EXPECT_EQ(a->getRefCount(), 2);
        auto& alias = c;
        c = alias;  // self-assignment keeps the object alive
        EXPECT_EQ(a->getRefCount(), 2);
        c = std::move(alias);
        EXPECT_EQ(c->value, 5);
        c = new Tracked(5);  // reassignment releases the old reference
        EXPECT_EQ(a->getRefCount(), 1);
        EXPECT_FALSE(a == c);  // identity, not value
        EXPECT_EQ(Tracked::live, 2);
        Core::SmartPtr<Tracked> fromDerived = Core::SmartPtr<Derived>(new Derived);
        EXPECT_EQ(fromDerived->getRefCount(), 1);
        EXPECT_EQ(Tracked::live, 3);
        auto& same = fromDerived;
        fromDerived = same;  // the only reference: must not be released first
        EXPECT_EQ(fromDerived->getRefCount(), 1);
        fromDerived = nullptr;
        EXPECT_EQ(Tracked::live, 2);
    }
    EXPECT_EQ(Tracked::live, 0);
}

TEST(SmartPtr, DereferencingEmptyRaisesWithItsLocationAfterLogging) {
    Core::SmartPtr<Tracked> empty;
    test_support::expectRaisedAt<Core::NullPointerException>([&] { (void)empty->value; },
                                                             "SmartPtr", 118);
    test_support::expectRaisedAt<Core::NullPointerException>([&] { (void)(*empty).value; },
                                                             "SmartPtr", 124);
}

TEST(Log, HandlerCapturesAndRestores) {
    std::vector<Core::String> first;
    auto previous = Core::Log::setHandler([&](Core::Log::Level level, const Core::String& text) {
        if (level == Core::Log::Level::Warning)
            first.push_back(text);
    });
    EXPECT_FALSE(previous);  // the default destination is no handler
    Core::Log::warning(L"one");
    Core::Log::error(L"ignored by this handler");
    EXPECT_TRUE(Core::Log::setHandler(nullptr));
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0], L"one");
}

TEST(Vector, GrowsCopiesComparesAndDestroysElementsExactlyOnce) {
    {
        Core::Vector<Core::SmartPtr<Tracked>> list;
        EXPECT_TRUE(list.empty());
        for (int i = 0; i < 100; ++i)
            list.push_back(Core::SmartPtr<Tracked>(new Tracked(i)));
        list.push_back(list[0]);  // an element of itself, across a reallocation
        EXPECT_EQ(list.size(), 101);
        EXPECT_EQ(list[0]->getRefCount(), 2);
        Core::Vector<Core::SmartPtr<Tracked>> copy = list;
        EXPECT_EQ(list[5]->getRefCount(), 2);
        EXPECT_TRUE(copy == list);
        copy.pop_back();
        EXPECT_FALSE(copy == list);
        copy.push_back(list[1]);
        EXPECT_FALSE(copy == list);  // elementwise
        auto& same = copy;
        copy = same;
        copy.clear();
        EXPECT_EQ(list[5]->getRefCount(), 1);
        Core::Vector<Core::SmartPtr<Tracked>> moved = std::move(list);
        moved.reserve(512);
        EXPECT_GE(moved.capacity(), 512);
        int sum = 0;
        for (const auto& p : moved)
            sum += p->value;
        EXPECT_EQ(sum, 4950);
        EXPECT_EQ(Tracked::live, 100);
    }
    EXPECT_EQ(Tracked::live, 0);
}

}  // namespace
