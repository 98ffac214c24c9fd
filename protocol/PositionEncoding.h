// The compressed numbers of ID_POSITION_UPDATE. A value v is split with frexp into m × 2^e
// (0.5 <= |m| < 1, or m = 0 for v = 0); the mantissa field is m times a scale, computed in single precision
// and truncated toward zero, and e travels as a signed byte. Positions use scale 10000 and a 16-bit mantissa
// (about four significant digits), directions scale 100 and an 8-bit mantissa (about two).
//
// Values the fields cannot hold: NaN and infinities pack as zero; an exponent above 127 (|v| >= 2^127) is
// clamped to 127, saturating the magnitude; an exponent below -128 (|v| < 2^-129) packs as zero. Unpacking
// saturates at the largest float, since a peer may send a mantissa beyond the scale together with exponent
// 127.
#pragma once

#include <cstdint>

namespace protocol {

struct PackedPosition {
    std::int16_t mantissa = 0;
    std::int8_t exponent = 0;
    friend bool operator==(const PackedPosition&, const PackedPosition&) = default;
};

struct PackedDirection {
    std::int8_t mantissa = 0;
    std::int8_t exponent = 0;
    friend bool operator==(const PackedDirection&, const PackedDirection&) = default;
};

PackedPosition PackPosition(float value);
float UnpackPosition(PackedPosition packed);

PackedDirection PackDirection(float value);
float UnpackDirection(PackedDirection packed);

}  // namespace protocol
