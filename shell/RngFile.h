// The settings file "Pralomen.rng": one "key,value" line for each of 36 settings, read once at
// start-up over the start-up values and written once when the main window closes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Options.h"
#include "shell/WindowSettings.h"

namespace pralomen::shell {

inline constexpr std::string_view kRngFileName = "Pralomen.rng";

// The value of the first line that splits into exactly the two fields key and value; empty if none.
std::u16string GetRngInfo(const std::vector<std::u16string>& list, std::u16string_view key);

// Reads sysFolder/Pralomen.rng over the values already in window and options; a missing file
// changes nothing. Returns the messages for the user: one for each integer value that is not a
// number, whose setting keeps its value while the other keys are still read.
std::vector<std::u16string> ReadRngFile(const std::filesystem::path& sysFolder, WindowSettings& window,
                                        PralomenOptions& options);

// The 36 lines as written, without line ends. The geometry members of window must hold the
// window's geometry at the moment of writing.
std::vector<std::string> RngLines(WindowSettings window, PralomenOptions options);

// Replaces sysFolder/Pralomen.rng with RngLines, each ended by CR LF, so that a failure never
// leaves a part of a file. Returns the message for the user when the file could not be written.
std::optional<std::u16string> WriteRngFile(const std::filesystem::path& sysFolder, const WindowSettings& window,
                                           const PralomenOptions& options);

} // namespace pralomen::shell
