#pragma once
// The read-only text box of the help and credits windows.
#include <QPlainTextEdit>
#include <string>

namespace orbel {

// A read-only, word-wrapping text box named `name`.
QPlainTextEdit* MakeReadOnlyText(QWidget* parent, const char* name);
// Shows `text` (UTF-8) unless the box already shows it, so that mirroring
// keeps the reader's scroll position.
void ShowReadOnlyText(QPlainTextEdit* box, const std::string& text);

}  // namespace orbel
