#pragma once
// A window whose controls hold still under the mouse: hidden controls keep
// their room, texts that change do not steer the layout, the window keeps the
// size its contents ask for, and Tab moves through the controls in reading
// order. The window lays itself out as usual; these only pin the result.
#include <QLabel>
#include <QWidget>

#include <vector>

namespace orbel {

// Every control of `window` keeps its room when it is hidden, so nothing
// moves when a control appears or goes.
void KeepRoomOfHiddenControls(QWidget* window);

// A label whose text changes takes the room the layout gives it, at least
// `minimumWidth` pixels, instead of asking for the width of its text.
void SizeLabelByRoom(QLabel* label, int minimumWidth);

// Fixes `window` at the size its layout asks for.
void FixSizeToContents(QWidget* window);

// Tab moves through `sections` in the order given, then through the window's
// other controls; within each, row by row from the top and each row from the
// left, as the controls stand on the screen.
void SetReadingTabOrder(QWidget* window, const std::vector<QWidget*>& sections);

}  // namespace orbel
