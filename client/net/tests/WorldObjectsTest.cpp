// The world objects the server adds and removes: each object is reported to the world once, a remove that
// overtook its add keeps the late add from making an object already gone, a round start empties every list,
// and projectiles of an unknown kind are dropped.
#include <climits>
#include <functional>

#include "ClientNetworkFixture.h"

using namespace protocol;

namespace {

using Ids = std::vector<std::int32_t>;

// One kind of world object, driven through its add and remove messages.
struct ObjectKind {
    const char* name;
    std::function<void(ClientNetworkFixture&, std::int32_t)> add;
    std::function<void(ClientNetworkFixture&, std::int32_t)> remove;
    std::function<Ids(const ClientNetwork&)> inPlay;
    std::function<Ids(ClientNetwork&)> takeAdded;
    std::function<Ids(ClientNetwork&)> takeRemoved;
};

template <typename List, typename AddMessage, typename RemoveMessage>
ObjectKind Kind(const char* name, List ClientNetwork::*list, AddMessage (*add)(std::int32_t),
                RemoveMessage (*remove)(std::int32_t)) {
    return ObjectKind{
        name,
        [add](ClientNetworkFixture& f, std::int32_t id) { f.Receive(add(id)); },
        [remove](ClientNetworkFixture& f, std::int32_t id) { f.Receive(remove(id)); },
        [list](const ClientNetwork& n) {
            Ids ids;
            for (const auto& entry : (n.*list).Entries()) {
                ids.push_back(List::IdOf(entry));
            }
            return ids;
        },
        [list](ClientNetwork& n) {
            Ids ids;
            for (const auto& entry : (n.*list).added.Take()) {
                ids.push_back(List::IdOf(entry));
            }
            return ids;
        },
        [list](ClientNetwork& n) { return (n.*list).removed.Take(); },
    };
}

const RakNet::RakNetGUID kOwner{0x0000000000000A11ull};

std::vector<ObjectKind> AllKinds() {
    return {
        Kind(
            "shuriken", &ClientNetwork::shurikens,
            +[](std::int32_t id) {
                return ShurikenAddMessage{{0, 1, 0}, {1, 0, 0}, id, kOwner, 20.0f, false};
            },
            +[](std::int32_t id) { return ShurikenRemoveMessage{id}; }),
        Kind(
            "projectile", &ClientNetwork::projectiles,
            +[](std::int32_t id) {
                return ProjectileAddMessage{{0, 1, 0}, {1, 0, 0}, 2, id, kOwner, 30.0f};
            },
            +[](std::int32_t id) { return ProjectileRemoveMessage{id}; }),
        Kind(
            "smoke bomb", &ClientNetwork::smokeBombs,
            +[](std::int32_t id) {
                return SmokeBombAddMessage{id, {0, 0}, {3, 3}, 8.0f};
            },
            +[](std::int32_t id) { return SmokeBombRemoveMessage{id}; }),
        Kind(
            "caltrops", &ClientNetwork::spikeTraps,
            +[](std::int32_t id) {
                return SpikeTrapAddMessage{id, {0, 0}, {2, 2}, 10.0f, kOwner, 2};
            },
            +[](std::int32_t id) { return SpikeTrapRemoveMessage{id}; }),
        Kind(
            "sticky trap", &ClientNetwork::stickyTraps,
            +[](std::int32_t id) {
                return StickyTrapAddMessage{id, {0, 0}, {1, 1}, 10.0f, kOwner};
            },
            +[](std::int32_t id) { return StickyTrapRemoveMessage{id}; }),
        Kind(
            "fan", &ClientNetwork::fans,
            +[](std::int32_t id) {
                return FanAddMessage{{0, 1, 0}, {0, 0, 1}, id, kOwner, 15.0f};
            },
            +[](std::int32_t id) { return FanRemoveMessage{id}; }),
    };
}

}  // namespace

using ClientWorldObjects = ClientNetworkFixture;

TEST_F(ClientWorldObjects, EachObjectIsReportedOnceAndALateAddDoesNotBringBackARemovedOne) {
    for (const ObjectKind& kind : AllKinds()) {
        SCOPED_TRACE(kind.name);
        kind.add(*this, 5);
        EXPECT_EQ(kind.takeAdded(network), (Ids{5}));

        // The list changes; the object already reported is not reported again, even when its add comes twice.
        kind.add(*this, 6);
        kind.add(*this, 5);
        EXPECT_EQ(kind.takeAdded(network), (Ids{6}));
        EXPECT_EQ(kind.inPlay(network), (Ids{5, 6}));

        kind.remove(*this, 6);
        EXPECT_EQ(kind.takeRemoved(network), (Ids{6}));

        // The remove overtook the add: the object is gone before it was made.
        kind.remove(*this, 7);
        kind.add(*this, 7);
        EXPECT_TRUE(kind.takeAdded(network).empty());
        EXPECT_TRUE(kind.takeRemoved(network).empty());
        EXPECT_EQ(kind.inPlay(network), (Ids{5}));

        // The server draws ids again once their objects are gone: a removed id can come back as a new object.
        kind.add(*this, 6);
        EXPECT_EQ(kind.takeAdded(network), (Ids{6}));

        // A remove whose add never comes stops waiting for it.
        kind.remove(*this, 8);
        network.Update(decltype(network.fans)::kEarlyRemoveSeconds + 1.0);
        kind.add(*this, 8);
        EXPECT_EQ(kind.takeAdded(network), (Ids{8}));

        // A round start forgets the removes still waiting.
        kind.remove(*this, 9);
        Receive(RoundStartedMessage{});
        kind.add(*this, 9);
        EXPECT_EQ(kind.takeAdded(network), (Ids{9}));
    }
}

// The server drops its lists at a round start without removing the objects one by one.
TEST_F(ClientWorldObjects, ARoundStartEmptiesEveryListAndDropsWhatTheWorldHasNotTaken) {
    const std::vector<ObjectKind> kinds = AllKinds();
    for (const ObjectKind& kind : kinds) {
        kind.add(*this, 3);
    }
    Receive(VolleyAddMessage{3, {0, 0}, {5, 5}, kOwner});
    Receive(FlashBangMessage{{0, 0}, {4, 4}});
    Receive(RoundStartedMessage{});
    for (const ObjectKind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        EXPECT_TRUE(kind.inPlay(network).empty());
        EXPECT_TRUE(kind.takeAdded(network).empty());
    }
    EXPECT_TRUE(network.events.volleys.Empty());
    EXPECT_TRUE(network.events.flashBangs.Empty());

    // What comes after the round start in the same frame belongs to the new round.
    peer.Deliver(RoundStartedMessage{}, kServerGuid);
    peer.Deliver(ProjectileAddMessage{{0, 1, 0}, {1, 0, 0}, 0, 4, kOwner, 40.0f}, kServerGuid);
    network.Update(0.0);
    EXPECT_EQ(network.projectiles.Entries().size(), 1u);
    EXPECT_EQ(network.projectiles.added.Size(), 1u);
}

// The world has a model, a speed and a lifetime for the shuriken, the mega shuriken and the kunai only.
TEST_F(ClientWorldObjects, ProjectilesOfAnUnknownKindAreDropped) {
    const struct {
        std::int32_t kind;
        bool kept;
    } cases[] = {{0, true},   {1, true},        {2, true},       {3, false},
                 {-1, false}, {INT_MAX, false}, {INT_MIN, false}};
    const std::string dropped = "Dropped a malformed message " + std::to_string(ID_PROJECTILE_ADD) + ".";
    std::int32_t id = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        log.clear();
        Receive(ProjectileAddMessage{{0, 1, 0}, {1, 0, 0}, c.kind, ++id, kOwner, 30.0f});
        EXPECT_EQ(network.projectiles.Find(id) != nullptr, c.kept);
        EXPECT_EQ(network.projectiles.added.Take().size(), c.kept ? 1u : 0u);
        EXPECT_EQ(Logged(dropped), !c.kept);
    }
}
