#include "printing/KivoraPrintA.h"
#include "printing/PrintChoices.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"
#include "printing/KivoraPrintS.h"
#include "printing/LayoutTables.h"
#include "printing/PrintOutput.h"
#include "printing/PrinterCanvas.h"
#include "printing/PrinterService.h"
#include "printing/TitleLabel.h"
#include "widgets/WidgetRoutines.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const QString JobName = QStringLiteral("宛名印刷");

} // namespace

KivoraPrintA::KivoraPrintA(AppState& state, PrinterService& service, QList<bool> marks,
                           QWidget* parent)
    : QDialog(parent), m_state(state), m_service(service), m_marks(std::move(marks)) {
    setObjectName(QStringLiteral("KivoraPrintA"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(JobName);
    {
        BusyCursor busy;
        buildControls();
        layOut();
        restoreSettings();
        loadSheets();
    }
    CenterForm(this, parent ? parent->window() : nullptr);
}

KivoraPrintA::~KivoraPrintA() = default;

void KivoraPrintA::buildControls() {
    ListPrintA = new QListWidget(this);
    ListPrintA->setObjectName(QStringLiteral("ListPrintA"));
    ListPrintA->setSelectionMode(QAbstractItemView::SingleSelection);
    ListPrintA->setMinimumSize(220, 160);
    connect(ListPrintA, &QListWidget::itemSelectionChanged, this, &KivoraPrintA::sheetSelected);

    const QString titles[LabelTitleIndex::Count] = {QStringLiteral("左端"), QStringLiteral("上端"),
                                                    QStringLiteral("用紙種類(&T)")};
    for (int i = 0; i < LabelTitleIndex::Count; ++i) {
        LabelTitle[i] = TitleLabel(titles[i], this);
        LabelTitle[i]->setObjectName(QStringLiteral("LabelTitle%1").arg(i));
    }
    LabelTitle[LabelTitleIndex::Paper]->setBuddy(ListPrintA);

    const QString frames[LabelFrame::Count] = {
        QStringLiteral("フォント種類(&F)"), QStringLiteral("印字位置調整(&M)"),
        QStringLiteral("顧客担当者(&C)"), QStringLiteral("印字開始タック番号(&L)")};
    for (int i = 0; i < LabelFrame::Count; ++i) {
        FramePrintA[i] = new QGroupBox(frames[i], this);
        FramePrintA[i]->setObjectName(QStringLiteral("FramePrintA%1").arg(i));
    }
    OptionFont = PrintChoices::FontOptions(FramePrintA[LabelFrame::Font]);
    OptionCharge = PrintChoices::ContactOptions(FramePrintA[LabelFrame::Contact]);

    // The sheet: a sheet of paper with one start button per label over it.
    Shape1[0] = new QFrame(FramePrintA[LabelFrame::Start]);
    Shape1[0]->setObjectName(QStringLiteral("Shape1_0"));
    Shape1[0]->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1[0]->setAutoFillBackground(true);
    QPalette paper = Shape1[0]->palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    Shape1[0]->setPalette(paper);
    Shape1[0]->setFixedSize(126, 178); // A4 in proportion
    Shape1[1] = new QFrame(Shape1[0]);
    Shape1[1]->setObjectName(QStringLiteral("Shape1_1"));
    Shape1[1]->setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* sheet = new QVBoxLayout(Shape1[0]);
    sheet->setContentsMargins(6, 8, 6, 8);
    sheet->addWidget(Shape1[1]);
    new QGridLayout(Shape1[1]);

    const QString print = QStringLiteral("を印字する");
    CheckPrintA[LabelCheck::SameCustomer] =
        new QCheckBox(QStringLiteral("１頁に同一顧客を出力する(&A)"), this);
    CheckPrintA[LabelCheck::Code] =
        new QCheckBox(QStringLiteral("顧客番号") + print + QStringLiteral("(&N)"), this);
    CheckPrintA[LabelCheck::Phone] =
        new QCheckBox(QStringLiteral("顧客ＴＥＬ") + print + QStringLiteral("(&H)"), this);
    for (int i = 0; i < LabelCheck::Count; ++i)
        CheckPrintA[i]->setObjectName(QStringLiteral("CheckPrintA%1").arg(i));

    for (int i = 0; i < LabelAdjust::Count; ++i) {
        const PrintChoices::AdjustRow row =
            PrintChoices::MakeAdjustRow(FramePrintA[LabelFrame::Adjust], QStringLiteral("A"), i);
        ScrollPrintA[i] = row.scroll;
        LabelPrintA[i] = row.value;
        Label1[i] = row.unit;
    }

    BtnPrinter = new QPushButton(QStringLiteral("プリンタ設定(&P)"), this);
    BtnPreview = new QPushButton(QStringLiteral("プレビュー(&V)"), this);
    BtnPdf = new QPushButton(QStringLiteral("PDFに保存(&O)"), this);
    BtnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    BtnStart = new QPushButton(QStringLiteral("開始(&S)"), this);
    BtnPrinter->setObjectName(QStringLiteral("BtnPrinter"));
    BtnPreview->setObjectName(QStringLiteral("BtnPreview"));
    BtnPdf->setObjectName(QStringLiteral("BtnPdf"));
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnStart->setObjectName(QStringLiteral("BtnStart"));
    for (QPushButton* button : {BtnPrinter, BtnPreview, BtnPdf, BtnCancel})
        button->setAutoDefault(false);
    BtnStart->setDefault(true);
    connect(BtnPrinter, &QPushButton::clicked, this, &KivoraPrintA::SetUpPrinter);
    connect(BtnPreview, &QPushButton::clicked, this, &KivoraPrintA::Preview);
    connect(BtnPdf, &QPushButton::clicked, this, &KivoraPrintA::SaveAsPdf);
    connect(BtnCancel, &QPushButton::clicked, this, &KivoraPrintA::Cancel);
    connect(BtnStart, &QPushButton::clicked, this, &KivoraPrintA::Start);
}

void KivoraPrintA::layOut() {
    auto* fonts = new QHBoxLayout(FramePrintA[LabelFrame::Font]);
    fonts->addWidget(OptionFont[FontChoice::Mincho]);
    fonts->addWidget(OptionFont[FontChoice::Gothic]);
    fonts->addStretch();
    auto* adjust = new QGridLayout(FramePrintA[LabelFrame::Adjust]);
    for (int i = 0; i < LabelAdjust::Count; ++i) {
        adjust->addWidget(LabelTitle[i], i, 0); // LabelTitleIndex::Left and Top
        adjust->addWidget(ScrollPrintA[i], i, 1);
        adjust->addWidget(LabelPrintA[i], i, 2);
        adjust->addWidget(Label1[i], i, 3);
    }
    adjust->setColumnStretch(1, 1);
    auto* contact = new QVBoxLayout(FramePrintA[LabelFrame::Contact]);
    for (QRadioButton* o : OptionCharge)
        contact->addWidget(o);
    auto* start = new QHBoxLayout(FramePrintA[LabelFrame::Start]);
    start->addStretch();
    start->addWidget(Shape1[0]);
    start->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(LabelTitle[LabelTitleIndex::Paper]);
    left->addWidget(ListPrintA, 1);
    left->addWidget(FramePrintA[LabelFrame::Start]);
    auto* right = new QVBoxLayout;
    for (QCheckBox* check : CheckPrintA)
        right->addWidget(check);
    right->addWidget(FramePrintA[LabelFrame::Contact]);
    right->addWidget(FramePrintA[LabelFrame::Adjust]);
    right->addWidget(FramePrintA[LabelFrame::Font]);
    right->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtnPrinter);
    buttons->addWidget(BtnPreview);
    buttons->addWidget(BtnPdf);
    buttons->addStretch();
    buttons->addWidget(BtnStart);
    buttons->addWidget(BtnCancel);
    auto* root = new QVBoxLayout(this);
    root->addLayout(body, 1);
    root->addLayout(buttons);
}

void KivoraPrintA::restoreSettings() {
    const LabelOptions stored = LabelOptions::Read(*m_state.settings);
    const int adjust[LabelAdjust::Count] = {stored.Left, stored.Top};
    for (int i = 0; i < LabelAdjust::Count; ++i) {
        ScrollPrintA[i]->setValue(adjust[i]); // the scroll bar keeps it within ±20
        LabelPrintA[i]->setText(QString::number(ScrollPrintA[i]->value()));
    }
    PrintChoices::CheckIndex(OptionFont, stored.Font);
    PrintChoices::CheckIndex(OptionCharge, stored.Charge);
    CheckPrintA[LabelCheck::SameCustomer]->setChecked(stored.SameCustomer);
    CheckPrintA[LabelCheck::Code]->setChecked(stored.PrintCode);
    CheckPrintA[LabelCheck::Phone]->setChecked(stored.PrintPhone);
}

void KivoraPrintA::loadSheets() {
    // The layout file is opened exclusively and only for as long as it is read: the
    // print run opens it again.
    RunGuarded(m_state, [this] {
        const Database layoutDb(m_state.DbNames[DbSlot::Layout], LayoutDbMarkerTable());
        m_sheets = LayoutTables::LabelSheets(layoutDb);
    });
    for (const LabelSheet& sheet : m_sheets) {
        auto* item = new QListWidgetItem(sheet.Name, ListPrintA);
        item->setData(Qt::UserRole, sheet.Code);
    }
}

void KivoraPrintA::sheetSelected() {
    const int index = ListPrintA->currentRow();
    if (index < 0 || index >= m_sheets.size() || ListPrintA->selectedItems().isEmpty())
        return;
    const LabelSheet& sheet = m_sheets.at(index);
    for (QRadioButton* button : OptionPosition)
        delete button;
    OptionPosition.clear();
    auto* grid = static_cast<QGridLayout*>(Shape1[1]->layout());
    const int labels = std::max(1, sheet.labels());
    const int cols = std::max(1, sheet.Cols);
    for (int i = 0; i < labels; ++i) {
        auto* button = new QRadioButton(Shape1[1]);
        button->setObjectName(QStringLiteral("OptionPosition%1").arg(i));
        button->setToolTip(QString::number(i + 1));
        grid->addWidget(button, i / cols, i % cols, Qt::AlignCenter);
        OptionPosition.push_back(button);
    }
    OptionPosition.front()->setChecked(true);
    // A sheet of one label, or one fed as a whole (an envelope), always starts at its
    // first label, and has nothing to fill with the same customer.
    QCheckBox* same = CheckPrintA[LabelCheck::SameCustomer];
    if (!sheet.LabelPos)
        same->setChecked(false);
    same->setEnabled(sheet.LabelPos);
    FramePrintA[LabelFrame::Start]->setEnabled(sheet.LabelPos);
    for (QRadioButton* button : OptionPosition)
        button->setVisible(sheet.LabelPos);
}

LabelOptions KivoraPrintA::options() const {
    LabelOptions o;
    o.Left = ScrollPrintA[LabelAdjust::Left]->value();
    o.Top = ScrollPrintA[LabelAdjust::Top]->value();
    o.Font = PrintChoices::CheckedIndex(OptionFont);
    o.Charge = PrintChoices::CheckedIndex(OptionCharge);
    o.SameCustomer = CheckPrintA[LabelCheck::SameCustomer]->isChecked();
    o.PrintCode = CheckPrintA[LabelCheck::Code]->isChecked();
    o.PrintPhone = CheckPrintA[LabelCheck::Phone]->isChecked();
    for (size_t i = 0; i < OptionPosition.size(); ++i) {
        if (OptionPosition[i]->isChecked())
            o.Start = static_cast<int>(i);
    }
    return o;
}

void KivoraPrintA::EnableControls(bool on) {
    // Everything but キャンセル while printing; afterwards each control gets back the
    // state it had, so that a sheet's fixed start stays disabled.
    const QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (!on) {
        m_enabledBefore.clear();
        for (QWidget* w : controls) {
            m_enabledBefore << w->isEnabled();
            w->setEnabled(w == BtnCancel);
        }
        return;
    }
    for (qsizetype i = 0; i < controls.size() && i < m_enabledBefore.size(); ++i)
        controls[i]->setEnabled(m_enabledBefore[i]);
}

std::optional<LabelLayout> KivoraPrintA::takeSheet(const Database& layoutDb) {
    const QListWidgetItem* item = ListPrintA->currentItem();
    if (!item || ListPrintA->selectedItems().isEmpty()) {
        ShowMsg(*m_state.messages, QStringLiteral("用紙"), Msg::Choose, Box::Exclamation,
                windowTitle());
        return std::nullopt;
    }
    std::optional<LabelLayout> layout =
        LayoutTables::ReadLabelLayout(layoutDb, item->data(Qt::UserRole).toInt());
    if (!layout) {
        ShowMsg(*m_state.messages, QStringLiteral("用紙情報が"), Msg::NotFound, Box::Stop,
                windowTitle());
        return std::nullopt;
    }
    // Every customer switched off in the list: there is nothing to print, and an empty
    // job would only look like a printer fault.
    const int rows = m_state.RsWork.RecordCount();
    bool any = false;
    for (int r = 0; r < rows && !any; ++r)
        any = r >= m_marks.size() || m_marks.at(r);
    if (!any) {
        ShowMsg(*m_state.messages, QStringLiteral("印刷データが"), Msg::NotFound, Box::Stop,
                windowTitle());
        return std::nullopt;
    }
    return layout;
}

void KivoraPrintA::Start() {
    if (ListPrintA->selectedItems().isEmpty()) {
        ShowMsg(*m_state.messages, QStringLiteral("用紙"), Msg::Choose, Box::Exclamation,
                windowTitle());
        return;
    }
    const LabelOptions chosen = options();
    EnableControls(false);
    m_cancelFlag = false;
    m_printing = true;
    {
        BusyCursor busy;
        QApplication::processEvents();
        // The run takes the sheet's code where every print run takes its layout code;
        // the list's subtitle comes back afterwards.
        const QString handOff = m_state.gHandOff;
        m_state.gHandOff = ListPrintA->currentItem()->data(Qt::UserRole).toString();
        KivoraPrintS::RunPrintJob(m_state, JobName, [&](PrinterCanvas& canvas, Database& db, int) {
            const std::optional<LabelLayout> layout = takeSheet(db);
            if (!layout)
                return true; // told already
            const LabelRun run =
                LabelPrint::PrintLabels(canvas, *layout, m_state.RsWork, m_marks, chosen, [this] {
                    QApplication::processEvents();
                    return m_cancelFlag;
                });
            return run != LabelRun::OutputFailed;
        });
        m_state.gHandOff = handOff;
        chosen.save(*m_state.settings);
    }
    m_printing = false;
    EnableControls(true);
}

void KivoraPrintA::Cancel() {
    if (!m_printing) {
        reject();
        return;
    }
    if (ShowMsg(*m_state.messages, QStringLiteral("印刷"), Msg::Stop, Box::QuestionCancel,
                windowTitle()) == 1)
        m_cancelFlag = true;
}

void KivoraPrintA::reject() {
    // Esc while printing asks to stop, like キャンセル; the window closes only when idle.
    if (m_printing) {
        Cancel();
        return;
    }
    QDialog::reject();
}

void KivoraPrintA::closeEvent(QCloseEvent* event) {
    if (m_printing) {
        event->ignore();
        Cancel();
        return;
    }
    QDialog::closeEvent(event);
}

void KivoraPrintA::SetUpPrinter() {
    m_service.setUp(this, StripParen(BtnPrinter->text()));
}

void KivoraPrintA::Preview() {
    QPrinter& printer = m_service.printer();
    std::optional<QPageLayout::Orientation> before;
    PrintOutput::Preview(
        m_service, this, StripParen(BtnPreview->text()) + QStringLiteral(" - ") + windowTitle(),
        [&](Canvas& canvas) {
            bool drawn = false;
            bool vertical = false;
            RunGuarded(m_state, [&] {
                const Database layoutDb(m_state.DbNames[DbSlot::Layout], LayoutDbMarkerTable());
                const std::optional<LabelLayout> layout = takeSheet(layoutDb);
                if (!layout)
                    return;
                vertical = layout->sheet.CharHorV != 0;
                drawn = LabelPrint::PrintLabels(canvas, *layout, m_state.RsWork, m_marks,
                                                options()) == LabelRun::Printed;
            });
            if (!drawn)
                return false;
            options().save(*m_state.settings);
            // The run has turned the printer back; the preview shows the pages as they
            // were drawn, on the turned page, and the printer is turned back after it.
            before = printer.pageLayout().orientation();
            if (vertical)
                printer.setPageOrientation(*before == QPageLayout::Portrait
                                               ? QPageLayout::Landscape
                                               : QPageLayout::Portrait);
            return true;
        });
    if (before)
        printer.setPageOrientation(*before);
}

void KivoraPrintA::SaveAsPdf() {
    if (ListPrintA->selectedItems().isEmpty()) {
        ShowMsg(*m_state.messages, QStringLiteral("用紙"), Msg::Choose, Box::Exclamation,
                windowTitle());
        return;
    }
    PrintOutput::SaveAsPdf(
        m_service, *m_state.messages, this, StripParen(BtnPdf->text()),
        JobName + QStringLiteral(".pdf"), windowTitle(), [this](Canvas& canvas) {
            BusyCursor busy;
            bool printed = false;
            RunGuarded(m_state, [&] {
                const Database layoutDb(m_state.DbNames[DbSlot::Layout], LayoutDbMarkerTable());
                const std::optional<LabelLayout> layout = takeSheet(layoutDb);
                if (!layout)
                    return;
                options().save(*m_state.settings);
                printed = LabelPrint::PrintLabels(canvas, *layout, m_state.RsWork, m_marks,
                                                  options()) == LabelRun::Printed;
            });
            return printed;
        });
}
