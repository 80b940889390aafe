// The settings file reader on any bytes. Whatever it read, writing the settings and reading them
// back must give the same file again: the program never loses a setting it once accepted.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/FuzzFolder.h"
#include "shell/RngFile.h"

using namespace pralomen;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const auto& folder = fuzz::ScratchFolder();
    fuzz::WriteScratchFile(folder / shell::kRngFileName, {reinterpret_cast<const char*>(bytes), size});
    shell::WindowSettings window;
    PralomenOptions options;
    shell::ReadRngFile(folder, window, options);
    const auto written = shell::RngLines(window, options);

    if (shell::WriteRngFile(folder, window, options)) std::abort();
    shell::WindowSettings window2;
    PralomenOptions options2;
    if (!shell::ReadRngFile(folder, window2, options2).empty()) std::abort();
    if (shell::RngLines(window2, options2) != written) std::abort();
    return 0;
}
