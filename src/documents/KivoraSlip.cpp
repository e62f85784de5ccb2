// Building the slip window: header fields, line grid, totals, image bar and menus.
#include "documents/KivoraSlip.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/SharedRoutines.h"
#include "documents/DocumentStore.h"
#include "documents/SlipGrid.h"
#include "resources/Pictures.h"
#include "resources/StringTable.h"
#include "widgets/ImageBar.h"
#include "widgets/WidgetRoutines.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Length property of the header fields, by index (bytes kept: one less).
constexpr std::array<int, SlipField::Count> kFieldLength = {7, 6, 31, 5, 3, 3, 31, 5, 3, 3, 31};
// Widths of the header fields in pixels; 0 lets the layout stretch the field.
constexpr std::array<int, SlipField::Count> kFieldWidth = {70, 56, 0, 44, 28, 28, 0, 44, 28, 28, 0};

constexpr std::array<const char16_t*, SlipTitle::Count> kTitles = {
    u"伝票番号", u"担当者",   u"作成日",   u"税抜金額", u"税額",    u"税込金額",
    u"適用",     u"納入期日", u"納入場所", u"有効期限", u"取引方法"};

QLabel* sunkenLabel(QWidget* parent, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

} // namespace

KivoraSlip::KivoraSlip(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_docType(std::min<int>(state.gDocType, DocType::Invoice)) {
    setObjectName(QStringLiteral("KivoraSlip"));
    m_store = std::make_unique<DocumentStore>(*m_state.DbMain);
    QString caption = m_state.gCaption;
    if (!m_state.gUserName.isEmpty())
        caption += QStringLiteral(" [") + m_state.gUserName + QLatin1Char(']');
    setWindowTitle(caption);
    {
        BusyCursor busy;
        buildFields();
        buildMenus();
        layOut();
        showForType();
        SetDateCombo(ComboSlip, SlipCombo::Year, true);
        RunGuarded(m_state, [this] { LoadUnit(ComboGrid, *m_state.DbMain); });
    }
    resize(sizeHint().expandedTo(QSize(780, 620)));
    CenterForm(this, parent ? parent->window() : nullptr);
    DataNew();
    FxGridSlip->setCurrentLine(1, SlipGrid::ColCode);
}

KivoraSlip::~KivoraSlip() = default;

void KivoraSlip::buildFields() {
    for (int i = 0; i < SlipField::Count; ++i) {
        LabelTitle[i] = new QLabel(QString::fromUtf16(kTitles[i]), this);
        LabelTitle[i]->setObjectName(QStringLiteral("LabelTitle%1").arg(i));
        TextSlip[i] = new QLineEdit(this);
        TextSlip[i]->setObjectName(QStringLiteral("TextSlip%1").arg(i));
        AttachLimitLength(TextSlip[i], kFieldLength[i]);
        AttachSelectOnFocus(TextSlip[i], m_state);
        TextSlip[i]->installEventFilter(this);
        // The narrow fields (staff code, number, date parts) take letters and digits
        // only; an input method has nothing to do there.
        if (kFieldWidth[i] > 0) {
            TextSlip[i]->setFixedWidth(kFieldWidth[i]);
            AsciiOnly(TextSlip[i]);
        }
    }
    const QString dateParts[DatePart::Count] = {QStringLiteral("年"), QStringLiteral("月"),
                                                QStringLiteral("日")};
    for (int i = 0; i < SlipDateMark::Count; ++i) {
        Label1[i] = new QLabel(dateParts[i % DatePart::Count], this);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
    }
    for (int i = 0; i < SlipCombo::Count; ++i) {
        ComboSlip[i] = new QComboBox(this);
        ComboSlip[i]->setObjectName(QStringLiteral("ComboSlip%1").arg(i));
    }
    for (int i = 0; i < SlipStaff::Count; ++i) {
        LabelCharge[i] = sunkenLabel(this, Qt::AlignLeft);
        LabelCharge[i]->setObjectName(QStringLiteral("LabelCharge%1").arg(i));
        LabelCharge[i]->setMinimumWidth(i == SlipStaff::Name ? 140 : 110);
    }
    CheckSlip = new QCheckBox(QStringLiteral("売上に計上する(&C)"), this);
    CheckSlip->setObjectName(QStringLiteral("CheckSlip"));
    for (int i = 0; i < SlipTotal::Count; ++i) {
        LabelTotal[i] = sunkenLabel(this, Qt::AlignRight);
        LabelTotal[i]->setObjectName(QStringLiteral("LabelTotal%1").arg(i));
        LabelTotal[i]->setMinimumWidth(110);
    }
    LabelRate = new QLabel(this);
    LabelRate->setObjectName(QStringLiteral("LabelRate"));
    LabelRate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelRate->hide();

    BtnSlipNo = new QPushButton(this);
    BtnSlipNo->setObjectName(QStringLiteral("BtnSlipNo"));
    BtnSlipNo->setIcon(QIcon(Pictures::NumberedSheet()));
    BtnSlipNo->setToolTip(Res::text(1019));
    BtnCharge = new QPushButton(this);
    BtnCharge->setObjectName(QStringLiteral("BtnCharge"));
    BtnCharge->setIcon(QIcon(Pictures::Tool(205)));
    BtnCharge->setToolTip(LabelTitle[SlipTitle::Staff]->text() + Res::text(1009));
    for (QPushButton* button : {BtnSlipNo, BtnCharge}) {
        // Enter belongs to the fields' route, never to a default button.
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(BtnSlipNo, &QPushButton::clicked, this,
            [this] { MenuSlip[SlipMenu::Number]->trigger(); });
    connect(BtnCharge, &QPushButton::clicked, this, [this] {
        if (FxGridSlip->EditCommit())
            FindStaff();
    });

    FxGridSlip = new SlipGrid(m_state, this);
    TextGrid = FxGridSlip->TextGrid;
    ComboGrid = FxGridSlip->ComboGrid;
    BtnGrid = FxGridSlip->BtnGrid;
    FxGridSlip->goodsSearch = [this] { return openGoodsSearch(); };
    connect(FxGridSlip, &SlipGrid::totalsChanged, this, &KivoraSlip::showTotals);
}

void KivoraSlip::buildMenus() {
    MenuBar = new QMenuBar(this);
    MenuBar->setObjectName(QStringLiteral("MenuBar"));

    QMenu* slip = MenuBar->addMenu(QStringLiteral("伝票(&S)"));
    MenuMain[SlipMainMenu::Slip] = slip->menuAction();
    QMenu* copy = nullptr;
    const QList<QAction*> actions = FillMenu(
        slip,
        {QStringLiteral("新規(&N)"), QStringLiteral("保存(&S)"), QStringLiteral("削除(&D)"),
         QString(), QStringLiteral("印刷(&P)"), QString(), QStringLiteral("前回伝票(&B)"),
         QStringLiteral("伝票履歴(&H)"), QStringLiteral("伝票番号(&M)"), QString(),
         QStringLiteral("明細コピー(&C)"), QString(), QStringLiteral("終了(&E)")},
        SlipMenu::Copy, &copy);
    std::copy(actions.begin(), actions.end(), MenuSlip.begin());
    SetDocumentShortcuts(MenuSlip[SlipMenu::Save], MenuSlip[SlipMenu::Print],
                         MenuSlip[SlipMenu::LastSlip], MenuSlip[SlipMenu::History],
                         MenuSlip[SlipMenu::Number]);
    const auto command = [this](int index, const std::function<void()>& run) {
        QAction* item = MenuSlip[index];
        connect(item, &QAction::triggered, this, [this, item, run] { runSlipCommand(item, run); });
    };
    command(SlipMenu::New, [this] { DataNew(); });
    command(SlipMenu::Save, [this] { DataSave(); });
    command(SlipMenu::Delete, [this] { DataDelete(); });
    command(SlipMenu::Print, [this] { PrintCommand(); });
    command(SlipMenu::LastSlip, [this] { LastSlip(); });
    command(SlipMenu::History, [this] { History(); });
    command(SlipMenu::Number, [this] { SlipNumber(); });
    command(SlipMenu::Close, [this] { close(); });

    // A document copies from the other three types only (mask resources 410-413).
    const QString mask = Res::text(410 + m_docType);
    for (int i = 0; i < int(MenuCopy.size()); ++i) {
        MenuCopy[i] = copy->addAction(Res::text(401 + i));
        MenuCopy[i]->setVisible(mask.mid(i, 1) == QLatin1String("1"));
        connect(MenuCopy[i], &QAction::triggered, this, [this, i] {
            if (FxGridSlip->EditCommit())
                CopyFrom(i);
        });
    }

    QMenu* edit = MenuBar->addMenu(QStringLiteral("編集(&E)"));
    MenuMain[SlipMainMenu::Edit] = edit->menuAction();
    MenuEdit[SlipEditMenu::Copy] = edit->addAction(QStringLiteral("コピー(&C)"));
    QMenu* paste = edit->addMenu(QStringLiteral("貼り付け(&P)"));
    MenuEdit[SlipEditMenu::Paste] = paste->menuAction();
    MenuEdit[SlipEditMenu::Delete] = edit->addAction(QStringLiteral("削除(&D)"));
    for (QAction* item : MenuEdit)
        item->setText(QStringLiteral("行") + item->text());
    MenuPaste[SlipPasteMenu::Overwrite] = paste->addAction(QStringLiteral("上書き(&S)"));
    MenuPaste[SlipPasteMenu::Insert] = paste->addAction(QStringLiteral("挿入(&I)"));
    MenuEdit[SlipEditMenu::Copy]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    MenuPaste[SlipPasteMenu::Overwrite]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    MenuPaste[SlipPasteMenu::Insert]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    MenuEdit[SlipEditMenu::Delete]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(MenuEdit[SlipEditMenu::Copy], &QAction::triggered, FxGridSlip, &SlipGrid::CopyLine);
    connect(MenuPaste[SlipPasteMenu::Overwrite], &QAction::triggered, this,
            [this] { FxGridSlip->PasteLine(false); });
    connect(MenuPaste[SlipPasteMenu::Insert], &QAction::triggered, this,
            [this] { FxGridSlip->PasteLine(true); });
    connect(MenuEdit[SlipEditMenu::Delete], &QAction::triggered, FxGridSlip, &SlipGrid::DeleteLine);

    QMenu* regist = MenuBar->addMenu(QStringLiteral("登録(&R)"));
    MenuMain[SlipMainMenu::Regist] = regist->menuAction();
    static constexpr std::array<const char16_t*, 3> registItems = {u"担当者(&C)", u"単位(&U)",
                                                                   u"商品(&G)"};
    for (int i = 0; i < SlipRegistMenu::Count; ++i) {
        MenuRegist[i] = regist->addAction(QString::fromUtf16(registItems[i]));
        connect(MenuRegist[i], &QAction::triggered, this,
                [this, i] { runSlipCommand(MenuRegist[i], [this, i] { OpenRegistration(i); }); });
    }

    MenuMain[SlipMainMenu::Help] = MenuBar->addAction(QStringLiteral("ヘルプ(&H)"));
    connect(MenuMain[SlipMainMenu::Help], &QAction::triggered, this, &KivoraSlip::OpenHelp);
}

QWidget* KivoraSlip::buildImageBar() {
    auto* bar = new ImageBar(QStringLiteral("Slip"),
                             {Pictures::Tool(203), Pictures::Printer(), Pictures::Tool(212)},
                             {Res::text(151), Res::text(152), Res::text(153)}, this);
    LabelSlipBar = bar;
    for (int i = 0; i < int(ImageSlipBar.size()); ++i)
        ImageSlipBar[i] = bar->image(i);
    LineSlipBar = bar->line();
    connect(bar, &ImageBar::clicked, this, &KivoraSlip::runImageCommand);
    return bar;
}

void KivoraSlip::layOut() {
    auto* header = new QGridLayout;
    header->setHorizontalSpacing(6);
    auto row = [](std::initializer_list<QWidget*> widgets, bool stretch = true) {
        auto* box = new QHBoxLayout;
        box->setSpacing(4);
        for (QWidget* w : widgets)
            box->addWidget(w);
        if (stretch)
            box->addStretch();
        return box;
    };
    header->addWidget(LabelTitle[SlipTitle::Number], 0, 0);
    header->addLayout(row({TextSlip[SlipField::Number], BtnSlipNo}), 0, 1);
    header->addWidget(LabelTitle[SlipTitle::Date], 0, 2);
    header->addLayout(row({ComboSlip[SlipCombo::Year], Label1[SlipDateMark::IssueYear],
                           ComboSlip[SlipCombo::Month], Label1[SlipDateMark::IssueMonth],
                           ComboSlip[SlipCombo::Day], Label1[SlipDateMark::IssueDay]}),
                      0, 3);
    header->addWidget(LabelTitle[SlipTitle::Staff], 1, 0);
    header->addLayout(row({TextSlip[SlipField::Staff], BtnCharge}), 1, 1);
    header->addLayout(row({LabelCharge[SlipStaff::Name], LabelCharge[SlipStaff::Position]}), 1, 2,
                      1, 2);
    header->addWidget(LabelTitle[SlipTitle::Remark], 2, 0);
    header->addWidget(TextSlip[SlipField::Remark], 2, 1, 1, 3);
    header->addWidget(LabelTitle[SlipTitle::FixDate], 3, 0);
    header->addLayout(row({TextSlip[SlipField::FixYear], Label1[SlipDateMark::FixYear],
                           TextSlip[SlipField::FixMonth], Label1[SlipDateMark::FixMonth],
                           TextSlip[SlipField::FixDay], Label1[SlipDateMark::FixDay]}),
                      3, 1);
    header->addWidget(LabelTitle[SlipTitle::Deliver], 3, 2);
    header->addWidget(TextSlip[SlipField::Deliver], 3, 3);
    header->addWidget(LabelTitle[SlipTitle::Term], 4, 0);
    header->addLayout(row({TextSlip[SlipField::TermYear], Label1[SlipDateMark::TermYear],
                           TextSlip[SlipField::TermMonth], Label1[SlipDateMark::TermMonth],
                           TextSlip[SlipField::TermDay], Label1[SlipDateMark::TermDay]}),
                      4, 1);
    header->addWidget(LabelTitle[SlipTitle::Business], 4, 2);
    header->addWidget(TextSlip[SlipField::Business], 4, 3);
    header->setColumnStretch(3, 1);

    auto* totals = new QHBoxLayout;
    totals->addWidget(CheckSlip);
    totals->addStretch();
    for (int i = 0; i < SlipTotal::Count; ++i) {
        totals->addWidget(LabelTitle[SlipTitle::Subtotal + i]);
        totals->addWidget(LabelTotal[i]);
    }

    auto* content = new QVBoxLayout;
    content->addLayout(header);
    content->addWidget(FxGridSlip, 1);
    content->addLayout(totals);
    content->addWidget(LabelRate);

    auto* root = new QHBoxLayout(this);
    root->setMenuBar(MenuBar);
    root->addWidget(buildImageBar());
    root->addLayout(content, 1);

    // The keyboard walks the header in index order, then the date and the lines.
    QWidget* previous = TextSlip[SlipField::Number];
    for (QWidget* next : {static_cast<QWidget*>(TextSlip[SlipField::Staff]),
                          static_cast<QWidget*>(ComboSlip[SlipCombo::Year]),
                          static_cast<QWidget*>(ComboSlip[SlipCombo::Month]),
                          static_cast<QWidget*>(ComboSlip[SlipCombo::Day])}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (int i = SlipField::Remark; i < SlipField::Count; ++i) {
        setTabOrder(previous, TextSlip[i]);
        previous = TextSlip[i];
    }
    setTabOrder(previous, CheckSlip);
    setTabOrder(CheckSlip, FxGridSlip);
}

void KivoraSlip::showForType() {
    // The delivery and validity dates, place and terms belong to estimates; only sales
    // documents (delivery notes, invoices) can post to the ledger.
    const bool estimate = m_docType == DocType::Estimate;
    for (int k = SlipField::FixYear; k <= SlipField::Business; ++k)
        TextSlip[k]->setHidden(!estimate);
    for (int k = SlipTitle::FixDate; k <= SlipTitle::Business; ++k)
        LabelTitle[k]->setHidden(!estimate);
    for (int k = SlipDateMark::FixYear; k <= SlipDateMark::TermDay; ++k)
        Label1[k]->setHidden(!estimate);
    CheckSlip->setHidden(m_docType < DocType::DeliveryNote);
}

void KivoraSlip::showTotals(const SlipTotals::Totals& totals) {
    const QString pattern = QStringLiteral("\\#,#0");
    LabelTotal[SlipTotal::Subtotal]->setText(Format(totals.subtotal, pattern));
    LabelTotal[SlipTotal::Tax]->setText(Format(totals.tax, pattern));
    LabelTotal[SlipTotal::Total]->setText(Format(totals.total, pattern));
    // One rate needs no breakdown: the totals above say it all.
    QStringList parts = SlipTotals::RateLines(totals.rates);
    const QString note = SlipTotals::ReducedNote(totals.rates);
    if (!note.isEmpty())
        parts << note;
    LabelRate->setText(totals.rates.Split ? parts.join(QStringLiteral("　　")) : QString());
    LabelRate->setVisible(totals.rates.Split);
}

void KivoraSlip::CalcSubTotal() {
    FxGridSlip->CalcSubTotal();
}

void KivoraSlip::CalcTotal() {
    FxGridSlip->CalcTotal();
}

bool KivoraSlip::EditCommit() {
    return FxGridSlip->EditCommit();
}

bool KivoraSlip::FindGoodsSet(int kind, const QString& code) {
    return FxGridSlip->FindGoodsSet(kind, code);
}
