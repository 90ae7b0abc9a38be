// The rewrite of c:\config.sys as plain text: content in, new text out.
#include <gtest/gtest.h>

#include <string>

#include "patcher/settings_rewrite.h"

namespace {

// Cases are written with [CRLF], [LF], [CR], [NUL], [EOF], [TAB] and [VT]
// for the bytes that do not show.
std::string Bytes(const std::string& written)
{
    static const struct {
        const char* mark;
        const char* bytes;
        size_t size;
    } kMarks[] = {{"[CRLF]", "\r\n", 2}, {"[LF]", "\n", 1},   {"[CR]", "\r", 1}, {"[NUL]", "\0", 1},
                  {"[EOF]", "\x1A", 1},  {"[TAB]", "\t", 1}, {"[VT]", "\v", 1}};
    std::string out;
    for (size_t i = 0; i < written.size();) {
        bool marked = false;
        for (const auto& m : kMarks) {
            if (written.compare(i, std::char_traits<char>::length(m.mark), m.mark) == 0) {
                out.append(m.bytes, m.size);
                i += std::char_traits<char>::length(m.mark);
                marked = true;
                break;
            }
        }
        if (!marked)
            out += written[i++];
    }
    return out;
}

std::string Rewrite(const std::string& content, const LeadByteTable& table = LeadByteTable::SingleByte())
{
    CString text = RewriteSettings(content.data(), static_cast<int>(content.size()), table);
    return std::string(static_cast<const char*>(text), static_cast<size_t>(text.GetLength()));
}

struct RewriteCase {
    const char* name;
    const char* content;
    const char* expected;
};

void PrintTo(const RewriteCase& c, std::ostream* out)
{
    *out << c.name;
}

class RewriteTest : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(RewriteTest, GivesTheNewText)
{
    EXPECT_EQ(Rewrite(Bytes(GetParam().content)), Bytes(GetParam().expected));
}

// Once both settings stand on lines of their own, a rewrite only adds the
// CR LF at the end.
TEST_P(RewriteTest, SecondRewriteOnlyAddsTheLineEnd)
{
    std::string once = Bytes(GetParam().expected);
    EXPECT_EQ(Rewrite(once), once + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RewriteTest,
    ::testing::Values(
        RewriteCase{"both_low", "BUFFERS=30[CRLF]FILES=40[CRLF]", "BUFFERS=90[CRLF]FILES=90[CRLF][CRLF]"},
        RewriteCase{"empty", "", "[CRLF][CRLF]BUFFERS=90[CRLF]FILES=90"},
        RewriteCase{"files_missing", "BUFFERS=20[CRLF]", "BUFFERS=90[CRLF][CRLF][CRLF]FILES=90"},
        RewriteCase{"buffers_missing", "FILES=30[CRLF]", "FILES=90[CRLF][CRLF][CRLF]BUFFERS=90"},
        RewriteCase{"high_enough", "BUFFERS=90[CRLF]FILES=120[CRLF]", "BUFFERS=90[CRLF]FILES=120[CRLF][CRLF]"},
        RewriteCase{"just_below_and_leading_zero", "BUFFERS=89[CRLF]FILES=090[CRLF]",
                    "BUFFERS=90[CRLF]FILES=090[CRLF][CRLF]"},
        RewriteCase{"second_count_dropped", "BUFFERS=20,0[CRLF]FILES=30[CRLF]", "BUFFERS=90[CRLF]FILES=90[CRLF][CRLF]"},
        RewriteCase{"blanks_around", "BUFFERS = 20[CRLF]FILES= 30 [CRLF]", "BUFFERS =90[CRLF]FILES=90[CRLF][CRLF]"},
        RewriteCase{"comment_and_tab", "BUFFERS=30 ;x[CRLF]FILES=[TAB]99[CRLF]",
                    "BUFFERS=90[CRLF]FILES=[TAB]99[CRLF][CRLF]"},
        RewriteCase{"lower_case", "buffers=20[CRLF]files=30[CRLF]", "buffers=90[CRLF]files=90[CRLF][CRLF]"},
        RewriteCase{"mixed_case_not_found", "Buffers=20[CRLF]Files=30[CRLF]",
                    "Buffers=20[CRLF]Files=30[CRLF][CRLF][CRLF]BUFFERS=90[CRLF]FILES=90"},
        RewriteCase{"upper_case_wins_over_earlier_lower", "files=30[CRLF]FILES=60[CRLF]BUFFERS=99[CRLF]",
                    "files=30[CRLF]FILES=90[CRLF]BUFFERS=99[CRLF][CRLF]"},
        RewriteCase{"first_in_a_directory_name", "SET X=C:\\PROGRAM FILES\\APP[CRLF]FILES=30[CRLF]BUFFERS=99[CRLF]",
                    "SET X=C:\\PROGRAM FILES\\APP[CRLF]FILES=30[CRLF]BUFFERS=99[CRLF][CRLF]"},
        RewriteCase{"first_in_a_path", "DEVICE=C:\\BUFFERS.SYS[CRLF]BUFFERS=20[CRLF]FILES=99[CRLF]",
                    "DEVICE=C:\\BUFFERS.SYS[CRLF]BUFFERS=20[CRLF]FILES=99[CRLF][CRLF]"},
        RewriteCase{"longer_keywords", "BUFFERSHIGH=30,0[CRLF]FILESHIGH=30[CRLF]",
                    "BUFFERSHIGH=90[CRLF]FILESHIGH=90[CRLF][CRLF]"},
        RewriteCase{"remarks", "REM BUFFERS=20[CRLF]REM FILES=20[CRLF]", "REM BUFFERS=90[CRLF]REM FILES=90[CRLF][CRLF]"},
        RewriteCase{"equals_on_a_later_line", "BUFFERS 30[CRLF]FILES=30[CRLF]", "BUFFERS 30[CRLF]FILES=90[CRLF][CRLF]"},
        RewriteCase{"no_equals", "BUFFERS 30[CRLF]FILES 30[CRLF]", "BUFFERS 30[CRLF]FILES 30[CRLF][CRLF]"},
        RewriteCase{"no_digits", "BUFFERS=abc[CRLF]FILES=[CRLF]", "BUFFERS=90[CRLF]FILES=90[CRLF][CRLF]"},
        RewriteCase{"signs", "BUFFERS=-5[CRLF]FILES=+20[CRLF]", "BUFFERS=90[CRLF]FILES=90[CRLF][CRLF]"},
        RewriteCase{"lf_lines", "BUFFERS=20[LF]FILES=30[LF]", "BUFFERS=90[CRLF]FILES=90[CRLF][CRLF]"},
        RewriteCase{"last_line_unended", "FILES=30[CRLF]BUFFERS=20", "FILES=90[CRLF]BUFFERS=90[CRLF]"},
        RewriteCase{"end_of_file_mark", "BUFFERS=99[CRLF]FILES=99[CRLF][EOF]",
                    "BUFFERS=99[CRLF]FILES=99[CRLF][EOF][CRLF]"},
        RewriteCase{"value_stops_at_its_line", "BUFFERS=[CRLF]95[CRLF]FILES=[VT] 95[CRLF]",
                    "BUFFERS=90[CRLF]95[CRLF]FILES=[VT] 95[CRLF][CRLF]"},
        // What follows a NUL is text like any other and is kept.
        RewriteCase{"nul_is_text", "BUFFERS=20[CRLF][NUL]FILES=30[CRLF]",
                    "BUFFERS=90[CRLF][NUL]FILES=90[CRLF][CRLF]"},
        RewriteCase{"nul_in_value", "BUFFERS=2[NUL]00[CRLF]FILES=99[CRLF]", "BUFFERS=90[CRLF]FILES=99[CRLF][CRLF]"},
        // A lone CR ends a line: the lines after it stay.
        RewriteCase{"lone_cr_lines", "BUFFERS=20[CR]FILES=30[CR]DEVICE=X.SYS[CR]",
                    "BUFFERS=90[CRLF]FILES=90[CRLF]DEVICE=X.SYS[CR][CRLF]"},
        RewriteCase{"lone_cr_unchanged", "BUFFERS=99[CR]FILES=99[CR]", "BUFFERS=99[CR]FILES=99[CR][CRLF]"},
        RewriteCase{"lone_cr_before_equals", "BUFFERS[CR]=20[CR]FILES=99[CR]", "BUFFERS[CR]=20[CR]FILES=99[CR][CRLF]"},
        RewriteCase{"lone_cr_then_lf_line", "FILES=30[CR]BUFFERS=20[LF]SHELL=A[CRLF]",
                    "FILES=90[CRLF]BUFFERS=90[CRLF]SHELL=A[CRLF][CRLF]"},
        // Beyond 32 bits a value saturates instead of wrapping round.
        RewriteCase{"too_large_counts_as_high", "BUFFERS=4294967295[CRLF]FILES=99999999999999999999[CRLF]",
                    "BUFFERS=4294967295[CRLF]FILES=99999999999999999999[CRLF][CRLF]"},
        RewriteCase{"just_past_int_max", "BUFFERS=2147483648[CRLF]FILES=2147483647[CRLF]",
                    "BUFFERS=2147483648[CRLF]FILES=2147483647[CRLF][CRLF]"},
        RewriteCase{"too_small_counts_as_low", "BUFFERS=-4294967386[CRLF]FILES=-2147483649[CRLF]",
                    "BUFFERS=90[CRLF]FILES=90[CRLF][CRLF]"}),
    [](const ::testing::TestParamInfo<RewriteCase>& info) { return std::string(info.param.name); });

TEST(RewriteSettingsTest, CanBeShorterThanTheContent)
{
    std::string content = Bytes("BUFFERS=20,0[CRLF]FILES=030[CRLF]");
    ASSERT_EQ(content.size(), 25u);
    EXPECT_EQ(Rewrite(content), Bytes("BUFFERS=90[CRLF]FILES=90[CRLF][CRLF]"));
}

// The second byte of a double-byte character is a "B" here: in a double-byte
// code page no key starts there.
TEST(RewriteSettingsTest, KeyNeverStartsInsideADoubleByteCharacter)
{
    const std::string content = "REM \x83\x42UFFERS=20\r\nBUFFERS=30\r\nFILES=99\r\n";
    EXPECT_EQ(Rewrite(content, LeadByteTable::ShiftJis()),
              "REM \x83\x42UFFERS=20\r\nBUFFERS=90\r\nFILES=99\r\n\r\n");
    EXPECT_EQ(Rewrite(content, LeadByteTable::SingleByte()),
              "REM \x83\x42UFFERS=90\r\nBUFFERS=30\r\nFILES=99\r\n\r\n");
}

TEST(RewriteSettingsTest, DoubleByteTextAroundTheSettingIsKept)
{
    const std::string content = "REM \x93\xFA\x96\x7B\r\nFILES=\x82\x50\r\nBUFFERS=99\r\n";
    EXPECT_EQ(Rewrite(content, LeadByteTable::ShiftJis()), "REM \x93\xFA\x96\x7B\r\nFILES=90\r\nBUFFERS=99\r\n\r\n");
}

// A lead byte with no second byte before a lone CR does not carry the value
// on into the next line.
TEST(RewriteSettingsTest, StrayLeadByteDoesNotHideALineEnd)
{
    const std::string content = "BUFFERS=2\x82\rFILES=30\rSHELL=X\r";
    EXPECT_EQ(Rewrite(content, LeadByteTable::ShiftJis()), "BUFFERS=90\r\nFILES=90\r\nSHELL=X\r\r\n");
}

TEST(RaiseSettingTest, AddsTheLineWithoutALineBreakAfterIt)
{
    CString text("DOS=HIGH\r\n");
    RaiseSetting(text, "FILES", "files", "FILES=90", LeadByteTable::SingleByte());
    EXPECT_STREQ(text, "DOS=HIGH\r\n\r\nFILES=90");
}

struct IntegerCase {
    const char* value;
    long expected;
};

TEST(LeadingIntegerTest, ReadsLikeAtoiWithinTheValue)
{
    const IntegerCase cases[] = {
        {"", 0},          {"  \t\v\f\r42x", 42}, {"+7", 7},   {"-7", -7},   {"+-7", 0},
        {"- 7", 0},       {"0089", 89},          {"9 0", 9},  {"x90", 0},   {"2147483647", 2147483647L},
        {"2147483648", 2147483647L},             {"-2147483648", -2147483647L - 1},
        {"-99999999999999999999", -2147483647L - 1},
    };
    for (const IntegerCase& c : cases)
        EXPECT_EQ(LeadingInteger(c.value, static_cast<int>(std::char_traits<char>::length(c.value))), c.expected)
            << c.value;
    EXPECT_EQ(LeadingInteger("1234", 2), 12) << "the value ends at its line end";
}

}  // namespace
