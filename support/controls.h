#pragma once
// What a control of a window holds, without the toolkit: the Qt windows mirror
// these values and forward their events to the window's model.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/colour.h"

namespace orbel {

struct Control {
    bool visible = true;
    bool enabled = true;
    std::string toolTip;
    Rgb backColour{};
    Rgb foreColour = Black;
};

struct Label : Control {
    std::string caption;
};

struct Button : Control {
    std::string caption;
};

struct TextBox : Control {
    std::string text;
    int selStart = 0;  // caret position
};

struct CheckBox : Control {
    std::string caption;
    bool value = false;
};

struct OptionButton : Control {
    std::string caption;
    bool value = false;
};

struct ComboBox : Control {
    std::vector<std::string> items;
    std::vector<int> itemData;  // one per item
    int listIndex = -1;         // -1: nothing chosen

    int ListCount() const { return static_cast<int>(items.size()); }
    // The chosen item's text, or the empty text.
    std::string Text() const {
        return listIndex >= 0 && listIndex < ListCount() ? items[static_cast<size_t>(listIndex)] : std::string();
    }
    void SetItems(std::vector<std::string> texts) {
        items = std::move(texts);
        itemData.assign(items.size(), 0);
        if (listIndex >= ListCount()) listIndex = -1;
    }
};

// A picture box showing one image of a numbered set (the stem and branch
// pictures); 0 when none is shown.
struct Picture : Control {
    int image = 0;
};

}  // namespace orbel
