#include "Command.h"

#include <algorithm>
#include <charconv>

namespace datatool {

UsageError::~UsageError() = default;

namespace {

/// `text` as a whole decimal integer in [minimum, maximum]; false for anything else.
bool parseInteger(const std::string& text, int minimum, int maximum, int& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end && value >= minimum && value <= maximum;
}

int checkedInteger(const std::string& text, const std::string& what, int minimum, int maximum) {
    int value = 0;
    if (!parseInteger(text, minimum, maximum, value))
        throw UsageError(lang::Format("{0} must be an integer from {1} to {2}, not \"{3}\"", what,
                                      std::to_string(minimum), std::to_string(maximum), text));
    return value;
}

} // namespace

Arguments::Arguments(const Command& command, const std::vector<std::string>& words) {
    for (std::size_t index = 0; index < words.size(); ++index) {
        const std::string& word = words[index];
        if (word.size() < 2 || word.compare(0, 2, "--") != 0) {
            m_positional.push_back(word);
            continue;
        }
        if (std::find(command.options.begin(), command.options.end(), word) == command.options.end())
            throw UsageError(lang::Format("{0} does not take the option {1}", command.name, word));
        if (index + 1 == words.size())
            throw UsageError(lang::Format("the option {0} needs a value", word));
        m_options[word] = words[++index];
    }
    const auto count = static_cast<int>(m_positional.size());
    if (count < command.minPositional || count > command.maxPositional)
        throw UsageError(
            lang::Format("{0} takes {1} arguments, not {2}", command.name,
                         command.minPositional == command.maxPositional
                             ? std::to_string(command.minPositional)
                             : std::to_string(command.minPositional) + " to " + std::to_string(command.maxPositional),
                         std::to_string(count)));
}

std::string Arguments::positional(std::size_t index) const {
    return index < m_positional.size() ? m_positional[index] : std::string();
}

std::string Arguments::text(const std::string& option, const std::string& fallback) const {
    const auto found = m_options.find(option);
    return found == m_options.end() ? fallback : found->second;
}

int Arguments::integer(const std::string& option, int fallback, int minimum, int maximum) const {
    const auto found = m_options.find(option);
    return found == m_options.end() ? fallback : checkedInteger(found->second, option, minimum, maximum);
}

int Arguments::integerAt(std::size_t index, const char* what, int minimum, int maximum) const {
    return checkedInteger(positional(index), what, minimum, maximum);
}

std::string usageOf(const Command& command) {
    return std::string("Usage: tumble-data ") + command.name + " " + command.synopsis + "\n\n" + command.summary +
           "\n\n" + command.details;
}

} // namespace datatool
