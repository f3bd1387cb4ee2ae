#include "text/code_page_932.h"

namespace {
#include "text/cp932_table.inc"

constexpr unsigned leadIndex(unsigned lead) { return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 0x1F; }
constexpr unsigned trailIndex(unsigned trail) { return trail <= 0x7E ? trail - 0x40 : trail - 0x41; }
}  // namespace

char16_t cp932CharacterOfByte(unsigned char b) { return kCp932SingleBytes[b]; }

char16_t cp932CharacterOfPair(unsigned char lead, unsigned char trail)
{
    if (!isSjisLeadByte(lead) || !isSjisTrailByte(trail))
        return kNoCharacter;
    const char16_t c = kCp932Pairs[leadIndex(lead)][trailIndex(trail)];
    return c == 0 ? kNoCharacter : c;
}
