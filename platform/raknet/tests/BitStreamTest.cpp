#include "raknet/BitStream.h"

#include <gtest/gtest.h>

TEST(BitStream, Placeholder) { SUCCEED(); }
