#include "protocol/UnusedMessages.h"

#include "protocol/FieldCodec.h"

namespace protocol {

namespace {

constexpr auto kEntryFields = [](auto& io, auto& e) {
    return io(e.objectId) && io(e.valueA) && io(e.valueB);
};
constexpr auto k166Fields = [](auto& io, auto& m) {
    return detail::CountedList<std::int32_t>(io, m.entries, kEntryFields);
};
constexpr auto kSoundFields = [](auto& io, auto& m) { return io(m.sound) && io(m.position); };
constexpr auto k182Fields = [](auto& io, auto& m) { return io(m.value); };

}  // namespace

void Write(RakNet::BitStream& s, const Unused166Message& m) {
    detail::WriteMessage(s, m, k166Fields);
}
void Write(RakNet::BitStream& s, const Unused179Message& m) {
    detail::WriteMessage(s, m, kSoundFields);
}
void Write(RakNet::BitStream& s, const Unused180Message& m) {
    detail::WriteMessage(s, m, kSoundFields);
}
void Write(RakNet::BitStream& s, const Unused182Message& m) {
    detail::WriteMessage(s, m, k182Fields);
}

bool Read(RakNet::BitStream& s, Unused166Message& m) {
    return detail::ReadMessage(s, m, k166Fields);
}
bool Read(RakNet::BitStream& s, Unused179Message& m) {
    return detail::ReadMessage(s, m, kSoundFields);
}
bool Read(RakNet::BitStream& s, Unused180Message& m) {
    return detail::ReadMessage(s, m, kSoundFields);
}
bool Read(RakNet::BitStream& s, Unused182Message& m) {
    return detail::ReadMessage(s, m, k182Fields);
}

}  // namespace protocol
