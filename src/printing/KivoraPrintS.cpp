#include "printing/KivoraPrintS.h"
#include "printing/PrintChoices.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"
#include "documents/Slip.h"
#include "printing/LayoutTables.h"
#include "printing/PrintOutput.h"
#include "printing/PrinterCanvas.h"
#include "printing/PrinterService.h"
#include "printing/TitleLabel.h"
#include "resources/StringTable.h"
#include "widgets/WidgetRoutines.h"

#include <QCheckBox>
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
#include <cstdlib>

namespace {

constexpr int kCodeRole = Qt::UserRole;
constexpr int kCopiesRole = Qt::UserRole + 1; // whether the layout has a copy set

// String resource of a document type's name: 101-104 the slips, 105 the receipt, 107
// and 108 the two bills (106 names the receivables, not a document).
int docNameResource(int type) {
    switch (type) {
    case DocType::DetailedBill:
        return 107;
    case DocType::TotalBill:
        return 108;
    case DocType::Receipt:
        return 105;
    default:
        return 101 + type;
    }
}

template <size_t N> void enableAll(const std::array<QRadioButton*, N>& options, bool enabled) {
    for (QRadioButton* option : options)
        option->setEnabled(enabled);
}

} // namespace

KivoraPrintS::KivoraPrintS(AppState& state, PrinterService& service, QWidget* parent)
    : QDialog(parent), m_state(state), m_service(service), m_docType(state.gDocType) {
    setObjectName(QStringLiteral("KivoraPrintS"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_state.gResult = DialogResult::Cancelled;
    setWindowTitle(m_state.gCaption + QLatin1Char('(') + Res::text(docNameResource(m_state.gMode)) +
                   QLatin1Char(')'));
    QString failure;
    {
        BusyCursor busy;
        buildControls();
        layOut();
        restoreSettings();
        failure = loadLayouts();
    }
    CenterForm(this, parent ? parent->window() : nullptr);
    // The list stays empty; 開始 then asks for a layout the user cannot choose, and
    // キャンセル is the way out.
    if (!failure.isEmpty())
        ShowText(*m_state.messages, failure, Box::Stop, windowTitle());
}

KivoraPrintS::~KivoraPrintS() = default;

QString KivoraPrintS::key(const QString& name) const {
    return QStringLiteral("S") + QString::number(m_docType) + name;
}

void KivoraPrintS::buildControls() {
    ListPrintS = new QListWidget(this);
    ListPrintS->setObjectName(QStringLiteral("ListPrintS"));
    ListPrintS->setSelectionMode(QAbstractItemView::SingleSelection);
    ListPrintS->setMinimumSize(220, 200);
    connect(ListPrintS, &QListWidget::itemSelectionChanged, this, &KivoraPrintS::layoutSelected);
    connect(ListPrintS, &QListWidget::itemDoubleClicked, this, &KivoraPrintS::Start);

    const QString titles[PrintTitle::Count] = {QStringLiteral("左端"), QStringLiteral("上端"),
                                               QStringLiteral("用紙種類(&T)")};
    for (int i = 0; i < PrintTitle::Count; ++i) {
        LabelTitle[i] = TitleLabel(titles[i], this);
        LabelTitle[i]->setObjectName(QStringLiteral("LabelTitle%1").arg(i));
    }
    LabelTitle[PrintTitle::Paper]->setBuddy(ListPrintS);

    const QString frames[PrintFrame::Count] = {
        QStringLiteral("フォント種類(&F)"), QStringLiteral("印字位置調整(&M)"),
        QStringLiteral("顧客担当者(&C)"), QStringLiteral("伝票控え(&D)"),
        QStringLiteral("銀行種類(&B)")};
    for (int i = 0; i < PrintFrame::Count; ++i) {
        FramePrintS[i] = new QGroupBox(frames[i], this);
        FramePrintS[i]->setObjectName(QStringLiteral("FramePrintS%1").arg(i));
    }
    const auto option = [this](QGroupBox* frame, const QString& caption, const QString& name) {
        auto* button = new QRadioButton(caption, frame);
        button->setObjectName(name);
        return button;
    };
    OptionFont = PrintChoices::FontOptions(FramePrintS[PrintFrame::Font]);
    OptionCharge = PrintChoices::ContactOptions(FramePrintS[PrintFrame::Contact]);
    // The bank captions get their common ending appended, as the contact captions do.
    const QString print = QStringLiteral("を印字する");
    OptionCopy[CopyChoice::WithCopy] =
        option(FramePrintS[PrintFrame::Copies], QStringLiteral("控えを出力する"),
               QStringLiteral("OptionCopy0"));
    OptionCopy[CopyChoice::CopyOnly] =
        option(FramePrintS[PrintFrame::Copies], QStringLiteral("控えのみを出力する"),
               QStringLiteral("OptionCopy1"));
    OptionCopy[CopyChoice::NoCopy] =
        option(FramePrintS[PrintFrame::Copies], QStringLiteral("出力しない"),
               QStringLiteral("OptionCopy2"));
    const QString bank = QStringLiteral("振込銀行") + print;
    OptionBank[BankChoice::Bank1] =
        option(FramePrintS[PrintFrame::Bank], QStringLiteral("第１") + bank,
               QStringLiteral("OptionBank0"));
    OptionBank[BankChoice::Bank2] =
        option(FramePrintS[PrintFrame::Bank], QStringLiteral("第２") + bank,
               QStringLiteral("OptionBank1"));

    for (int i = 0; i < PrintAdjust::Count; ++i) {
        const PrintChoices::AdjustRow row =
            PrintChoices::MakeAdjustRow(FramePrintS[PrintFrame::Adjust], QStringLiteral("S"), i);
        ScrollPrintS[i] = row.scroll;
        LabelPrintS[i] = row.value;
        Label1[i] = row.unit;
    }

    CheckPrintS = new QCheckBox(QStringLiteral("自社情報") + print + QStringLiteral("(&N)"), this);
    CheckPrintS->setObjectName(QStringLiteral("CheckPrintS"));

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
    // Offered once the opening window says how its pages are drawn.
    BtnPreview->hide();
    BtnPdf->hide();
    connect(BtnPrinter, &QPushButton::clicked, this, &KivoraPrintS::SetUpPrinter);
    connect(BtnPreview, &QPushButton::clicked, this, &KivoraPrintS::Preview);
    connect(BtnPdf, &QPushButton::clicked, this, &KivoraPrintS::SaveAsPdf);
    connect(BtnCancel, &QPushButton::clicked, this, &KivoraPrintS::Cancel);
    connect(BtnStart, &QPushButton::clicked, this, &KivoraPrintS::Start);

    // Estimates and receipts print no bank; estimates print no contact either. The
    // choices stay selected and are stored as they are.
    if (m_docType == DocType::Estimate || m_docType == DocType::Receipt) {
        FramePrintS[PrintFrame::Bank]->setEnabled(false);
        enableAll(OptionBank, false);
    }
    if (m_docType == DocType::Estimate) {
        FramePrintS[PrintFrame::Contact]->setEnabled(false);
        enableAll(OptionCharge, false);
    }
}

void KivoraPrintS::layOut() {
    auto* fonts = new QHBoxLayout(FramePrintS[PrintFrame::Font]);
    fonts->addWidget(OptionFont[FontChoice::Mincho]);
    fonts->addWidget(OptionFont[FontChoice::Gothic]);
    fonts->addStretch();
    auto* adjust = new QGridLayout(FramePrintS[PrintFrame::Adjust]);
    for (int i = 0; i < PrintAdjust::Count; ++i) {
        adjust->addWidget(LabelTitle[i], i, 0); // PrintTitle::Left and Top
        adjust->addWidget(ScrollPrintS[i], i, 1);
        adjust->addWidget(LabelPrintS[i], i, 2);
        adjust->addWidget(Label1[i], i, 3);
    }
    adjust->setColumnStretch(1, 1);
    const auto column = [](QGroupBox* frame, std::initializer_list<QRadioButton*> options) {
        auto* box = new QVBoxLayout(frame);
        for (QRadioButton* o : options)
            box->addWidget(o);
    };
    column(FramePrintS[PrintFrame::Contact],
           {OptionCharge[ContactChoice::Contact1], OptionCharge[ContactChoice::Contact2],
            OptionCharge[ContactChoice::None]});
    column(FramePrintS[PrintFrame::Copies],
           {OptionCopy[CopyChoice::WithCopy], OptionCopy[CopyChoice::CopyOnly],
            OptionCopy[CopyChoice::NoCopy]});
    column(FramePrintS[PrintFrame::Bank],
           {OptionBank[BankChoice::Bank1], OptionBank[BankChoice::Bank2]});

    auto* left = new QVBoxLayout;
    left->addWidget(LabelTitle[PrintTitle::Paper]);
    left->addWidget(ListPrintS, 1);
    left->addWidget(CheckPrintS);
    auto* options = new QGridLayout;
    options->addWidget(FramePrintS[PrintFrame::Font], 0, 0, 1, 2);
    options->addWidget(FramePrintS[PrintFrame::Adjust], 1, 0, 1, 2);
    options->addWidget(FramePrintS[PrintFrame::Contact], 2, 0);
    options->addWidget(FramePrintS[PrintFrame::Copies], 2, 1);
    options->addWidget(FramePrintS[PrintFrame::Bank], 3, 0, 1, 2);
    options->setRowStretch(4, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(options);
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

void KivoraPrintS::restoreSettings() {
    const SettingsStore& settings = *m_state.settings;
    const qint16 stored[PrintAdjust::Count] = {settings.getInt16(key(QStringLiteral("Left")), 0),
                                               settings.getInt16(key(QStringLiteral("Top")), 0)};
    for (int i = 0; i < PrintAdjust::Count; ++i) {
        ScrollPrintS[i]->setValue(stored[i]); // the scroll bar keeps it within ±20
        LabelPrintS[i]->setText(QString::number(ScrollPrintS[i]->value()));
    }
    PrintChoices::CheckIndex(OptionFont,
                             settings.getByte(key(QStringLiteral("Font")), FontChoice::Mincho));
    PrintChoices::CheckIndex(
        OptionCharge, settings.getByte(key(QStringLiteral("Charge")), ContactChoice::Contact1));
    PrintChoices::CheckIndex(
        OptionCopy, settings.getByte(key(QStringLiteral("Duplicate")), CopyChoice::WithCopy));
    PrintChoices::CheckIndex(OptionBank,
                             settings.getByte(key(QStringLiteral("Bank")), BankChoice::Bank1));
    // Printing reads a missing switch as off, but a user opening the dialog for the first
    // time expects the company on the form: the dialog shows it on.
    CheckPrintS->setChecked(settings.getByte(key(QStringLiteral("Company")), 1) == 1);
}

QString KivoraPrintS::loadLayouts() {
    try {
        m_layoutDb =
            std::make_unique<Database>(m_state.DbNames[DbSlot::Layout], LayoutDbMarkerTable());
        for (const DocumentLayoutKind& kind :
             LayoutTables::DocumentLayouts(*m_layoutDb, m_docType)) {
            auto* item = new QListWidgetItem(kind.Name, ListPrintS);
            // A negative code marks a layout that may print a copy set.
            item->setData(kCodeRole, kind.Duplicate ? -kind.Code : kind.Code);
            item->setData(kCopiesRole, kind.Duplicate);
        }
    } catch (const DatabaseError& e) {
        m_layoutDb.reset();
        return e.userMessage();
    }
    return {};
}

void KivoraPrintS::layoutSelected() {
    const QList<QListWidgetItem*> selected = ListPrintS->selectedItems();
    if (selected.isEmpty())
        return;
    const bool copies = selected.first()->data(kCopiesRole).toBool();
    if (copies)
        PrintChoices::CheckIndex(
            OptionCopy,
            m_state.settings->getByte(key(QStringLiteral("Duplicate")), CopyChoice::WithCopy));
    else
        OptionCopy[CopyChoice::NoCopy]->setChecked(true);
    FramePrintS[PrintFrame::Copies]->setEnabled(copies);
    enableAll(OptionCopy, copies);
}

void KivoraPrintS::saveSettings() {
    SettingsStore& settings = *m_state.settings;
    settings.save(key(QStringLiteral("Left")), LabelPrintS[PrintAdjust::Left]->text());
    settings.save(key(QStringLiteral("Top")), LabelPrintS[PrintAdjust::Top]->text());
    settings.save(key(QStringLiteral("Font")), PrintChoices::CheckedIndex(OptionFont));
    settings.save(key(QStringLiteral("Charge")), PrintChoices::CheckedIndex(OptionCharge));
    settings.save(key(QStringLiteral("Duplicate")), PrintChoices::CheckedIndex(OptionCopy));
    settings.save(key(QStringLiteral("Bank")), PrintChoices::CheckedIndex(OptionBank));
    settings.save(key(QStringLiteral("Company")), CheckPrintS->isChecked() ? 1 : 0);
    settings.sync();
}

std::optional<int> KivoraPrintS::takeLayout() {
    saveSettings();
    const QList<QListWidgetItem*> selected = ListPrintS->selectedItems();
    if (selected.isEmpty()) {
        ShowMsg(*m_state.messages, QStringLiteral("用紙"), Msg::Choose, Box::Exclamation,
                windowTitle());
        return std::nullopt;
    }
    return std::abs(selected.first()->data(kCodeRole).toInt());
}

void KivoraPrintS::Start() {
    const std::optional<int> code = takeLayout();
    if (!code)
        return;
    m_state.gHandOff = QString::number(*code);
    m_state.gResult = DialogResult::Ok;
    accept();
}

void KivoraPrintS::Cancel() {
    reject();
}

void KivoraPrintS::reject() {
    m_state.gResult = DialogResult::Cancelled;
    QDialog::reject();
}

void KivoraPrintS::done(int result) {
    // The layout database is opened exclusively: the print run that follows 開始 opens
    // it again, so the dialog lets go of it as soon as it closes.
    m_layoutDb.reset();
    QDialog::done(result);
}

void KivoraPrintS::SetUpPrinter() {
    m_service.setUp(this, StripParen(BtnPrinter->text()));
}

void KivoraPrintS::setRenderer(PageRenderer renderer, const QString& pdfName) {
    m_renderer = std::move(renderer);
    m_pdfName = pdfName;
    BtnPreview->setVisible(static_cast<bool>(m_renderer));
    BtnPdf->setVisible(static_cast<bool>(m_renderer));
}

void KivoraPrintS::Preview() {
    if (!m_renderer || !m_layoutDb)
        return;
    const std::optional<int> code = takeLayout();
    if (!code)
        return;
    PrintOutput::Preview(m_service, this,
                         StripParen(BtnPreview->text()) + QStringLiteral(" - ") + windowTitle(),
                         [&](Canvas& canvas) { return m_renderer(canvas, *m_layoutDb, *code); });
}

void KivoraPrintS::SaveAsPdf() {
    if (!m_renderer || !m_layoutDb)
        return;
    const std::optional<int> code = takeLayout();
    if (!code)
        return;
    PrintOutput::SaveAsPdf(m_service, *m_state.messages, this, StripParen(BtnPdf->text()),
                           m_pdfName, windowTitle(),
                           [&](Canvas& canvas) { return m_renderer(canvas, *m_layoutDb, *code); });
}

bool KivoraPrintS::CanPrintNumber(AppState& state, const QString& number,
                                  const std::function<bool()>& saved) {
    const QString title = state.gCaption;
    if (number.isEmpty()) {
        ShowMsg(*state.messages, QStringLiteral("伝票"), Msg::Choose, Box::Exclamation, title);
        return false;
    }
    if (CheckChar(*state.messages, number, title, true, true))
        return false;
    bool stored = false;
    if (!RunGuarded(state, [&] { stored = saved(); }))
        return false;
    if (!stored) {
        ShowMsg(*state.messages, QStringLiteral("伝票"), Msg::SaveFirst, Box::Exclamation, title);
        return false;
    }
    return true;
}

void KivoraPrintS::RunPrintJob(AppState& state, const QString& jobName, const PrintJob& print) {
    bool ok = false;
    const int code = state.gHandOff.toInt(&ok);
    if (ok)
        RunPrintJob(state, jobName, code, print);
}

void KivoraPrintS::RunPrintJob(AppState& state, const QString& jobName, int code,
                               const PrintJob& print) {
    std::unique_ptr<Database> layoutDb;
    if (!RunGuarded(state, [&] {
            layoutDb =
                std::make_unique<Database>(state.DbNames[DbSlot::Layout], LayoutDbMarkerTable());
        }))
        return;
    QPrinter& printer = state.printers->printer();
    printer.setDocName(jobName);
    PrinterCanvas canvas(printer);
    canvas.checkQueueWith(state.printers);
    if (!print(canvas, *layoutDb, code))
        ReportOutputFailure(*state.messages, canvas, false, state.gCaption);
}

void KivoraPrintS::ReportOutputFailure(MessageService& messages, const PrinterCanvas& canvas,
                                       bool toFile, const QString& title) {
    // The document's own failures (a missing layout, customer or company) have been told
    // by the printing; what is left is the output refusing the finished pages.
    switch (canvas.failure()) {
    case PrinterCanvas::Failure::NoPrinter:
        ShowMsg(messages, QStringLiteral("プリンタが"), Msg::NotFound, Box::Stop, title);
        break;
    case PrinterCanvas::Failure::CannotStart: {
        QString text = toFile ? QStringLiteral("PDFファイルを保存できませんでした｡")
                              : QStringLiteral("印刷を開始できませんでした｡");
        if (!canvas.failureReason().isEmpty())
            text += QLatin1Char('\n') + canvas.failureReason();
        ShowText(messages, text, Box::Stop, title);
        break;
    }
    default:
        break;
    }
}
