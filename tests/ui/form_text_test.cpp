#include "form_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct NumberCase {
    const char* text;
    std::int32_t value;
};

class FieldNumber : public ::testing::TestWithParam<NumberCase> {};

std::string caseName(const ::testing::TestParamInfo<NumberCase>& info) {
    return "Case" + std::to_string(info.index);
}

TEST_P(FieldNumber, ReadsLikeStrtolAndSaturates) {
    EXPECT_EQ(fieldToNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldNumber,
    ::testing::Values(NumberCase{"", 0}, NumberCase{"0", 0}, NumberCase{"250", 250},
                      NumberCase{"  42", 42}, NumberCase{"\t\n 5", 5}, NumberCase{"-7", -7},
                      NumberCase{"+8", 8}, NumberCase{"12ab", 12}, NumberCase{"abc", 0},
                      NumberCase{"- 5", 0}, NumberCase{"--5", 0}, NumberCase{"007", 7},
                      NumberCase{"2147483647", kMax}, NumberCase{"2147483648", kMax},
                      NumberCase{"4294967296", kMax},
                      NumberCase{"99999999999999999999999999999999", kMax},
                      NumberCase{"-2147483648", kMin}, NumberCase{"-2147483649", kMin},
                      NumberCase{"-99999999999999999999999999999999", kMin}),
    caseName);

TEST(FieldText, CharactersOutsideLatin1BecomeQuestionMarks) {
    EXPECT_EQ(fieldToLatin1(QString::fromUtf8("Gr\u00fc\u00dfe \u20ac!")),
              "Gr\xfc\xdf"
              "e ?!");
    EXPECT_EQ(fieldToLatin1(QString::fromUtf8("\U0001F4E1")), "?");  // one character, one mark
}

TEST(FieldText, EveryLatin1ByteSurvivesTheRoundTrip) {
    std::string all;
    for (int c = 1; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    const QString shown = latin1ToField(all);
    EXPECT_EQ(shown.size(), 255);
    EXPECT_EQ(shown.at(0xFC - 1), QChar(0xFC));
    EXPECT_EQ(fieldToLatin1(shown), all);
}

TEST(FieldText, UpperCaseStaysInsideLatin1AndKeepsLength) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"n0call-5", "N0CALL-5"},
        {"wide1-1,wide2-2", "WIDE1-1,WIDE2-2"},
        {"\u00e4\u00f6\u00fc", "\u00c4\u00d6\u00dc"},
        {"\u00df", "\u00df"},  // would become "SS"
        {"\u00ff", "\u00ff"},  // its capital lies outside Latin-1
        {"\u00b5", "\u00b5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toUpperLatin1(QString::fromUtf8(c.typed)), QString::fromUtf8(c.shown)) << c.typed;
    }
}

}  // namespace
