#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "ai/aiplayers.h"
#include "ai/leavetrainer.h"
#include "ai/leavevalues.h"
#include "aitable.h"

using glyph::LeaveTrainer;
using glyph::LeaveValues;
using glyph::test::AiTable;

namespace
{

// Leaves of the letters A..H and the joker.
std::string randomLeave(std::mt19937& random, int size)
{
    return glyph::test::randomLetters(random, size, "ABCDEFGH", 9);
}

} // namespace

TEST(LeaveValues, SurviveTheirFileRefuseABadOneUnchangedAndBoundEveryLeaveOfARack)
{
    AiTable table({"AT"});
    const glyph::LetterSet& set = table.game->letterSet();
    std::mt19937 random(5);
    LeaveValues values = glyph::test::randomLeaveValues(random, set, 20.0);
    glyph::test::addRandomCorrections(random, values, "ABCDEFGH", 20.0, 400);
    std::string error;
    ASSERT_TRUE(values.save(table.dir.file("a.leaves"), error)) << error;
    LeaveValues read = LeaveValues::handWritten(set);
    ASSERT_TRUE(read.load(table.dir.file("a.leaves"), set, error)) << error;
    for (int n = 0; n < 200; ++n) {
        const std::string leave = randomLeave(random, static_cast<int>(random() % 8));
        EXPECT_NEAR(read.value(leave), values.value(leave), 0.01) << leave;
        // The best sub-leave, against every choice of the rack's positions.
        double best = values.value(std::string());
        for (unsigned mask = 0; mask + 1 < (1u << leave.size()); ++mask) {
            std::string kept;
            for (std::size_t i = 0; i < leave.size(); ++i)
                if ((mask >> i) & 1u)
                    kept += leave[i];
            best = std::max(best, values.value(kept));
        }
        LeaveValues::Counts counts{};
        for (char letter : leave)
            ++counts[static_cast<std::size_t>(letter - 'A')];
        if (!leave.empty()) {
            EXPECT_DOUBLE_EQ(values.bestSubsetValue(counts, static_cast<int>(leave.size()) - 1), best)
                << leave;
        }
        // Every sub-rack once, valued to the last bit as `value` does (the move generator's
        // table of leaves must rank moves exactly as the list does).
        int visits = 0;
        int expected = 1;
        for (std::uint8_t count : counts)
            expected *= count + 1;
        values.forEachLeave(counts, glyph::kRackSize, [&](const LeaveValues::Counts& kept, double keptValue) {
            ++visits;
            EXPECT_EQ(keptValue, values.value(kept)) << leave;
        });
        EXPECT_EQ(visits, expected) << leave;
    }
    EXPECT_EQ(values.value("ab?"), values.value("AB["));
    // Corrections go to exactly their leave: not to one more tile (a rack of seven has none,
    // whatever its last six would get), nor to the same letters in other numbers.
    LeaveValues corrected;
    LeaveValues::Counts six{};
    for (char letter : std::string("EEFFGH"))
        ++six[static_cast<std::size_t>(letter - 'A')];
    corrected.setCorrection(six, 5.0);
    EXPECT_EQ(corrected.value("HGFFEE"), 5.0);
    for (const char* other : {"DEEFFGH", "AEEFFGH", "EFGH", "EEFFGHH", "EEFGH"})
        EXPECT_EQ(corrected.value(other), 0.0) << other;
    // A pair counts once, however many copies of its letters are held, in either order.
    LeaveValues pairOnly;
    pairOnly.setPairValue(1, 0, 4.5);
    pairOnly.setPairValue(2, 2, 9.0);
    EXPECT_EQ(pairOnly.value("BABA"), 4.5);
    EXPECT_EQ(pairOnly.value("AAC"), 0.0);
    EXPECT_EQ(pairOnly.value("CC"), 0.0);

    const std::string good = table.dir.read("a.leaves");
    for (const std::string& bad :
         {good + "tile AB 1\n", good + "tile A 1e9\n", good + "balance 8 0 1\n", good + "tile A 1 2\n",
          good + "weight A 1\n", good + "pair A A 1\n", good + "pair A 1\n", std::string("tile A nan\n"),
          good + "leave ABCDEFG 1\n", good + "leave A1 2\n", good + "leave  3\n", good + "leave AB 1e9\n"}) {
        table.dir.write("b.leaves", bad);
        EXPECT_FALSE(read.load(table.dir.file("b.leaves"), set, error)) << bad;
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 0) << error;
        EXPECT_NEAR(read.value("ABC"), values.value("ABC"), 0.01);
    }
    EXPECT_FALSE(read.load(table.dir.path().string(), set, error));
    EXPECT_EQ(LeaveValues::fileForSet("Sets/English.set"), "Sets/English.leaves");
    EXPECT_EQ(LeaveValues::fileForSet("my.sets/Plain"), "my.sets/Plain.leaves");
}

TEST(LeaveValues, ProfilesReadTheFileBesideTheSetInUseOrTheHandWrittenValues)
{
    AiTable table({"AT"});
    table.start({glyph::test::makePlayer("Ann", "", "AT"), glyph::test::makePlayer("Bob", "", "EE")});
    auto leaveValue = [&table](const std::string& letters) {
        table.view.scriptOutput.clear();
        EXPECT_TRUE(scriptHost(*table.game).runText("Debug(LeaveValue('" + letters + "'))"));
        return table.view.scriptOutput.empty() ? 0.0 : std::stod(table.view.scriptOutput.back());
    };
    const LeaveValues handWritten = LeaveValues::handWritten(table.game->letterSet());
    EXPECT_NEAR(leaveValue("SS?Q"), handWritten.value("SS[Q"), 1e-6);

    // Another set with a file beside it: its values; a bad file: one warning, hand-written values.
    table.dir.write("other.set", table.dir.read("test.set"));
    table.dir.write("other.leaves", "tile S 9.5\nduplicate S -1\n");
    table.preferences->setString("GameSetKey", table.dir.file("other.set"));
    EXPECT_NEAR(leaveValue("SS?Q"), 9.5 * 2 - 1, 1e-6);
    table.dir.write("bad.set", table.dir.read("test.set"));
    table.dir.write("bad.leaves", "tile S many\n");
    table.preferences->setString("GameSetKey", table.dir.file("bad.set"));
    EXPECT_NEAR(leaveValue("SS?Q"), handWritten.value("SS[Q"), 1e-6);
    EXPECT_EQ(table.view.warnings.size(), 1u);
}

TEST(LeaveTrainer, FitsValuesThatPredictWhatTheSamplesBring)
{
    // Samples whose outcome (the next score, rounded as scores are, plus the next leave's value
    // by the start values, all 0 here) is a known linear value of the leave plus a constant:
    // the fit must give every leave that value (the constant goes to the empty leave's entry).
    AiTable table({"AT"});
    std::mt19937 random(9);
    LeaveValues truth = glyph::test::randomLeaveValues(random, table.game->letterSet(), 20.0);
    truth.setBalanceValue(0, 0, 0.0);
    std::vector<LeaveTrainer::Sample> samples;
    for (int n = 0; n < 20000; ++n) {
        LeaveTrainer::Sample sample{};
        for (char letter : randomLeave(random, 1 + static_cast<int>(random() % 6)))
            ++sample.leave[static_cast<std::size_t>(letter - 'A')];
        for (char letter : randomLeave(random, static_cast<int>(random() % 3)))
            ++sample.nextLeave[static_cast<std::size_t>(letter - 'A')];
        sample.nextScore = static_cast<int>(std::lround(truth.value(sample.leave) + 30.0));
        samples.push_back(sample);
    }
    LeaveValues fitted;
    // The start: the set's vowels, every value drawn from [0, 0].
    const LeaveValues zero = glyph::test::randomLeaveValues(random, table.game->letterSet(), 0.0);
    ASSERT_TRUE(LeaveTrainer::fit(samples, zero, fitted));
    for (int n = 0; n < 100; ++n) {
        const std::string leave = randomLeave(random, 1 + static_cast<int>(random() % 6));
        EXPECT_NEAR(fitted.value(leave), truth.value(leave), 1.0) << leave;
    }
    EXPECT_FALSE(LeaveTrainer::fit({}, zero, fitted));
}

TEST(LeaveTrainer, CorrectsTheLeavesSeenOftenEnoughForWhatTheModelCannotSay)
{
    // Linear values, except that ABC brings 10 points more and DDE 8 less than the terms say;
    // a leave seen fewer than 20 times gets no correction, however far off it is.
    AiTable table({"AT"});
    std::mt19937 random(11);
    LeaveValues truth = glyph::test::randomLeaveValues(random, table.game->letterSet(), 10.0);
    truth.setBalanceValue(0, 0, 0.0);
    auto countsOf = [](const std::string& letters) {
        LeaveValues::Counts counts{};
        for (char letter : letters)
            ++counts[static_cast<std::size_t>(letter - 'A')];
        return counts;
    };
    auto extra = [&](const LeaveValues::Counts& leave) {
        return leave == countsOf("ABC")    ? 10.0
               : leave == countsOf("DDE")  ? -8.0
               : leave == countsOf("FFGH") ? 30.0
                                           : 0.0;
    };
    std::vector<LeaveTrainer::Sample> samples;
    auto add = [&](const LeaveValues::Counts& leave) {
        LeaveTrainer::Sample sample{};
        sample.leave = leave;
        sample.nextScore = static_cast<int>(std::lround(truth.value(leave) + extra(leave) + 30.0));
        samples.push_back(sample);
    };
    for (int n = 0; n < 40000; ++n) {
        LeaveValues::Counts leave = countsOf(randomLeave(random, 1 + static_cast<int>(random() % 6)));
        // One sample in 20 keeps ABC or DDE; FFGH only 19 times.
        if (n % 20 == 0)
            leave = countsOf(n % 40 == 0 ? "ABC" : "DDE");
        if (extra(leave) != 30.0)
            add(leave);
    }
    for (int n = 0; n < 19; ++n)
        add(countsOf("FFGH"));
    const LeaveValues zero = glyph::test::randomLeaveValues(random, table.game->letterSet(), 0.0);
    LeaveValues fitted;
    ASSERT_TRUE(LeaveTrainer::fit(samples, zero, fitted));
    const LeaveValues model = fitted;
    LeaveTrainer::correct(samples, fitted);
    EXPECT_NEAR(fitted.value("ABC"), truth.value("ABC") + 10.0, 1.0);
    EXPECT_NEAR(fitted.value("DDE"), truth.value("DDE") - 8.0, 1.0);
    EXPECT_EQ(fitted.correction(countsOf("FFGH")), 0.0);
    // The terms took up some of those extras, which the other leaves' corrections give back:
    // over the leaves the samples held, the values come nearer the truth (by a quarter here).
    double modelError = 0;
    double correctedError = 0;
    for (const LeaveTrainer::Sample& sample : samples) {
        const double target = truth.value(sample.leave) + extra(sample.leave);
        modelError += std::fabs(model.value(sample.leave) - target);
        correctedError += std::fabs(fitted.value(sample.leave) - target);
    }
    EXPECT_LT(correctedError, 0.8 * modelError);
}

TEST(LeaveTrainer, LearnsFromEachMoveTheBagRefillsPairedWithThatPlayersNextTurn)
{
    // Two players in turn; `laid` is false for an exchange, the bag's count is before the turn.
    auto turn = [](const char* kept, int score, bool laid, int bag) {
        LeaveTrainer::Turn played;
        for (const char* letter = kept; *letter; ++letter)
            ++played.kept[static_cast<std::size_t>(*letter - 'A')];
        played.score = score;
        played.laidTiles = laid;
        played.bagBefore = bag;
        return played;
    };
    const std::vector<LeaveTrainer::Turn> turns = {
        turn("AB", 10, true, 80), // first player: waits for its next turn
        turn("", 0, false, 73),   // an exchange teaches nothing
        turn("CD", 20, true, 73), // completes the first sample and waits in turn
        turn("E", 30, true, 6),   // the bag cannot refill this rack: nothing to learn
        turn("F", 40, true, 7),   // just enough to refill: completes the second and waits
        turn("G", 50, true, 3),   // nothing waits for this player
        turn("H", 60, true, 1),   // completes the third
        turn("I", 70, true, 0),   // nothing waits for this player
    };
    const std::vector<LeaveTrainer::Sample> samples = LeaveTrainer::samplesOf(turns);
    ASSERT_EQ(samples.size(), 3u);
    for (std::size_t k = 0; k < samples.size(); ++k) {
        EXPECT_EQ(samples[k].leave, turns[2 * k].kept) << k;
        EXPECT_EQ(samples[k].nextLeave, turns[2 * k + 2].kept) << k;
        EXPECT_EQ(samples[k].nextScore, turns[2 * k + 2].score) << k;
    }
}
