#include "tracker_reply.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

using namespace std::string_view_literals;

struct ReplyCase {
    std::string_view text;
    bool accepted;
};

class TrackerReplyTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(TrackerReplyTest, Recognises) {
    EXPECT_EQ(isTrackerReply(GetParam().text), GetParam().accepted) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Replies, TrackerReplyTest,
    ::testing::Values(ReplyCase{"Pelmox II v1.23 WX", true}, ReplyCase{"Pelmox ", true},
                      ReplyCase{"pelmox ii", true}, ReplyCase{"PELMOX 2", true},
                      ReplyCase{"pElMoX x", true},
                      // The blank is part of the word the tracker must send.
                      ReplyCase{"Pelmox", false}, ReplyCase{"PelmoxII", false},
                      ReplyCase{"Pelmox\t", false}, ReplyCase{"", false}, ReplyCase{"Pelmo", false},
                      ReplyCase{" Pelmox ", false},
                      // A zero byte ends the text even when more bytes follow it.
                      ReplyCase{"Pelm\0x "sv, false}, ReplyCase{"Pelmox\0 "sv, false},
                      ReplyCase{"Pelmox \0junk"sv, true},
                      // A no-break space is not the blank, whatever the locale says.
                      ReplyCase{"Pelmox\xA0", false}, ReplyCase{"Qelmox ", false}));

}  // namespace
