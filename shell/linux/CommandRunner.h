// Running a helper program and taking what it prints.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pralomen::shell {

struct CommandResult {
    int ExitStatus = -1; // -1 when the program did not end normally
    std::string Output;  // its standard output
};

class CommandRunner {
public:
    virtual ~CommandRunner() = default;
    // Runs argv[0], found on PATH, with no shell in between; nothing when it could not be started.
    virtual std::optional<CommandResult> Run(const std::vector<std::string>& argv) = 0;
};

// Runs real processes, with standard input and error on /dev/null.
class ProcessRunner final : public CommandRunner {
public:
    std::optional<CommandResult> Run(const std::vector<std::string>& argv) override;
};

} // namespace pralomen::shell
