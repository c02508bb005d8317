#include "app/saved_state_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "dates/date_entry.h"

namespace orbel {
namespace {

constexpr std::string_view LineEnd = "\r\n";
// A state file is about 2 KB; anything far larger is not one.
constexpr qint64 MaxStateFileBytes = 1 << 20;

// Highest index of each list (all lists start at 0).
constexpr int MaxCalendarRow = 8;
constexpr int MaxMoveStep = 15;
constexpr int MaxTarget = 22;
constexpr int MaxRefreshPeriod = 3;
constexpr int MaxMethod = 1;
constexpr int MaxLongitude = 45;
constexpr int MaxElementItem = 5;   // the empty item included
constexpr int MaxAnimalItem = 12;   // the empty item included

std::optional<int64_t> WholeNumber(std::string_view text) {
    text = Trim(text);
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Reads the lines one value at a time; the first failure stops it and is kept.
class ValueReader {
public:
    explicit ValueReader(std::string_view text) {
        while (!text.empty()) {
            const size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            if (line.ends_with('\r')) line.remove_suffix(1);
            lines_.push_back(line);
            if (lines_.size() == static_cast<size_t>(SavedStateLineCount)) break;
        }
    }

    bool Moment(double& out, double lowest, double highest) {
        const std::optional<std::string_view> line = Next();
        if (!line) return false;
        const std::string_view text = Trim(*line);
        double value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) ||
            value < lowest || value > highest)
            return Bad();
        out = value;
        return true;
    }

    bool Index(int16_t& out, int lowest, int highest) {
        const std::optional<std::string_view> line = Next();
        if (!line) return false;
        const std::optional<int64_t> value = WholeNumber(*line);
        if (!value || *value < lowest || *value > highest) return Bad();
        out = static_cast<int16_t>(*value);
        return true;
    }

    // An option choice: any whole number, nonzero for the first option.
    bool Choice(bool& out) {
        const std::optional<std::string_view> line = Next();
        if (!line) return false;
        const std::optional<int64_t> value = WholeNumber(*line);
        if (!value) return Bad();
        out = *value != 0;
        return true;
    }

    // A check box: 0 or 1.
    bool Tick(bool& out) {
        int16_t value = 0;
        if (!Index(value, 0, 1)) return false;
        out = value == 1;
        return true;
    }

    bool Text(std::string& out) {
        const std::optional<std::string_view> line = Next();
        if (!line) return false;
        const std::string_view quoted = Trim(*line);
        if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') return Bad();
        std::string text;
        const std::string_view inner = quoted.substr(1, quoted.size() - 2);
        for (size_t i = 0; i < inner.size(); ++i) {
            if (inner[i] == '"') {
                if (i + 1 >= inner.size() || inner[i + 1] != '"') return Bad();
                ++i;
            }
            text += inner[i];
        }
        out = std::move(text);
        return true;
    }

    StateFileStatus status() const { return status_; }
    int failedLine() const { return failedLine_; }

private:
    std::optional<std::string_view> Next() {
        if (next_ >= lines_.size()) {
            status_ = StateFileStatus::TooShort;
            failedLine_ = static_cast<int>(next_) + 1;
            return std::nullopt;
        }
        return lines_[next_++];
    }
    bool Bad() {
        status_ = StateFileStatus::BadValue;
        failedLine_ = static_cast<int>(next_);
        return false;
    }

    std::vector<std::string_view> lines_;
    size_t next_ = 0;
    StateFileStatus status_ = StateFileStatus::Ok;
    int failedLine_ = 0;
};

bool ReadAllValues(ValueReader& in, SavedState& s) {
    constexpr int16_t Low = std::numeric_limits<int16_t>::min();
    constexpr int16_t High = std::numeric_limits<int16_t>::max();
    if (!in.Moment(s.CurrentAJD, SavedEarliestAJD, SavedLatestAJD)) return false;
    if (!in.Index(s.InputCalendar, 0, MaxCalendarRow)) return false;
    if (!in.Choice(s.forwardChosen) || !in.Choice(s.plusChosen) || !in.Choice(s.nextChosen)) return false;
    if (!in.Index(s.moveStepIndex, 0, MaxMoveStep) || !in.Index(s.targetIndex, 0, MaxTarget) ||
        !in.Index(s.refreshPeriodIndex, 0, MaxRefreshPeriod) || !in.Index(s.methodIndex, 0, MaxMethod))
        return false;
    if (!in.Index(s.epochYear, Low, High)) return false;
    for (bool& tick : s.logTicks)
        if (!in.Tick(tick)) return false;
    if (!in.Tick(s.showPantheon) || !in.Tick(s.showChronologicalJDs) || !in.Tick(s.autoLog)) return false;
    for (std::string& label : s.zoneLabels)
        if (!in.Text(label)) return false;
    if (!in.Index(s.longitudeIndex, 0, MaxLongitude)) return false;
    for (ElementAnimalChoice& row : s.searchRows)
        if (!in.Index(row.elementIndex, 0, MaxElementItem) || !in.Index(row.animalIndex, 0, MaxAnimalItem))
            return false;
    return true;
}

std::string MomentText(double moment) {
    char buffer[64];
    // Fixed notation, as few digits as give the same double back.
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, moment, std::chars_format::fixed);
    return error == std::errc() ? std::string(buffer, end) : std::string("nan");
}

std::string QuotedText(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

StateFileWriteResult WriteFailure(const std::string& reason) {
    return StateFileWriteResult{false, std::string(SaveStateErrorText) + reason};
}

}  // namespace

std::string StateFileReadResult::Describe() const {
    switch (status) {
        case StateFileStatus::Ok: return "The state was read.";
        case StateFileStatus::Missing: return "There is no state file.";
        case StateFileStatus::Unreadable: return "The state file cannot be read.";
        case StateFileStatus::TooLarge: return "The file is too large to be a state file.";
        case StateFileStatus::TooShort: return "The state file ends before line " + std::to_string(line) + ".";
        case StateFileStatus::BadValue:
            return "Line " + std::to_string(line) + " of the state file holds no valid value.";
    }
    return {};
}

std::string StateFileText(const SavedState& s) {
    std::string text;
    auto line = [&text](const std::string& value) { text += value + std::string(LineEnd); };
    auto number = [&line](int value) { line(std::to_string(value)); };
    auto choice = [&line](bool value) { line(value ? "-1" : "0"); };
    auto tick = [&line](bool value) { line(value ? "1" : "0"); };
    line(MomentText(s.CurrentAJD));
    number(s.InputCalendar);
    choice(s.forwardChosen);
    choice(s.plusChosen);
    choice(s.nextChosen);
    number(s.moveStepIndex);
    number(s.targetIndex);
    number(s.refreshPeriodIndex);
    number(s.methodIndex);
    number(s.epochYear);
    for (bool t : s.logTicks) tick(t);
    tick(s.showPantheon);
    tick(s.showChronologicalJDs);
    tick(s.autoLog);
    for (const std::string& label : s.zoneLabels) line(QuotedText(label));
    number(s.longitudeIndex);
    for (const ElementAnimalChoice& row : s.searchRows) {
        number(row.elementIndex);
        number(row.animalIndex);
    }
    return text;
}

StateFileReadResult ParseStateFileText(std::string_view text) {
    ValueReader reader(text);
    StateFileReadResult result;
    SavedState state;
    if (!ReadAllValues(reader, state)) {
        result.status = reader.status();
        result.line = reader.failedLine();
        return result;
    }
    result.status = StateFileStatus::Ok;
    result.state = std::move(state);
    return result;
}

StateFileWriteResult WriteStateFile(const std::string& path, const SavedState& state) {
    const std::string text = StateFileText(state);
    // Whatever would not read back is refused before the old file is touched.
    const StateFileReadResult check = ParseStateFileText(text);
    if (!check.ok() || !(check.state == state))
        return WriteFailure("the value for line " + std::to_string(check.line) + " cannot be stored.");

    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return WriteFailure(file.errorString().toStdString());
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        const std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        return WriteFailure(reason);
    }
    if (!file.commit()) return WriteFailure(file.errorString().toStdString());
    return StateFileWriteResult{true, {}};
}

StateFileReadResult ReadStateFile(const std::string& path) {
    StateFileReadResult result;
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (!info.exists()) {
        result.status = StateFileStatus::Missing;
        return result;
    }
    QFile file(name);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        result.status = StateFileStatus::Unreadable;
        return result;
    }
    if (file.size() > MaxStateFileBytes) {
        result.status = StateFileStatus::TooLarge;
        return result;
    }
    const QByteArray bytes = file.read(MaxStateFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.status = StateFileStatus::Unreadable;
        return result;
    }
    if (bytes.size() > MaxStateFileBytes) {
        result.status = StateFileStatus::TooLarge;
        return result;
    }
    return ParseStateFileText(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace orbel
