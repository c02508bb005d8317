#include "app/saved_state_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "tests/golden.h"

namespace orbel {
namespace {

// A state unlike the defaults in every field.
SavedState SampleState() {
    SavedState s;
    s.CurrentAJD = 2455950.0833333335;
    s.InputCalendar = 7;
    s.forwardChosen = false;
    s.plusChosen = true;
    s.nextChosen = false;
    s.moveStepIndex = 15;
    s.targetIndex = 21;
    s.refreshPeriodIndex = 3;
    s.methodIndex = 1;
    s.epochYear = -2636;
    for (int i = 0; i < SavedLogTickCount; ++i) s.logTicks[static_cast<size_t>(i)] = i % 3 == 0;
    s.showPantheon = true;
    s.showChronologicalJDs = false;
    s.autoLog = true;
    for (int i = 0; i < SavedZoneLabelCount; ++i) s.zoneLabels[static_cast<size_t>(i)] = "L" + std::to_string(i);
    s.zoneLabels[20] = "CCT";
    s.zoneLabels[5] = "say \"ICT\"";
    s.zoneLabels[6] = "";
    s.zoneLabels[7] = " blanks, commas ";
    s.longitudeIndex = 45;
    s.searchRows = {ElementAnimalChoice{0, 11}, ElementAnimalChoice{5, 12}, ElementAnimalChoice{4, 0}};
    return s;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}

void WriteRaw(const QString& path, const std::string& text) {
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

const std::string SaveErrorPrefix = "Error when attempting to save the state: ";

// The kind of value each line holds, 1-based.
enum class Kind { Moment, Index, Choice, Epoch, Tick, Text };
Kind KindOfLine(int line) {
    if (line == 1) return Kind::Moment;
    if (line >= 3 && line <= 5) return Kind::Choice;
    if (line == 10) return Kind::Epoch;
    if (line >= 11 && line <= 26) return Kind::Tick;
    if (line >= 27 && line <= 72) return Kind::Text;
    return Kind::Index;
}

// One value a line, each line ended by CR LF, in the order of
// tests/data/saved_state.txt (kept there with LF alone).
TEST(SavedStateFile, TextHasOneValuePerLineInTheFixedOrder) {
    SavedState s = SampleState();
    s.CurrentAJD = 2455950.5;
    const std::vector<std::string> lines = Lines(StateFileText(s));
    ASSERT_EQ(lines.size(), 79u);
    EXPECT_EQ(Joined(lines), StateFileText(s));
    testing::ExpectGolden("saved_state.txt", Joined(lines, "\n"));
}

TEST(SavedStateFile, MomentsAreWrittenInDecimalAndComeBackExactly) {
    for (double moment : {EarliestMomentAJD, 1000000.0, 2000000.0, 2451545.0, 2455950.0833333335, LatestMomentAJD,
                          std::nextafter(2451545.0, 0.0)}) {
        SavedState s = SampleState();
        s.CurrentAJD = moment;
        const std::string first = Lines(StateFileText(s))[0];
        EXPECT_EQ(first.find_first_not_of("0123456789."), std::string::npos) << first;
        const StateFileReadResult back = ParseStateFileText(StateFileText(s));
        ASSERT_TRUE(back.ok()) << back.Describe() << " " << first;
        EXPECT_EQ(back.state.CurrentAJD, moment);
    }
}

// The defaults first, then a state that overwrites every one of them.
TEST(SavedStateFile, WriteThenReadGivesTheSameState) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("orbel.usr").toStdString();
    SavedState defaults;
    defaults.zoneLabels.fill("L");
    for (const SavedState& s : {defaults, SampleState()}) {
        const StateFileWriteResult written = WriteStateFile(path, s);
        ASSERT_TRUE(written.ok) << written.message;
        EXPECT_EQ(written.message, "");
        const StateFileReadResult read = ReadStateFile(path);
        ASSERT_TRUE(read.ok()) << read.Describe();
        EXPECT_EQ(read.state, s);
    }
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"orbel.usr"});
}

TEST(SavedStateFile, ReadsLineFeedsAndIgnoresWhatFollowsLine79) {
    const std::vector<std::string> lines = Lines(StateFileText(SampleState()));
    EXPECT_EQ(ParseStateFileText(Joined(lines, "\n")).state, SampleState());
    std::string noFinalEnd = Joined(lines);
    noFinalEnd.resize(noFinalEnd.size() - 2);
    EXPECT_EQ(ParseStateFileText(noFinalEnd).state, SampleState());
    EXPECT_EQ(ParseStateFileText(Joined(lines) + "extra\r\n\"more\"\r\n").state, SampleState());
    // Blanks around a value do not matter.
    std::vector<std::string> padded = lines;
    padded[0] = "  " + padded[0] + "\t";
    padded[30] = " " + padded[30] + " ";
    EXPECT_EQ(ParseStateFileText(Joined(padded)).state, SampleState());
}

// Any year chooses an epoch item; any nonzero chooses an option line's first option.
TEST(SavedStateFile, EpochAndOptionLinesChooseTheirItem) {
    std::vector<std::string> lines = Lines(StateFileText(SampleState()));
    for (const auto& [text, item] : std::vector<std::pair<std::string, int>>{{"-2696", 0}, {"-2636", 1}, {"0", 1},
                                                                            {"2697", 1}, {"-32768", 1}}) {
        lines[9] = text;
        const StateFileReadResult r = ParseStateFileText(Joined(lines));
        ASSERT_TRUE(r.ok()) << text;
        EXPECT_EQ(r.state.EpochItemIndex(), item) << text;
    }
    lines[2] = "7";
    lines[3] = "0";
    lines[4] = "-1";
    const StateFileReadResult r = ParseStateFileText(Joined(lines));
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.state.forwardChosen);
    EXPECT_FALSE(r.state.plusChosen);
    EXPECT_TRUE(r.state.nextChosen);
    lines[9] = "40000";  // not a 16-bit year
    EXPECT_EQ(ParseStateFileText(Joined(lines)).status, StateFileStatus::BadValue);
}

// A file cut anywhere hands out nothing; cut at a line end it fails at the
// first missing line.
TEST(SavedStateFile, CutAtAnyByteNeverGivesAWrongState) {
    const std::string text = StateFileText(SampleState());
    for (size_t size = 0; size < text.size(); ++size) {
        const std::string_view head = std::string_view(text).substr(0, size);
        const StateFileReadResult r = ParseStateFileText(head);
        if (r.ok()) {
            // Only a cut inside the last number's line end, or one that leaves
            // a shorter but valid last number, can read.
            EXPECT_GE(size, text.size() - 3);
        } else {
            EXPECT_EQ(r.state, SavedState());
        }
        if (size == 0 || head.ends_with("\r\n")) {
            EXPECT_EQ(r.status, StateFileStatus::TooShort) << size;
            EXPECT_EQ(r.line, int(Lines(std::string(head)).size()) + 1) << size;
        }
    }
}

TEST(SavedStateFile, AWrongValueOnAnyLineFailsAtThatLine) {
    const std::vector<std::string> lines = Lines(StateFileText(SampleState()));
    const std::vector<std::string> badForAll = {"", "x", "#TRUE#", "1 2", "99999999999999999999999",
                                                "0x10", "\"5\"", "\"unclosed"};
    for (int line = 1; line <= SavedStateLineCount; ++line) {
        std::vector<std::string> bad = badForAll;
        switch (KindOfLine(line)) {
            case Kind::Moment:
                bad.insert(bad.end(), {"nan", "inf", "-inf", "1e309", "1e300", "625332.49", "2816788.5", "0", "-1",
                                       "2451545,5"});
                break;
            case Kind::Index:
                bad.insert(bad.end(), {"-1", "1.5", "1e3", "100", "32768"});
                break;
            case Kind::Choice: bad.insert(bad.end(), {"1.5", "-"}); break;
            case Kind::Epoch: bad.insert(bad.end(), {"-2696.0", "32768", "-32769"}); break;
            case Kind::Tick: bad.insert(bad.end(), {"-1", "2", "0.5"}); break;
            case Kind::Text:
                bad = {"", "L12", "\"L12", "L12\"", "\"", "\"a\"b\"", "\"a\"\"\"\"b\"\"\"x"};
                break;
        }
        for (const std::string& value : bad) {
            std::vector<std::string> changed = lines;
            changed[static_cast<size_t>(line - 1)] = value;
            const StateFileReadResult r = ParseStateFileText(Joined(changed));
            EXPECT_EQ(r.status, StateFileStatus::BadValue) << "line " << line << ": " << value;
            EXPECT_EQ(r.line, line) << value;
            EXPECT_EQ(r.state, SavedState());
        }
    }
}

TEST(SavedStateFile, ListIndexesUpToTheLastItemAreAccepted) {
    const std::vector<std::string> lines = Lines(StateFileText(SampleState()));
    const std::vector<std::pair<int, std::string>> highest = {
        {2, "8"}, {6, "15"}, {7, "22"}, {8, "3"}, {9, "1"}, {73, "45"}, {74, "5"}, {75, "12"}};
    for (const auto& [line, value] : highest) {
        std::vector<std::string> changed = lines;
        changed[static_cast<size_t>(line - 1)] = value;
        EXPECT_TRUE(ParseStateFileText(Joined(changed)).ok()) << line;
        changed[static_cast<size_t>(line - 1)] = std::to_string(std::stoi(value) + 1);
        EXPECT_EQ(ParseStateFileText(Joined(changed)).line, line);
    }
}

TEST(SavedStateFile, FilesThatAreMissingUnreadableOrHuge) {
    QTemporaryDir dir;
    StateFileReadResult r = ReadStateFile(dir.filePath("absent.usr").toStdString());
    EXPECT_EQ(r.status, StateFileStatus::Missing);
    EXPECT_EQ(r.Describe(), "There is no state file.");
    EXPECT_EQ(ReadStateFile(dir.path().toStdString()).status, StateFileStatus::Unreadable);
    EXPECT_EQ(ReadStateFile("").status, StateFileStatus::Missing);

    const QString empty = dir.filePath("empty.usr");
    WriteRaw(empty, "");
    r = ReadStateFile(empty.toStdString());
    EXPECT_EQ(r.status, StateFileStatus::TooShort);
    EXPECT_EQ(r.line, 1);
    EXPECT_EQ(r.Describe(), "The state file ends before line 1.");

    const QString huge = dir.filePath("huge.usr");
    WriteRaw(huge, StateFileText(SampleState()) + std::string(2 << 20, 'x'));
    EXPECT_EQ(ReadStateFile(huge.toStdString()).status, StateFileStatus::TooLarge);

    const QString binary = dir.filePath("binary.usr");
    std::string noise(5000, '\0');
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919) % 256);
    WriteRaw(binary, noise);
    r = ReadStateFile(binary.toStdString());
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.state, SavedState());
}

TEST(SavedStateFile, AFolderThatCannotBeWrittenGivesTheSaveMessage) {
    QTemporaryDir dir;
    // An ordinary file where the folder should be (permissions alone do not
    // stop a test running as root).
    WriteRaw(dir.filePath("Corvane_Systems"), "not a folder");
    const StateFileWriteResult r = WriteStateFile(dir.filePath("Corvane_Systems/orbel.usr").toStdString(), SampleState());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.rfind(SaveErrorPrefix, 0), 0u) << r.message;
    EXPECT_GT(r.message.size(), SaveErrorPrefix.size()) << "the system's reason follows";
    EXPECT_EQ(WriteStateFile(dir.path().toStdString(), SampleState()).ok, false);  // a folder's path
}

TEST(SavedStateFile, ARefusedSaveLeavesThePreviousFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("orbel.usr");
    ASSERT_TRUE(WriteStateFile(path.toStdString(), SampleState()).ok);
    const std::string before = testing::FileText(path.toStdString());

    std::vector<SavedState> unsavable(6, SampleState());
    unsavable[0].CurrentAJD = std::numeric_limits<double>::quiet_NaN();
    unsavable[1].CurrentAJD = 1e300;
    unsavable[2].moveStepIndex = 16;
    unsavable[3].zoneLabels[3] = "two\r\nlines";
    unsavable[4].zoneLabels[3] = "one\nline feed";
    unsavable[5].searchRows[2].animalIndex = -1;
    for (const SavedState& s : unsavable) {
        const StateFileWriteResult r = WriteStateFile(path.toStdString(), s);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message.rfind(SaveErrorPrefix, 0), 0u) << r.message;
        EXPECT_EQ(testing::FileText(path.toStdString()), before);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"orbel.usr"});
}

}  // namespace
}  // namespace orbel
