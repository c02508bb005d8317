#include "ui/text_window.h"

#include "support/qt_text.h"

namespace orbel {

QPlainTextEdit* MakeReadOnlyText(QWidget* parent, const char* name) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setWordWrapMode(QTextOption::WordWrap);
    return box;
}

void ShowReadOnlyText(QPlainTextEdit* box, const std::string& text) {
    const QString shown = ToQString(text);
    if (box->toPlainText() != shown) box->setPlainText(shown);
}

}  // namespace orbel
