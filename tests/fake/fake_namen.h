// Letter case as Windows maps it, for the fake: names compare without regard to case, and
// texts go to small letters, in ASCII, Latin-1 (ä and Ä are one name), Latin Extended-A,
// Greek and Cyrillic.
#pragma once

#include <string>

// A name as Windows compares it: every character in upper case (a stray byte that is no
// UTF-8 stays itself).
std::u32string Zeichenfolge(const std::string& s);
// The same as UTF-8, for keys.
std::string Schluessel_zu(const std::string& s);
// Every character in small letters (a stray byte stays itself).
std::string Klein(const std::string& s);
// Whether `name` matches `muster`: * stands for any run of characters (dots included), ? for
// exactly one.
bool Passt(const std::u32string& muster, const std::u32string& name);
