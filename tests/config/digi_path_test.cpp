#include "digi_path.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printable.h"

namespace {

using Texts = std::vector<std::string>;

struct SplitCase {
    std::string_view path;
    Texts addresses;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << printable(c.path);
}

class SplitPath : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitPath, GivesOneAddressPerElement) {
    Texts texts;
    for (const StationAddress& address : splitDigiPath(GetParam().path)) {
        texts.push_back(address.text());
    }
    EXPECT_EQ(texts, GetParam().addresses);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SplitPath,
    ::testing::Values(SplitCase{"", {}}, SplitCase{"WIDE3-3", {"WIDE3-3"}},
                      SplitCase{"WIDE1-1,WIDE2-2", {"WIDE1-1", "WIDE2-2"}},
                      SplitCase{"A,,B", {"A", "", "B"}}, SplitCase{",A", {"", "A"}},
                      SplitCase{"A,", {"A"}}, SplitCase{"A, ", {"A", ""}}, SplitCase{",", {""}},
                      SplitCase{" relay , wide2-2 ", {"RELAY", "WIDE2-2"}},
                      SplitCase{"A-5,B-6", {"A-5", "B-6"}},
                      // Punctuation ends an element's name; the element still ends at its comma.
                      SplitCase{"A*B,C", {"A", "C"}}, SplitCase{"A-B,C", {"A", "C"}},
                      SplitCase{"LONGNAME1-3,X", {"LONGNA-3", "X"}}));

struct JoinCase {
    Texts addresses;
    std::string_view path;
};

void PrintTo(const JoinCase& c, std::ostream* os) {
    *os << printable(c.path);
}

class JoinPath : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinPath, PutsACommaOnlyAfterText) {
    EXPECT_EQ(joinDigiPath(GetParam().addresses), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(Examples, JoinPath,
                         ::testing::Values(JoinCase{{}, ""}, JoinCase{{"A"}, "A"},
                                           JoinCase{{"A", "", "B"}, "A,,B"},
                                           JoinCase{{"", "A"}, "A"}, JoinCase{{"A", ""}, "A,"},
                                           JoinCase{{"", ""}, ""},
                                           JoinCase{{"WIDE1-1", "-5"}, "WIDE1-1,-5"}));

}  // namespace
