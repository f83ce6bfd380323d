#pragma once

#include "lang/Exception.h"

#include <map>
#include <string>
#include <vector>

namespace datatool {

/// A command line the tool cannot act on (unknown option, missing or extra argument, a value out
/// of range); the tool prints the message with the command's usage and exits with status 2.
class UsageError : public lang::Exception {
public:
    using Exception::Exception;
    ~UsageError() override;
};

class Arguments;

/// One command of the tool: its name, its usage, and the function that carries it out. Options
/// named in `options` each take one value ("--padding 4").
struct Command {
    const char* name;
    /// The arguments after the name, as the usage shows them ("FOLDER OUT.dat [--padding N]").
    const char* synopsis;
    /// One line for the tool's list of commands.
    const char* summary;
    /// The rest of `COMMAND --help`: what the command reads and writes, option defaults.
    const char* details;
    int minPositional;
    int maxPositional;
    std::vector<std::string> options;
    /// Does the work; raises `UsageError` for bad option values, other exceptions for failures.
    void (*run)(const Arguments& arguments);
};

/// The arguments of one command line, checked against the command's shape.
class Arguments {
public:
    /// Splits `words` into positionals and options; raises `UsageError` for an option the
    /// command does not take, an option without its value, or a positional count out of range.
    Arguments(const Command& command, const std::vector<std::string>& words);

    /// Positional argument `index` (0-based), or "" past the end.
    std::string positional(std::size_t index) const;
    /// How many positional arguments were given.
    std::size_t positionalCount() const { return m_positional.size(); }
    /// The value of `option`, or `fallback` when it was not given.
    std::string text(const std::string& option, const std::string& fallback) const;
    /// The value of `option` as an integer in [minimum, maximum], or `fallback` when it was not
    /// given; raises `UsageError` naming the option for anything else.
    int integer(const std::string& option, int fallback, int minimum, int maximum) const;
    /// Positional argument `index` read as an integer in [minimum, maximum]; `what` names it.
    int integerAt(std::size_t index, const char* what, int minimum, int maximum) const;

private:
    std::vector<std::string> m_positional;
    std::map<std::string, std::string> m_options;
};

/// The usage of `command`: "Usage: tumble-data NAME SYNOPSIS", the summary and the details.
std::string usageOf(const Command& command);

} // namespace datatool
