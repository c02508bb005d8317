#pragma once
// The main window and the data window connected as in the program, without a
// screen, and the golden texts the data window is compared with.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/data_window_link.h"
#include "app/main_window_model.h"
#include "support/scripted_user_port.h"
#include "support/language.h"
#include "tests/golden.h"
#include "views/data_window.h"

namespace orbel::testing {

// The golden file data_window/`name` (lines ending in LF) compared with a
// window text (lines ending in CRLF).
inline void ExpectWindowGolden(const std::string& name, const std::string& text) {
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), std::count(text.begin(), text.end(), '\n'))
        << "every line of " << name << " ends in CRLF";
    std::string lf = text;
    std::erase(lf, '\r');
    ExpectGolden("data_window/" + name, lf);
}

class DataWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(LoadProgramText(ORBEL_LIBRARY_FOLDER), std::nullopt);
        main = std::make_unique<MainWindowModel>(port);
        main->Load("1");
        data = std::make_unique<DataWindowModel>(port);
        ConnectDataWindow(*main, *data);
        data->calendarStamp = [] { return std::string("20260101T000000Z"); };
    }

    // Types `text` into the main window's date box and converts it.
    void Show(std::string_view text) {
        main->SetDateText(text);
        main->cmdCompute_Click();
        ASSERT_TRUE(port.messages.empty()) << text << ": " << port.messages.front().text;
    }

    // The main window's list button of `kind` with `years` in the box.
    void List(int16_t kind, std::string_view years) {
        data->txbNumYears.text = years;
        data->ListKind = kind;
        data->cmdList_Click();
    }

    ScriptedUserPort port;
    std::unique_ptr<MainWindowModel> main;
    std::unique_ptr<DataWindowModel> data;
};

}  // namespace orbel::testing
