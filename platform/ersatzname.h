// The names of what a replacement leaves beside its target, for both implementations of the
// platform.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The new file of a replacement while it is written, beside the target:
// "<target>.~<p>-<n>.tmp", p the writing process's number and n a count, both hexadecimal.
std::string Ersatzname(const std::string& ziel, std::uint32_t prozess, std::uint32_t nummer);
// When `name` is such a file of the target named `zielname` (letters in any case), the number
// of the process that wrote it: what a writer that did not finish leaves behind.
std::optional<std::uint32_t> Ersatzname_prozess(const std::string& name,
                                                const std::string& zielname);
