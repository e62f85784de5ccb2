#include "printing/KivoraPrintL.h"
#include "printing/PrintChoices.h"

#include "core/AppState.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"
#include "lists/ListQueries.h"
#include "lists/ListTable.h"
#include "masters/KivoraSort.h"
#include "printing/KivoraPrintS.h"
#include "printing/PrintOutput.h"
#include "printing/PrinterCanvas.h"
#include "printing/PrinterService.h"
#include "printing/TitleLabel.h"
#include "widgets/WidgetRoutines.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <memory>

namespace {

bool sortable(int kind) {
    // The ledger's lists keep the ledger's order; a list without a stored order has
    // nothing to choose.
    return kind != ListType::Receivables && kind != ListType::Transactions && SortListOf(kind) >= 0;
}

} // namespace

KivoraPrintL::KivoraPrintL(AppState& state, PrinterService& service, QWidget* parent)
    : QDialog(parent), m_state(state), m_service(service), m_kind(state.gDocType) {
    setObjectName(QStringLiteral("KivoraPrintL"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(QStringLiteral("印刷(") + m_state.gCaption + QLatin1Char(')'));
    buildControls();
    layOut();
    restoreSettings();
    CenterForm(this, parent ? parent->window() : nullptr);
}

KivoraPrintL::~KivoraPrintL() = default;

void KivoraPrintL::setCarryRange(qint64 from, qint64 to) {
    m_carryFrom = from;
    m_carryTo = to;
}

void KivoraPrintL::buildControls() {
    const QString checks[ListCheck::Count] = {QStringLiteral("自社名を印字する(&C)"),
                                              QStringLiteral("印刷日時を印字する(&D)")};
    for (int i = 0; i < ListCheck::Count; ++i) {
        CheckPrintL[i] = new QCheckBox(checks[i], this);
        CheckPrintL[i]->setObjectName(QStringLiteral("CheckPrintL%1").arg(i));
    }
    const QString frames[ListFrame::Count] = {QStringLiteral("フォント種類(&F)"),
                                              QStringLiteral("印字位置調整(&M)")};
    for (int i = 0; i < ListFrame::Count; ++i) {
        FramePrintL[i] = new QGroupBox(frames[i], this);
        FramePrintL[i]->setObjectName(QStringLiteral("FramePrintL%1").arg(i));
    }
    OptionFont = PrintChoices::FontOptions(FramePrintL[ListFrame::Font]);
    const QString titles[ListAdjust::Count] = {QStringLiteral("左端"), QStringLiteral("上端")};
    QGroupBox* adjust = FramePrintL[ListFrame::Adjust];
    for (int i = 0; i < ListAdjust::Count; ++i) {
        LabelTitle[i] = TitleLabel(titles[i], adjust);
        LabelTitle[i]->setObjectName(QStringLiteral("LabelTitle%1").arg(i));
        const PrintChoices::AdjustRow row =
            PrintChoices::MakeAdjustRow(adjust, QStringLiteral("L"), i);
        ScrollPrintL[i] = row.scroll;
        LabelPrintL[i] = row.value;
        Label1[i] = row.unit;
    }

    BtnSort = new QPushButton(QStringLiteral("並べ替え(&O)"), this);
    BtnPrinter = new QPushButton(QStringLiteral("プリンタ設定(&P)"), this);
    BtnPreview = new QPushButton(QStringLiteral("プレビュー(&V)"), this);
    BtnPdf = new QPushButton(QStringLiteral("PDFに保存(&R)"), this);
    BtnStart = new QPushButton(QStringLiteral("開始(&S)"), this);
    BtnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    BtnSort->setObjectName(QStringLiteral("BtnSort"));
    BtnPrinter->setObjectName(QStringLiteral("BtnPrinter"));
    BtnPreview->setObjectName(QStringLiteral("BtnPreview"));
    BtnPdf->setObjectName(QStringLiteral("BtnPdf"));
    BtnStart->setObjectName(QStringLiteral("BtnStart"));
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    for (QPushButton* button : {BtnSort, BtnPrinter, BtnPreview, BtnPdf, BtnCancel})
        button->setAutoDefault(false);
    BtnStart->setDefault(true);
    BtnSort->setVisible(sortable(m_kind));
    connect(BtnSort, &QPushButton::clicked, this, &KivoraPrintL::Sort);
    connect(BtnPrinter, &QPushButton::clicked, this, &KivoraPrintL::SetUpPrinter);
    connect(BtnPreview, &QPushButton::clicked, this, &KivoraPrintL::Preview);
    connect(BtnPdf, &QPushButton::clicked, this, &KivoraPrintL::SaveAsPdf);
    connect(BtnStart, &QPushButton::clicked, this, &KivoraPrintL::Start);
    connect(BtnCancel, &QPushButton::clicked, this, &KivoraPrintL::Cancel);
}

void KivoraPrintL::layOut() {
    auto* fonts = new QHBoxLayout(FramePrintL[ListFrame::Font]);
    for (QRadioButton* option : OptionFont)
        fonts->addWidget(option);
    fonts->addStretch();
    auto* adjust = new QGridLayout(FramePrintL[ListFrame::Adjust]);
    for (int i = 0; i < ListAdjust::Count; ++i) {
        adjust->addWidget(LabelTitle[i], i, 0);
        adjust->addWidget(ScrollPrintL[i], i, 1);
        adjust->addWidget(LabelPrintL[i], i, 2);
        adjust->addWidget(Label1[i], i, 3);
    }
    adjust->setColumnStretch(1, 1);

    auto* options = new QVBoxLayout;
    for (QCheckBox* check : CheckPrintL)
        options->addWidget(check);
    options->addWidget(FramePrintL[ListFrame::Font]);
    options->addWidget(FramePrintL[ListFrame::Adjust]);
    options->addStretch();
    auto* side = new QVBoxLayout;
    side->addWidget(BtnStart);
    side->addWidget(BtnCancel);
    side->addSpacing(12);
    side->addWidget(BtnSort);
    side->addWidget(BtnPrinter);
    side->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(options, 1);
    body->addLayout(side);
    auto* outputs = new QHBoxLayout;
    outputs->addWidget(BtnPreview);
    outputs->addWidget(BtnPdf);
    outputs->addStretch();
    auto* root = new QVBoxLayout(this);
    root->addLayout(body, 1);
    root->addLayout(outputs);
}

void KivoraPrintL::restoreSettings() {
    const ListPrintOptions stored = ListPrint::ReadOptions(*m_state.settings);
    const int adjust[ListAdjust::Count] = {stored.Left, stored.Top};
    for (int i = 0; i < ListAdjust::Count; ++i) {
        ScrollPrintL[i]->setValue(adjust[i]); // the scroll bar keeps it within ±20
        LabelPrintL[i]->setText(QString::number(ScrollPrintL[i]->value()));
    }
    PrintChoices::CheckIndex(OptionFont, stored.Font);
    CheckPrintL[ListCheck::Company]->setChecked(stored.Company);
    CheckPrintL[ListCheck::DateTime]->setChecked(stored.DateTime);
}

ListPrintOptions KivoraPrintL::options() const {
    ListPrintOptions o;
    o.Left = LabelPrintL[ListAdjust::Left]->text().toInt();
    o.Top = LabelPrintL[ListAdjust::Top]->text().toInt();
    o.Font = PrintChoices::CheckedIndex(OptionFont);
    o.Company = CheckPrintL[ListCheck::Company]->isChecked();
    o.DateTime = CheckPrintL[ListCheck::DateTime]->isChecked();
    return o;
}

ListPrintInput KivoraPrintL::input() const {
    ListPrintInput in;
    in.Kind = m_kind;
    // The order the user chose for the list, as the display shows it.
    const int sortList = SortListOf(m_kind);
    in.Rows = sortList >= 0 && sortable(m_kind)
                  ? SortRecords(m_state.RsWork, OrderClause(*m_state.settings, sortList))
                  : m_state.RsWork;
    in.Subtitle = m_state.gHandOff;
    in.UserCode = m_state.gUserCode;
    in.UserName = m_state.gUserName;
    in.CarryFrom = m_carryFrom;
    in.CarryTo = m_carryTo;
    in.PrintedAt = ListPrint::PrintedAt(QDateTime::currentDateTime());
    return in;
}

void KivoraPrintL::EnableControls(bool on) {
    const QList<QWidget*> controls = findChildren<QWidget*>();
    for (QWidget* control : controls)
        control->setEnabled(on);
    BtnCancel->setEnabled(true);
}

ListPrintResult KivoraPrintL::print(Canvas& canvas, const Database& layoutDb,
                                    const ListPrintInput& in) {
    // Before every page the window lets waiting events run, so that キャンセル can be
    // pressed; a confirmed stop is seen at the next page.
    const auto stop = [this] {
        QCoreApplication::processEvents();
        return CancelFlag;
    };
    m_lastResult = ListPrint::PrintList(canvas, *m_state.DbMain, layoutDb, *m_state.messages,
                                        windowTitle(), m_state.NumFormat, in, options(), stop);
    return m_lastResult;
}

void KivoraPrintL::run(Output output) {
    CancelFlag = false;
    m_printing = true;
    m_lastResult = ListPrintResult::Missing;
    EnableControls(false);
    QCoreApplication::processEvents();
    const ListPrintInput in = input();
    const QString title = windowTitle();
    if (output == Output::Printer) {
        KivoraPrintS::RunPrintJob(
            m_state, m_state.gCaption, m_kind, [&](PrinterCanvas& canvas, Database& layoutDb, int) {
                return print(canvas, layoutDb, in) != ListPrintResult::OutputFailed;
            });
    } else {
        std::unique_ptr<Database> layoutDb;
        if (RunGuarded(m_state, [&] {
                layoutDb = std::make_unique<Database>(m_state.DbNames[DbSlot::Layout],
                                                      LayoutDbMarkerTable());
            })) {
            const PrintOutput::Render render = [&](Canvas& canvas) {
                return print(canvas, *layoutDb, in) == ListPrintResult::Printed;
            };
            if (output == Output::Preview)
                PrintOutput::Preview(m_service, this,
                                     StripParen(BtnPreview->text()) + QStringLiteral(" - ") + title,
                                     render);
            else
                PrintOutput::SaveAsPdf(m_service, *m_state.messages, this,
                                       StripParen(BtnPdf->text()),
                                       m_state.gCaption + QStringLiteral(".pdf"), title, render);
        }
    }
    m_printing = false;
    // A run that got as far as its pages keeps the choices it was made with; one refused
    // for a missing layout, company or rows leaves the stored ones as they were.
    if (m_lastResult != ListPrintResult::Missing)
        ListPrint::SaveOptions(*m_state.settings, options());
    EnableControls(true);
    BtnSort->setVisible(sortable(m_kind));
}

void KivoraPrintL::Start() {
    run(Output::Printer);
}

void KivoraPrintL::Preview() {
    run(Output::Preview);
}

void KivoraPrintL::SaveAsPdf() {
    run(Output::Pdf);
}

void KivoraPrintL::Cancel() {
    if (!m_printing) {
        QDialog::reject();
        return;
    }
    if (ShowMsg(*m_state.messages, QStringLiteral("印刷"), Msg::Stop, Box::QuestionCancel,
                windowTitle()) == MsgOK)
        CancelFlag = true;
}

void KivoraPrintL::reject() {
    // Escape and the close box while printing ask to stop, as キャンセル does.
    Cancel();
}

void KivoraPrintL::Sort() {
    const QString caption = m_state.gCaption;
    const quint8 mode = m_state.gMode;
    m_state.gMode = static_cast<quint8>(SortListOf(m_kind));
    // The list's name without its "一覧…" ending names what is sorted.
    const qsizetype cut = caption.indexOf(QStringLiteral("一"));
    m_state.gCaption = (cut > 0 ? caption.left(cut) : caption) + QStringLiteral("の") +
                       StripParen(BtnSort->text());
    {
        KivoraSort dialog(m_state, this);
        dialog.exec();
    }
    m_state.gCaption = caption;
    m_state.gMode = mode;
}

void KivoraPrintL::SetUpPrinter() {
    m_service.setUp(this, StripParen(BtnPrinter->text()));
}
