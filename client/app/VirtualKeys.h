// Windows virtual-key numbers: the key codes Input registers and compares, whatever the platform.
#pragma once

namespace VirtualKey {

constexpr int kBack = 0x08;
constexpr int kTab = 0x09;
constexpr int kReturn = 0x0D;
constexpr int kShift = 0x10;
constexpr int kControl = 0x11;
constexpr int kMenu = 0x12;  // Alt
constexpr int kPause = 0x13;
constexpr int kCapital = 0x14;
constexpr int kEscape = 0x1B;
constexpr int kSpace = 0x20;
constexpr int kPrior = 0x21;
constexpr int kNext = 0x22;
constexpr int kEnd = 0x23;
constexpr int kHome = 0x24;
constexpr int kLeft = 0x25;
constexpr int kUp = 0x26;
constexpr int kRight = 0x27;
constexpr int kDown = 0x28;
constexpr int kInsert = 0x2D;
constexpr int kDelete = 0x2E;
constexpr int kNumpad0 = 0x60;
constexpr int kMultiply = 0x6A;
constexpr int kAdd = 0x6B;
constexpr int kSubtract = 0x6D;
constexpr int kDecimal = 0x6E;
constexpr int kDivide = 0x6F;
constexpr int kF1 = 0x70;
constexpr int kF2 = 0x71;
constexpr int kF12 = 0x7B;

// The key that types a letter or a digit: the upper-case letter or the digit itself. Other characters have
// no key of their own here (0).
constexpr int ForCharacter(char c) {
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 'A';
    }
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
        return c;
    }
    return 0;
}

}  // namespace VirtualKey
