// UTF-8, read and written one character at a time. The program keeps its texts in UTF-8;
// a byte that starts no valid sequence (cut short, overlong, a surrogate, beyond U+10FFFF)
// stands for itself, kept apart from every real character as U+DC80..U+DCFF, and is written
// back as that byte. So every text comes back byte for byte, and changing its letter case
// keeps its length.
#pragma once

#include <cstddef>
#include <string>

inline constexpr char32_t Streubyte = 0xDC00;  // + the byte's value

// One character of a UTF-8 text, read at s[i]; i moves past it.
char32_t Zeichen_lesen(const std::string& s, std::size_t& i);
void Zeichen_anhaengen(std::string& s, char32_t c);
