#pragma once
// Code page 932 as the platform the program was designed for defines it: the character each byte
// and each lead/trail byte pair of the program's Shift-JIS text stands for.
#include <cstdint>

// Stands for "no character": U+FFFF is a noncharacter, never found in text.
inline constexpr char16_t kNoCharacter = 0xFFFF;

constexpr bool isSjisLeadByte(unsigned b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
constexpr bool isSjisTrailByte(unsigned b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// The character of a single byte; kNoCharacter for a lead byte.
char16_t cp932CharacterOfByte(unsigned char b);
// The character of a lead byte followed by a trail byte; kNoCharacter when the pair is none (or the
// bytes are not a lead and a trail byte).
char16_t cp932CharacterOfPair(unsigned char lead, unsigned char trail);
