#include "client/world/NinjaKind.h"

#include <array>

namespace {

constexpr std::array<NinjaKind, 3> kKinds = {{
    {0, "KatanaNinja", "../Ombrin/Models/Ninja1Shape.ZMD", 10.0f},
    {1, "TessenNinja", "../Ombrin/Models/Ninja2Shape.ZMD", 11.0f},
    {2, "NaginataNinja", "../Ombrin/Models/Ninja3Shape.ZMD", 10.5f},
}};

}  // namespace

const NinjaKind* FindNinjaKind(std::int32_t character) {
    if (character < 0 || static_cast<std::size_t>(character) >= kKinds.size() ||
        !AbilitiesOfNinja(character)) {
        return nullptr;
    }
    return &kKinds[static_cast<std::size_t>(character)];
}
