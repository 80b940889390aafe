#include "shell/LeafMarker.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <system_error>

namespace pralomen::shell {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = "Leaf";
constexpr std::string_view kSuffix = ".txt";

bool AllDigits(std::string_view s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int ScaledVersionNumber(std::string_view version)
{
    std::string digits;
    std::copy_if(version.begin(), version.end(), std::back_inserter(digits), [](char c) { return c != '.'; });
    if (!AllDigits(digits) || digits.size() > 4) return 999;
    int number = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
    constexpr int kScale[] = {0, 100, 10, 1, 1};
    return number * kScale[digits.size()];
}

std::string_view LeafDigits(std::string_view name)
{
    if (name.size() < kPrefix.size() + kSuffix.size() || !name.starts_with(kPrefix) || !name.ends_with(kSuffix))
        return {};
    return name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
}

// Markers are ASCII; any other name is passed over without a lossy conversion.
std::optional<std::string> AsciiFileName(const fs::path& path)
{
    const fs::path file = path.filename();
    std::string name;
    for (auto c : file.native()) {
        if (static_cast<unsigned long>(c) > 127) return std::nullopt;
        name.push_back(static_cast<char>(c));
    }
    return name;
}

} // namespace

std::string MakeLeafFileName(std::string_view version)
{
    std::string name(kPrefix);
    name += std::to_string(ScaledVersionNumber(version));
    name += kSuffix;
    return name;
}

bool MakeLeafFile(const fs::path& file)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << kLeafFileText << "\r\n";
    out.close();
    return static_cast<bool>(out);
}

bool IsLeafFileName(std::string_view name) { return AllDigits(LeafDigits(name)); }

std::optional<unsigned long long> LeafNumber(std::string_view name)
{
    std::string_view digits = LeafDigits(name);
    unsigned long long number = 0;
    if (!AllDigits(digits)) return std::nullopt;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (ec != std::errc()) return std::nullopt;
    return number;
}

std::vector<std::string> OtherLeafFiles(const fs::path& folder, std::string_view keep)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::optional<std::string> name = AsciiFileName(it->path());
        if (name && *name != keep && IsLeafFileName(*name) && it->is_regular_file(ec)) names.push_back(*name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void DeleteOldLeafFiles(const fs::path& folder, std::string_view keep)
{
    for (const std::string& name : OtherLeafFiles(folder, keep)) {
        std::error_code ec;
        fs::remove(folder / name, ec);
    }
}

} // namespace pralomen::shell
