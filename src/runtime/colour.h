// Colours as the program writes them: 0x00BBGGRR for an RGB colour, or 0x80000000 plus a
// system colour index, which each back end resolves to the platform's own colour.
#pragma once

#include <cstdint>

namespace quantaro {

using Colour = std::uint32_t;

namespace colours {
inline constexpr Colour black = 0x00000000;
inline constexpr Colour red = 0x000000FF;
inline constexpr Colour yellow = 0x0000FFFF;
inline constexpr Colour grey = 0x00808080;
inline constexpr Colour white = 0x00FFFFFF;
inline constexpr Colour buttonFace = 0x8000000F;
inline constexpr Colour buttonText = 0x80000012;
inline constexpr Colour windowBackground = 0x80000005;
inline constexpr Colour windowText = 0x80000008;
inline constexpr Colour highlight = 0x8000000D;
inline constexpr Colour highlightText = 0x8000000E;
inline constexpr Colour buttonShadow = 0x80000010;
inline constexpr Colour buttonHighlight = 0x80000014;
}  // namespace colours

constexpr bool isSystemColour(Colour c) {
    return (c & 0x80000000u) != 0;
}
constexpr int systemColourIndex(Colour c) {
    return static_cast<int>(c & 0xFFu);
}
constexpr int redOf(Colour c) {
    return static_cast<int>(c & 0xFFu);
}
constexpr int greenOf(Colour c) {
    return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int blueOf(Colour c) {
    return static_cast<int>((c >> 16) & 0xFFu);
}

}  // namespace quantaro
