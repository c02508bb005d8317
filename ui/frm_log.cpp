#include "ui/frm_log.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

#include "support/qt_text.h"
#include "ui/mirror.h"

namespace orbel {

namespace {

// The log ends its lines with CRLF; the text box shows them as line breaks.
QString Shown(const std::string& text) {
    QString shown = ToQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

QFont LogFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);  // any fixed-pitch font where Courier New is missing
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
}

void MirrorButton(QPushButton* w, const Button& m) {
    w->setText(ToQString(m.caption));
    w->setEnabled(m.enabled);
    w->setVisible(m.visible);
}

}  // namespace

FrmLog::FrmLog(LogWindowModel& model, QWidget* parent) : ActingWindow(parent, Qt::Window), model_(model) {
    setObjectName("frmLog");
    txbText = new QPlainTextEdit(this);
    txbText->setObjectName("txbText");
    txbText->setReadOnly(true);
    txbText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txbText->setLineWrapMode(QPlainTextEdit::NoWrap);
    txbText->setFont(LogFont());
    txbText->viewport()->installEventFilter(this);
    auto button = [this](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        return b;
    };
    cmdClear = button("cmdClear");
    cmdCopyToClipboard = button("cmdCopyToClipboard");
    cmdSaveLog = button("cmdSaveLog");
    cmdClose = button("cmdClose");
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {cmdClear, cmdCopyToClipboard, cmdSaveLog, cmdClose}) row->addWidget(b);
    row->addStretch();
    auto* all = new QVBoxLayout(this);
    all->addWidget(txbText, 1);
    all->addLayout(row);
    resize(640, 480);

    connect(cmdClear, &QPushButton::clicked, this, [this] { Act([this] { model_.cmdClear_Click(); }); });
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, [this] {
        Act([this] {
            TakeSelection();
            model_.cmdCopyToClipboard_Click();
        });
    });
    connect(cmdSaveLog, &QPushButton::clicked, this, [this] { Act([this] { model_.cmdSaveLog_Click(); }); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { Act([this] { model_.cmdClose_Click(); }); });
    Mirror();
}

void FrmLog::TakeSelection() {
    QString selected = txbText->textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    model_.selectedText = selected.toUtf8().toStdString();
}

void FrmLog::Mirror() {
    setWindowTitle(ToQString(model_.caption));
    const QString text = Shown(model_.txbText.text);
    if (txbText->toPlainText() != text) {
        txbText->setPlainText(text);
        // The caret at the end, where the newest entry is.
        txbText->moveCursor(QTextCursor::End);
        txbText->verticalScrollBar()->setValue(txbText->verticalScrollBar()->maximum());
    }
    MirrorButton(cmdClear, model_.cmdClear);
    MirrorButton(cmdCopyToClipboard, model_.cmdCopyToClipboard);
    MirrorButton(cmdSaveLog, model_.cmdSaveLog);
    MirrorButton(cmdClose, model_.cmdClose);
    cmdSaveLog->setEnabled(model_.cmdSaveLog.enabled && !model_.Text().empty());
    MirrorShown(model_.visible);
    MirrorFocus(this, model_.focus);
}

// Releasing the left button in the text: the copy button says what it copies.
bool FrmLog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txbText->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const bool handled = QWidget::eventFilter(watched, event);
        Act([this] {
            TakeSelection();
            model_.txbText_MouseUp();
        });
        return handled;
    }
    return QWidget::eventFilter(watched, event);
}

// Only the frame closes the window this way: the buttons hide it.
void FrmLog::closeEvent(QCloseEvent* event) {
    event->ignore();
    Act([this] { model_.Form_QueryUnload(); });
}

}  // namespace orbel
