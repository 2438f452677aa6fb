#include <gtest/gtest.h>

#include "gameplay/Records.h"

namespace {

const char* const kFile =
    "smeltrun-records 1\n"
    "best_time 20.516668\n"
    "best_score 15400\n"
    "win 31.25 12000 2024-04-30T08:00:00Z\n"
    "win 20.516668 15400 2024-05-01T12:34:56Z\n"
    "best_split 1 9.25\n";

Win winAt(float seconds, int points) {
    return Win{seconds, points, "2024-05-02T10:00:00Z", {}};
}

TEST(Records, ReadBackAsWrittenToTheLastBit) {
    const std::optional<Records> records = parseRecords(kFile);
    ASSERT_TRUE(records);
    EXPECT_EQ(records->bestTime, 20.516668f);
    EXPECT_EQ(records->bestScore, 15400);
    ASSERT_EQ(records->wins.size(), 2u);
    EXPECT_EQ(records->wins[0].seconds, 31.25f);
    EXPECT_EQ(records->wins[0].points, 12000);
    EXPECT_EQ(records->wins[1].date, "2024-05-01T12:34:56Z");
    EXPECT_EQ(records->bestSplits, (std::vector<float>{kNoSplit, 9.25f}));
    EXPECT_EQ(recordsText(*records), kFile);

    Records odd;
    odd.wins.push_back(winAt(1.0f / 3.0f, 0));
    odd.bestTime = 1.0f / 3.0f;
    const std::optional<Records> again = parseRecords(recordsText(odd));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->bestTime, 1.0f / 3.0f);
    EXPECT_FALSE(again->bestScore);
    EXPECT_EQ(again->wins[0].seconds, 1.0f / 3.0f);
}

TEST(Records, DamagedTextIsRefusedWhole) {
    const char* const damaged[] = {
        "",
        "smeltrun-records 2\n",
        "best_time 20\n",
        "smeltrun-records 1\nbest_time\n",
        "smeltrun-records 1\nbest_time 20 21\n",
        "smeltrun-records 1\nbest_time twenty\n",
        "smeltrun-records 1\nbest_time -3\n",
        "smeltrun-records 1\nbest_time nan\n",
        "smeltrun-records 1\nbest_time 1e99\n",
        "smeltrun-records 1\nbest_time 20\nbest_time 19\n",
        "smeltrun-records 1\nbest_score 1.5\n",
        "smeltrun-records 1\nwin 20 100\n",
        "smeltrun-records 1\nwin 20 100 yesterday\n",
        "smeltrun-records 1\nwin 20 100 2024-05-01 12:34:56\n",
        "smeltrun-records 1\nwin 20 99999999999 2024-05-01T12:34:56Z\n",
        "smeltrun-records 1\nlap 20\n",
        "smeltrun-records 1\nbest_split 0 5\nbest_split 0 6\n",
        "smeltrun-records 1\nbest_split 1000 5\n",
        "smeltrun-records 1\nbest_split 0 -5\n",
        "smeltrun-records 1\nwin 20 100 2024-05-01T12:34:56Z\n\x01\n",
    };
    for (const char* text : damaged) {
        EXPECT_FALSE(parseRecords(text)) << text;
    }
    EXPECT_TRUE(parseRecords("smeltrun-records 1\r\n\n  best_score   7  \r\n"))
        << "line ends and spaces a text editor may leave";
}

TEST(Records, AWinSetsTheBestsAndOnlyTheLastTwentyStay) {
    Records records;
    for (int i = 0; i < 25; ++i) {
        records = withWin(records, winAt(40.0f - static_cast<float>(i % 7), 1000 + i));
    }
    EXPECT_EQ(records.bestTime, 34.0f);
    EXPECT_EQ(records.bestScore, 1024);
    ASSERT_EQ(records.wins.size(), 20u);
    EXPECT_EQ(records.wins.front().points, 1005);
    EXPECT_EQ(records.wins.back().points, 1024);

    records = withWin(records, Win{30.0f, 10, "2024-05-02T10:00:00Z", {4.0f, kNoSplit}});
    records = withWin(records, Win{50.0f, 10, "2024-05-02T10:00:00Z", {1.0f, 2.0f}});
    EXPECT_EQ(records.bestTime, 30.0f) << "a slower win keeps the best time";
    EXPECT_EQ(records.bestSplits, (std::vector<float>{4.0f, kNoSplit})) << "and its splits";
    EXPECT_EQ(records.bestScore, 1024);
    EXPECT_TRUE(records.wins.back().splits.empty()) << "splits are kept for the best alone";
}

}  // namespace
