#include "ui/frm_data.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include "ui/mirror.h"
#include "ui/widget_maker.h"

namespace orbel {
namespace {

// The model's lines end in CRLF; the text box wants bare line feeds.
QString ShownText(std::string_view text) {
    QString shown = ToQString(text);
    shown.remove(QChar('\r'));
    return shown;
}

// A long list repaints its text at most this often.
constexpr qint64 RepaintMilliseconds = 100;

}  // namespace

FrmData::FrmData(DataWindowModel& model, QWidget* parent) : QWidget(parent, Qt::Window), model_(model) {
    setObjectName("frmData");
    if (const QScreen* s = screen()) {
        model_.screenWidth = s->availableGeometry().width();
        model_.screenHeight = s->availableGeometry().height();
        model_.SetWindowSize();
    }
    BuildWidgets();
    Connect();
    sinceRepaint_.start();
    model_.repaint = [this] {
        if (sinceRepaint_.elapsed() < RepaintMilliseconds) return;
        Mirror();
        sinceRepaint_.restart();
    };
    model_.showText = [this] { Mirror(); };
    Mirror();
}

void FrmData::BuildWidgets() {
    WidgetMaker make(this, mirrors_);
    DataWindowModel& m = model_;
    txbText = new QPlainTextEdit(this);
    txbText->setObjectName("txbText");
    txbText->setReadOnly(true);
    txbText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txbText->setLineWrapMode(QPlainTextEdit::NoWrap);
    txbText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txbText->viewport()->installEventFilter(this);

    cmdCopyToClipboard = make.Button("cmdCopyToClipboard", m.cmdCopyToClipboard);
    cmdClose = make.Button("cmdClose", m.cmdClose);
    cmdStop = make.Button("cmdStop", m.cmdStop);
    cmdList = make.Button("cmdList", m.cmdList);
    cmdExport = make.Button("cmdExport", m.cmdExport);
    cmdCalendarExport = new QPushButton(QStringLiteral("Export to calendar..."), this);
    cmdCalendarExport->setObjectName("cmdCalendarExport");
    txbNumYears = make.LineEdit("txbNumYears", m.txbNumYears);
    txbNumYears->setMaximumWidth(80);
    lblYears = make.Label("lblYears", m.lblYears);
    chkIncludeMajorSolarTerms = make.Check("chkIncludeMajorSolarTerms", m.chkIncludeMajorSolarTerms);
    chkIncludeMinorSolarTerms = make.Check("chkIncludeMinorSolarTerms", m.chkIncludeMinorSolarTerms);
    chkDisplaySolarTermNames = make.Check("chkDisplaySolarTermNames", m.chkDisplaySolarTermNames);
    chkLeapMonthsOnly = make.Check("chkLeapMonthsOnly", m.chkLeapMonthsOnly);
    chkOmitInvalidDates = make.Check("chkOmitInvalidDates", m.chkOmitInvalidDates);
    chkLargeWindow = make.Check("chkLargeWindow", m.chkLargeWindow);
    fraEuroCal = new QGroupBox(ToQString(m.fraEuroCal.caption), this);
    fraEuroCal->setObjectName("fraEuroCal");
    optCE = make.Option("optCE", m.optCE, fraEuroCal);
    optJC = make.Option("optJC", m.optJC, fraEuroCal);

    LayOutWidgets();
}

// The text on top; the solar-term boxes, the list's controls and the window's
// buttons in rows below it.
void FrmData::LayOutWidgets() {
    auto* euro = new QHBoxLayout(fraEuroCal);
    euro->addWidget(optCE);
    euro->addWidget(optJC);

    auto* terms = new QHBoxLayout;
    for (QWidget* w : {chkIncludeMajorSolarTerms, chkIncludeMinorSolarTerms, chkDisplaySolarTermNames})
        terms->addWidget(w);
    terms->addStretch();
    auto* list = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdList, txbNumYears, lblYears, chkLeapMonthsOnly,
                                                      chkOmitInvalidDates})
        list->addWidget(w);
    list->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fraEuroCal);
    buttons->addWidget(chkLargeWindow);
    buttons->addStretch();
    for (QWidget* w : {cmdCalendarExport, cmdExport, cmdCopyToClipboard, cmdStop, cmdClose}) buttons->addWidget(w);
    auto* all = new QVBoxLayout(this);
    all->addWidget(txbText, 1);
    all->addLayout(terms);
    all->addLayout(list);
    all->addLayout(buttons);
}

void FrmData::Act(const std::function<void()>& procedure) {
    if (mirroring_) return;  // a widget changed because the model did
    procedure();
    Mirror();
}

void FrmData::ReadSelection() {
    QString selected = txbText->textCursor().selectedText();
    selected.replace(QChar(0x2029), QStringLiteral("\r\n"));  // Qt's paragraph separator
    model_.txbTextSelection = selected.toUtf8().toStdString();
}

void FrmData::Connect() {
    DataWindowModel& m = model_;
    auto onButton = [this](QPushButton* w, void (DataWindowModel::*handler)()) {
        connect(w, &QPushButton::clicked, this, [this, handler] { Act([this, handler] { (model_.*handler)(); }); });
    };
    connect(cmdCopyToClipboard, &QPushButton::clicked, this, [this] {
        ReadSelection();
        Act([this] { model_.cmdCopyToClipboard_Click(); });
    });
    onButton(cmdStop, &DataWindowModel::cmdStop_Click);
    onButton(cmdList, &DataWindowModel::cmdList_Click);
    onButton(cmdExport, &DataWindowModel::cmdExport_Click);
    connect(cmdCalendarExport, &QPushButton::clicked, this, [this] { openCalendarExport(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] {
        Act([this] { model_.cmdClose_Click(); });
        if (!model_.visible) mirrorMainWindow();
    });
    auto onCheck = [this](QCheckBox* w, CheckBox& control, void (DataWindowModel::*handler)()) {
        connect(w, &QCheckBox::clicked, this, [this, &control, handler](bool checked) {
            Act([this, &control, handler, checked] {
                control.value = checked;
                if (handler) (model_.*handler)();
            });
        });
    };
    onCheck(chkIncludeMajorSolarTerms, m.chkIncludeMajorSolarTerms, &DataWindowModel::chkIncludeMajorSolarTerms_Click);
    onCheck(chkIncludeMinorSolarTerms, m.chkIncludeMinorSolarTerms, &DataWindowModel::chkIncludeMinorSolarTerms_Click);
    onCheck(chkDisplaySolarTermNames, m.chkDisplaySolarTermNames, &DataWindowModel::chkDisplaySolarTermNames_Click);
    onCheck(chkLargeWindow, m.chkLargeWindow, &DataWindowModel::chkLargeWindow_Click);
    onCheck(chkLeapMonthsOnly, m.chkLeapMonthsOnly, nullptr);
    onCheck(chkOmitInvalidDates, m.chkOmitInvalidDates, nullptr);
    connect(optCE, &QRadioButton::clicked, this, [this] { Act([this] { model_.optCE_Click(); }); });
    connect(optJC, &QRadioButton::clicked, this, [this] { Act([this] { model_.optJC_Click(); }); });
    connect(txbNumYears, &QLineEdit::textEdited, this,
            [this](const QString& text) { Act([this, text] { model_.txbNumYears.text = text.toUtf8().toStdString(); }); });
    connect(txbNumYears, &QLineEdit::returnPressed, this, [this] { Act([this] { model_.txbNumYears_KeyPress(13); }); });
    connect(txbText, &QPlainTextEdit::selectionChanged, this, [this] { ReadSelection(); });
    // The reader's place: without wrapping, the scroll bar counts lines.
    connect(txbText->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int line) {
        if (mirroring_) return;
        model_.topLine = shownTopLine_ = line;
    });
}

bool FrmData::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txbText->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ReadSelection();
        Act([this] { model_.txbText_MouseUp(); });
    }
    return QWidget::eventFilter(watched, event);
}

void FrmData::closeEvent(QCloseEvent* event) {
    event->ignore();  // the model decides; it hides the window
    Act([this] { model_.Form_QueryUnload(); });
    if (!model_.visible) mirrorMainWindow();
}

void FrmData::MirrorText() {
    const std::string& text = model_.txbText.text;
    if (shownGeneration_ != model_.textGeneration || text.size() < shownBytes_) {
        txbText->setPlainText(ShownText(text));
        shownGeneration_ = model_.textGeneration;
        shownTopLine_ = -1;
    } else if (text.size() > shownBytes_) {
        // A list growing under the reader's eyes leaves them where they are.
        QTextCursor end(txbText->document());
        end.movePosition(QTextCursor::End);
        end.insertText(ShownText(std::string_view(text).substr(shownBytes_)));
    }
    shownBytes_ = text.size();
    if (shownTopLine_ != model_.topLine) {
        // The model's first line at the top, the caret at its start.
        txbText->setTextCursor(QTextCursor(txbText->document()->findBlockByLineNumber(model_.topLine)));
        txbText->verticalScrollBar()->setValue(model_.topLine);
        shownTopLine_ = model_.topLine;
    }
}

void FrmData::Mirror() {
    mirroring_ = true;
    setWindowTitle(ToQString(model_.caption));
    for (const auto& mirror : mirrors_) mirror();
    MirrorText();
    if (model_.width != appliedWidth_ || model_.height != appliedHeight_) {
        resize(model_.width, model_.height);
        appliedWidth_ = model_.width;
        appliedHeight_ = model_.height;
    }
    if (model_.visible != isVisible()) {
        setVisible(model_.visible);
        if (model_.visible) raise();
    }
    if (QWidget* w = model_.focus.empty() ? nullptr : findChild<QWidget*>(ToQString(model_.focus)); w && isVisible()) {
        activateWindow();
        w->setFocus();
        model_.focus.clear();
    }
    mirroring_ = false;
}

}  // namespace orbel
