#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

namespace lang {

/// A message with numbered placeholders {0} to {9} and up to 10 argument values.
///
/// Placeholders may carry a number specification after a comma: "{0,x}" hexadecimal,
/// "{0,d}" integer, "{0,000}" zero-padded width, "{0,#.##}" fixed decimals; without one a
/// number prints as "%g". A backslash makes the next character literal. Every error message
/// of the engine is made with this class. Malformed formats raise `lang::FormatException`.
class Format {
public:
    static constexpr int kMaxArguments = 10;

    /// One argument value: empty, a number (every arithmetic type) or a string.
    class Argument {
    public:
        enum class Kind { Empty, Number, String };

        Argument() = default;
        template <class T, std::enable_if_t<std::is_arithmetic_v<T>, int> = 0>
        Argument(T value) : m_kind(Kind::Number), m_number(static_cast<double>(value)) {}
        Argument(const char* text) : m_kind(Kind::String), m_string(text ? text : "") {}
        Argument(std::string text) : m_kind(Kind::String), m_string(std::move(text)) {}
        Argument(std::string_view text) : m_kind(Kind::String), m_string(text) {}

        Kind kind() const { return m_kind; }
        double number() const { return m_number; }
        const std::string& string() const { return m_string; }

        /// Appends this value formatted with the placeholder's specification.
        void appendTo(std::string& out, std::string_view specification) const;

    private:
        Kind m_kind = Kind::Empty;
        double m_number = 0.0;
        std::string m_string;
    };

    Format() = default;
    template <class... Args>
    explicit Format(std::string format, Args&&... args) : m_format(std::move(format)), m_count(sizeof...(Args)) {
        static_assert(sizeof...(Args) <= kMaxArguments, "a Format holds at most 10 arguments");
        int index = 0;
        ((m_arguments[index++] = Argument(std::forward<Args>(args))), ...);
    }

    /// The format text as given.
    const std::string& format() const { return m_format; }
    /// The number of arguments given (0 to 10).
    int count() const { return m_count; }
    /// Argument `index` (0-based); empty beyond the count.
    const Argument& argument(int index) const { return m_arguments[index]; }

    /// The formatted text. Throws `lang::FormatException` on a malformed placeholder.
    std::string toString() const;

    /// Formats into `buffer` of `size` bytes: writes at most size - 1 characters and a
    /// terminator, and returns the full formatted length plus one.
    int format(char* buffer, int size) const;

private:
    std::string m_format;
    int m_count = 0;
    Argument m_arguments[kMaxArguments];
};

} // namespace lang
