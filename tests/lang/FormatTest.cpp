#include "lang/Exception.h"
#include "lang/Format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using lang::Format;
using lang::FormatException;

namespace {

struct FormatCase {
    const char* name;
    Format format;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const FormatCase& c) { return out << c.name; }

class FormatCases : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatCases, FormatsAsExpected) { EXPECT_EQ(GetParam().format.toString(), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Placeholders, FormatCases,
    testing::Values(FormatCase{"strings_and_numbers", Format("{0} and {1}", "a", 2), "a and 2"},
                    FormatCase{"repeated_and_reordered", Format("{1}{0}{1}", "x", "y"), "yxy"},
                    FormatCase{"escaped_brace", Format("\\{0}", 1), "{0}"},
                    FormatCase{"doubled_backslash", Format("a\\\\b"), "a\\b"},
                    FormatCase{"escaped_then_placeholder", Format("\\\\{0}", 7), "\\7"},
                    FormatCase{"closing_brace_copied", Format("}{0}}", 1), "}1}"},
                    FormatCase{"brace_at_end", Format("abc{"), "abc{"},
                    FormatCase{"empty_argument", Format("[{0}]", lang::Format::Argument()), "[]"},
                    FormatCase{"string_ignores_specification", Format("{0,000}", "s"), "s"},
                    FormatCase{"one_digit_index_rest_is_spec", Format("{12}", 0, 3.5), "3.5"},
                    FormatCase{"comma_skipped_once", Format("{0,,0}", 5), "5"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Numbers, FormatCases,
    testing::Values(FormatCase{"hex_lower", Format("{0,x}", 255), "ff"},
                    FormatCase{"hex_upper", Format("{0,X}", 255), "FF"},
                    FormatCase{"hex_negative_low_32_bits", Format("{0,x}", -1), "ffffffff"},
                    FormatCase{"hex_above_32_bits", Format("{0,x}", 0x1'0000'0010LL), "10"},
                    FormatCase{"integer_truncates", Format("{0,d}", -2.7), "-2"},
                    FormatCase{"integer_i", Format("{0,i}", 9.9), "9"},
                    FormatCase{"integer_saturates_nan", Format("{0,d}", std::numeric_limits<double>::quiet_NaN()), "0"},
                    FormatCase{"integer_saturates_huge", Format("{0,d}", 1e300), "2147483647"},
                    FormatCase{"letter_after_digits_wins", Format("{0,00x}", 255), "ff"},
                    FormatCase{"hash_places", Format("{0,#.##}", 3.14159), "3.14"},
                    FormatCase{"zero_width", Format("{0,000}", 5), "005"},
                    FormatCase{"width_and_places", Format("{0,00000.0}", 3.14159), "003.1"},
                    FormatCase{"point_alone_is_g", Format("{0,.}", 2.5), "2.5"},
                    FormatCase{"hash_alone_is_fixed", Format("{0,#}", 2.5), "2"},
                    FormatCase{"other_characters_ignored", Format("{0,a,b}", 2.5), "2.5"},
                    FormatCase{"g_million", Format("{0}", 1000000), "1e+06"},
                    FormatCase{"g_six_digits", Format("{0}", 1234567), "1.23457e+06"},
                    FormatCase{"unsigned_top_bit", Format("{0}", 0x80000000u), "2.14748e+09"},
                    FormatCase{"unsigned_top_bit_hex", Format("{0,X}", 0x80000000u), "80000000"},
                    FormatCase{"line_number", Format("{0}", 4711), "4711"}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

struct MalformedCase {
    const char* name;
    Format format;
    const char* message;
};

std::ostream& operator<<(std::ostream& out, const MalformedCase& c) { return out << c.name; }

class MalformedFormats : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedFormats, RaiseTheirMessage) {
    try {
        GetParam().format.toString();
        FAIL() << "no exception";
    } catch (const FormatException& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Errors, MalformedFormats,
    testing::Values(
        MalformedCase{"index_out_of_range", Format("{1}", "a"), "Failed to format \"{1}\", invalid argument index at 1"},
        MalformedCase{"no_arguments", Format("ab{0}"), "Failed to format \"ab{0}\", invalid argument index at 3"},
        MalformedCase{"not_a_digit", Format("{a}"), "Failed to format \"{a}\", digit expected at 1"},
        MalformedCase{"empty_braces", Format("x{}"), "Failed to format \"x{}\", argument index not found at 2"},
        MalformedCase{"unclosed", Format("{0"), "Failed to format \"{0\", '}' not found after 1"}),
    [](const testing::TestParamInfo<MalformedCase>& info) { return std::string(info.param.name); });

TEST(FormatBuffer, TruncatesAndReportsFullLength) {
    Format format("{0}-{1}", "abcdef", 12345);
    char buffer[6];
    EXPECT_EQ(format.format(buffer, sizeof buffer), 13);
    EXPECT_STREQ(buffer, "abcde");
    char large[64];
    EXPECT_EQ(format.format(large, sizeof large), 13);
    EXPECT_STREQ(large, "abcdef-12345");
}

TEST(FormatBuffer, LongOutputIsNeverTruncated) {
    const std::string big(5000, 'q');
    EXPECT_EQ(Format("<{0}>{0}", big).toString(), "<" + big + ">" + big);
}

TEST(FormatArguments, KeepCountAndKinds) {
    Format format("{0}{1}{2}", 1u, std::string("s"), 2.5f);
    EXPECT_EQ(format.count(), 3);
    EXPECT_EQ(format.argument(0).kind(), Format::Argument::Kind::Number);
    EXPECT_EQ(format.argument(1).kind(), Format::Argument::Kind::String);
    EXPECT_EQ(format.argument(3).kind(), Format::Argument::Kind::Empty);
    EXPECT_EQ(Format("{9}", 0, 1, 2, 3, 4, 5, 6, 7, 8, "nine").toString(), "nine");
}

TEST(Throwable, MessageIsComputedAtConstruction) {
    lang::Exception e(Format("Failed to open {0} for writing with errno {1}", "/x", 13));
    EXPECT_STREQ(e.what(), "Failed to open /x for writing with errno 13");
    EXPECT_EQ(e.format().count(), 2);
    EXPECT_THROW(lang::Exception(Format("{5}")), FormatException);
}

} // namespace
