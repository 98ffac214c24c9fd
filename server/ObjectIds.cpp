#include "server/ObjectIds.h"

namespace {

int ToIdRange(int number) {
    return ((number % kObjectIdRange) + kObjectIdRange) % kObjectIdRange;
}

}  // namespace

int DrawObjectId(const ObjectRandomSource& random, const std::function<bool(int)>& isTaken) {
    int id = ToIdRange(random());
    for (int draw = 1; draw < kMaxObjectIdDraws && isTaken(id); ++draw) {
        id = ToIdRange(random());
    }
    for (int step = 0; step < kObjectIdRange && isTaken(id); ++step) {
        id = (id + 1) % kObjectIdRange;
    }
    return id;
}
