// One engine operation as the null back end records it: the operation's name, the resource handle it took or
// handed out, its numeric arguments in order (a matrix as its 16 floats, a bool as 0 or 1, a colour as its
// four bytes red, green, blue, alpha) and its text argument (a file path).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Lumaspace {

struct RecordedCall {
    std::string operation;
    std::uint32_t handle = 0;
    std::vector<float> values;
    std::string text;
};

}  // namespace Lumaspace
