#pragma once
// The main window's model started as the program starts it, without a
// screen: China, the clock at noon GMT on 2000-01-01, the user's answers
// scripted and the automatic log entries recorded.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "app/main_window_model.h"
#include "support/scripted_user_port.h"

namespace orbel::testing {

inline constexpr double Y2000Noon = 2451545.0;  // 2000-01-01 12:00 GMT

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override { Start("1"); }

    // A fresh model loaded with `storedCountry` as the settings store holds it.
    void Start(std::string_view storedCountry, double now = Y2000Noon) {
        port.messages.clear();
        model = std::make_unique<MainWindowModel>(port);
        model->clock = [now] { return now; };
        model->links.AutoLog = [this](int16_t& op) { autoLogs.push_back(op); };
        model->Load(storedCountry);
        autoLogs.clear();
    }
    // Types `text` into the date box and presses Convert.
    void Convert(std::string_view text) {
        port.messages.clear();
        model->SetDateText(text);
        model->cmdCompute_Click();
    }
    // Shows the moment `ajd` as the program does after a move or a search.
    void Show(double ajd) {
        model->state.CurrentAJD = ajd;
        model->DisplayDatesAndTimes();
    }
    void ChooseCountry(int country) {
        model->cboRefLong.listIndex = country;
        model->cboRefLong_Click();
    }
    // Exactly one message shown, with its icon when `icon` is given.
    void ExpectOneMessage(std::string_view title, std::string_view text, std::optional<MessageIcon> icon = {}) {
        ASSERT_EQ(port.messages.size(), 1u) << text;
        EXPECT_EQ(port.messages[0].title, title);
        EXPECT_EQ(port.messages[0].text, text);
        if (icon) {
            EXPECT_EQ(port.messages[0].icon, *icon);
        }
    }

    ScriptedUserPort port;
    std::unique_ptr<MainWindowModel> model;
    std::vector<int16_t> autoLogs;
};

}  // namespace orbel::testing
