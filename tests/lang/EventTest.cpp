#include "lang/Event.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace event = lang::event;
using LinkRef = lang::Ref<event::Link>;

namespace {

event::Event<void(int, const std::string&)> kNamed;
event::Event<void(int, const std::string&)> kOtherWithSameSignature;
event::Event<void()> kPlain;

TEST(Event, FiresInSubscriptionOrderWithArguments) {
    std::vector<std::string> calls;
    LinkRef first =
        event::subscribe(kNamed, [&](int n, const std::string& s) { calls.push_back("1:" + s + std::to_string(n)); });
    LinkRef second =
        event::subscribe(kNamed, [&](int n, const std::string& s) { calls.push_back("2:" + s + std::to_string(n)); });
    LinkRef other =
        event::subscribe(kOtherWithSameSignature, [&](int, const std::string&) { calls.push_back("other"); });
    event::fire(kNamed, 5, "x");
    EXPECT_EQ(calls, (std::vector<std::string>{"1:x5", "2:x5"}));

    first = nullptr;
    event::fire(kNamed, 6, "y");
    EXPECT_EQ(calls.back(), "2:y6");
    EXPECT_EQ(calls.size(), 3u);
}

TEST(Event, FiringWithoutSubscribersDoesNothing) {
    int calls = 0;
    LinkRef elsewhere = event::subscribe(kPlain, [&] { ++calls; }); // same signature, another event
    event::Event<void()> quiet;
    event::fire(quiet); // never subscribed
    LinkRef gone = event::subscribe(quiet, [&] { calls += 100; });
    gone = nullptr;
    event::fire(quiet); // its only subscriber dropped
    EXPECT_EQ(calls, 0);
}

TEST(Event, LinksDroppedDuringAFireAreNotCalledAgain) {
    std::vector<int> calls;
    LinkRef a, b, c;
    a = event::subscribe(kPlain, [&] {
        calls.push_back(1);
        a = nullptr; // drops itself while running
        c = nullptr; // and a later subscriber of the same fire
    });
    b = event::subscribe(kPlain, [&] { calls.push_back(2); });
    c = event::subscribe(kPlain, [&] { calls.push_back(3); });
    event::fire(kPlain);
    event::fire(kPlain);
    EXPECT_EQ(calls, (std::vector<int>{1, 2, 2}));
}

TEST(Event, SubscriptionsDuringAFireStartWithTheNextOne) {
    std::vector<int> calls;
    std::vector<LinkRef> links;
    links.push_back(event::subscribe(kPlain, [&] {
        calls.push_back(1);
        if (links.size() < 3) // grows the list while it is being walked
            links.push_back(event::subscribe(kPlain, [&] { calls.push_back(2); }));
    }));
    event::fire(kPlain);
    EXPECT_EQ(calls, (std::vector<int>{1}));
    event::fire(kPlain);
    EXPECT_EQ(calls, (std::vector<int>{1, 1, 2}));
}

TEST(Event, EmptyCallableRaisesAndTheChannelRecovers) {
    std::function<void()> empty;
    std::vector<int> calls;
    LinkRef good = event::subscribe(kPlain, [&] { calls.push_back(1); });
    LinkRef bad = event::subscribe(kPlain, empty);
    EXPECT_THROW(event::fire(kPlain), std::bad_function_call);
    bad = nullptr; // must leave the list: the aborted fire is over
    event::fire(kPlain);
    EXPECT_EQ(calls, (std::vector<int>{1, 1}));
}

TEST(Event, NestedFiresCallEverySubscriber) {
    int depth = 0, calls = 0;
    LinkRef link = event::subscribe(kPlain, [&] {
        ++calls;
        if (++depth < 3)
            event::fire(kPlain);
    });
    event::fire(kPlain);
    EXPECT_EQ(calls, 3);
}

TEST(Event, LinkMayOutliveItsEvent) {
    auto received = std::make_shared<float>(0.0f);
    LinkRef link;
    {
        event::Event<void(float)> scoped;
        link = event::subscribe(scoped, [received](float value) { *received = value; });
        event::fire(scoped, 1.5f);
    }
    EXPECT_EQ(*received, 1.5f);
    // The link keeps its callable after the event is gone; dropping it then touches no freed
    // channel (AddressSanitizer would see that) and releases the callable.
    EXPECT_EQ(received.use_count(), 2);
    link = nullptr;
    EXPECT_EQ(received.use_count(), 1);
}

} // namespace
