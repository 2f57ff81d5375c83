// The names of what a replacement leaves beside its target, and which of them a later writer
// may remove, for both implementations of the platform.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The new file of a replacement while it is written, beside the target:
// "<target>.~<p>-<n>@<computer>.tmp", p the writing process's number and n a count, both
// hexadecimal, and the name of the computer it runs on. Several computers write to one share:
// with the computer's name the names are unique among all of them, and a writer can tell its
// own computer's files.
std::string Ersatzname(const std::string& ziel, std::uint32_t prozess, std::uint32_t nummer,
                       const std::string& computer);
// The old file while the new one takes its place: the same, ending in ".bak".
std::string Sicherungsname(const std::string& ziel, std::uint32_t prozess, std::uint32_t nummer,
                           const std::string& computer);

// A writer takes under a second from its new file's first byte to its place; what a crashed
// one left is older than this, in seconds.
inline constexpr std::int64_t Rest_nach_sekunden = 3600;

// Whether the file `name` beside the target named `zielname` (letters in any case) is a new
// file that a writer left behind and that may go now: one written more than an hour ago, or one
// that a process of this computer (`computer`) wrote which no longer runs (`laeuft`). Its age,
// `alter`, in seconds, counts by the clock of the file system that dated it, against the time
// it dated this write's own new file: on a share, both by its server's clock, whatever the
// clocks of the computers that write there say. A young file of another computer, or of the
// form without a computer's name that earlier versions wrote, may belong to a writer that is
// about to put it in place: it stays, and so does one dated after this write's new file. A
// backup never goes: after a failure it may hold the only old content.
bool Rest_entfernbar(const std::string& name, const std::string& zielname,
                     const std::string& computer, std::int64_t alter,
                     const std::function<bool(std::uint32_t)>& laeuft);
