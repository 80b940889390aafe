// A private scratch folder for fuzzers whose code under test reads files, removed at exit.
#pragma once

#include <filesystem>
#include <string_view>

namespace pralomen::fuzz {

// The same folder for the whole run of one fuzzer process.
const std::filesystem::path& ScratchFolder();

// Replaces the file's content; the fuzzer stops if the scratch folder cannot be written, since
// every later run would then test nothing.
void WriteScratchFile(const std::filesystem::path& file, std::string_view bytes);

} // namespace pralomen::fuzz
