// Building the bill window: the period, the source, the header fields, the grid, the
// sums, the image bar and the menus.
#include "documents/KivoraSlipB.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "documents/BillStore.h"
#include "documents/Slip.h"
#include "resources/Pictures.h"
#include "resources/StringTable.h"
#include "widgets/ImageBar.h"
#include "widgets/WidgetRoutines.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr std::array<const char16_t*, BillTitle::Count> kTitles = {
    u"伝票番号",   u"担当者", u"備考",     u"今回請求", u"前回請求", u"伝票枚数",
    u"前回請求額", u"入金額", u"繰越金額", u"税抜金額", u"税額",     u"税込金額",
    u"請求額",     u"締め日", u"集計伝票", u"作成日"};

constexpr std::array<const char16_t*, BillColumn::Count> kColumns = {
    u"伝票日付", u"伝票番号", u"品名 / 項目", u"数量", u"単位", u"単価", u"金額", u"備考", u"税"};
constexpr std::array<int, BillColumn::Count> kColumnWidth = {80, 70, 220, 80, 50, 90, 100, 140, 28};

// Length property of the fields (bytes kept: one less) and their widths.
constexpr std::array<int, BillField::Count> kFieldLength = {7, 6, 41};
constexpr std::array<int, BillField::Count> kFieldWidth = {70, 56, 0};

QLabel* sunkenLabel(QWidget* parent, Qt::Alignment alignment, int width) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setMinimumWidth(width);
    return label;
}

} // namespace

KivoraSlipB::KivoraSlipB(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_docType(state.gDocType), m_docName(state.gCaption) {
    setObjectName(QStringLiteral("KivoraSlipB"));
    if (m_docType != DocType::TotalBill)
        m_docType = DocType::DetailedBill;
    m_store = std::make_unique<BillStore>(*m_state.DbMain);
    QString caption = m_docName;
    if (!m_state.gUserName.isEmpty())
        caption += QStringLiteral(" [") + m_state.gUserName + QLatin1Char(']');
    setWindowTitle(caption);
    {
        BusyCursor busy;
        buildFields();
        buildMenus();
        layOut();
        SetDateCombo(ComboSlipB, BillCombo::Year, true);
    }
    resize(sizeHint().expandedTo(QSize(m_docType == DocType::DetailedBill ? 900 : 640, 0)));
    CenterForm(this, parent ? parent->window() : nullptr);
    DataNew(true);
    TextSlipB[BillField::Number]->setFocus();
}

KivoraSlipB::~KivoraSlipB() = default;

void KivoraSlipB::buildFields() {
    for (int i = 0; i < BillTitle::Count; ++i) {
        LabelTitle[i] = new QLabel(QString::fromUtf16(kTitles[i]), this);
        LabelTitle[i]->setObjectName(QStringLiteral("LabelTitle%1").arg(i));
    }
    for (int i = 0; i < BillScroll::Count; ++i) {
        auto* scroll = new QScrollBar(Qt::Vertical, this);
        scroll->setObjectName(QStringLiteral("ScrollSlipB%1").arg(i));
        const bool year = i == BillScroll::Year || i == BillScroll::PrevYear;
        scroll->setRange(year ? 1990 : 1, year ? 2999 : 12);
        // Up counts up, as on a spin box.
        scroll->setInvertedAppearance(true);
        scroll->setInvertedControls(true);
        scroll->setFixedSize(16, 24);
        connect(scroll, &QScrollBar::valueChanged, this, [this, i] { scrollChanged(i); });
        ScrollSlipB[i] = scroll;
    }
    for (int i = 0; i < BillLabel::Count; ++i) {
        const bool sum = i >= BillLabel::Papers;
        LabelSlipB[i] =
            sunkenLabel(this, sum ? Qt::AlignRight : Qt::AlignHCenter,
                        sum ? 110 : (i == BillLabel::Year || i == BillLabel::PrevYear ? 44 : 28));
        LabelSlipB[i]->setObjectName(QStringLiteral("LabelSlipB%1").arg(i));
    }
    for (int i = 0; i < BillField::Count; ++i) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("TextSlipB%1").arg(i));
        AttachLimitLength(field, kFieldLength[i]);
        AttachSelectOnFocus(field, m_state);
        field->installEventFilter(this);
        if (kFieldWidth[i] > 0) {
            field->setFixedWidth(kFieldWidth[i]);
            AsciiOnly(field);
        }
        TextSlipB[i] = field;
    }
    OptionSlipB[BillSource::DeliveryNotes] = new QRadioButton(QStringLiteral("納品書(&D)"), this);
    OptionSlipB[BillSource::Invoices] = new QRadioButton(QStringLiteral("請求書(&B)"), this);
    for (int i = 0; i < BillSource::Count; ++i) {
        OptionSlipB[i]->setObjectName(QStringLiteral("OptionSlipB%1").arg(i));
        connect(OptionSlipB[i], &QRadioButton::toggled, this, [this](bool on) {
            if (on && !m_loading)
                DataNew(false);
        });
    }
    const QString dateParts[3] = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日")};
    for (int i = 0; i < BillCombo::Count; ++i) {
        ComboSlipB[i] = new QComboBox(this);
        ComboSlipB[i]->setObjectName(QStringLiteral("ComboSlipB%1").arg(i));
        Label1[i] = new QLabel(dateParts[i], this);
    }
    for (int i = 0; i < BillStaff::Count; ++i) {
        LabelCharge[i] = sunkenLabel(this, Qt::AlignLeft, i == BillStaff::Name ? 140 : 110);
        LabelCharge[i]->setObjectName(QStringLiteral("LabelCharge%1").arg(i));
    }

    FxGridSlipB = new QTableWidget(0, BillColumn::Count, this);
    FxGridSlipB->setObjectName(QStringLiteral("FxGridSlipB"));
    QStringList headers;
    for (const char16_t* column : kColumns)
        headers << QString::fromUtf16(column);
    FxGridSlipB->setHorizontalHeaderLabels(headers);
    for (int c = 0; c < BillColumn::Count; ++c)
        FxGridSlipB->setColumnWidth(c, kColumnWidth[c]);
    FxGridSlipB->horizontalHeader()->setStretchLastSection(true);
    // The lines are what the ledger holds: they are read, never typed.
    FxGridSlipB->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FxGridSlipB->setSelectionBehavior(QAbstractItemView::SelectRows);
    FxGridSlipB->setSelectionMode(QAbstractItemView::ContiguousSelection);
    FxGridSlipB->setMinimumHeight(260);

    BtnSlipNo = new QPushButton(this);
    BtnSlipNo->setObjectName(QStringLiteral("BtnSlipNo"));
    BtnSlipNo->setIcon(QIcon(Pictures::NumberedSheet()));
    BtnSlipNo->setToolTip(Res::text(1019));
    BtnCharge = new QPushButton(this);
    BtnCharge->setObjectName(QStringLiteral("BtnCharge"));
    BtnCharge->setIcon(QIcon(Pictures::Tool(205)));
    BtnCharge->setToolTip(LabelTitle[BillTitle::Staff]->text() + Res::text(1009));
    for (QPushButton* button : {BtnSlipNo, BtnCharge}) {
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(BtnSlipNo, &QPushButton::clicked, this,
            [this] { MenuSlip[SlipBMenu::Number]->trigger(); });
    connect(BtnCharge, &QPushButton::clicked, this, &KivoraSlipB::FindStaff);
}

void KivoraSlipB::buildMenus() {
    MenuBar = new QMenuBar(this);
    MenuBar->setObjectName(QStringLiteral("MenuBar"));
    QMenu* slip = MenuBar->addMenu(QStringLiteral("伝票(&S)"));
    const QList<QAction*> actions =
        FillMenu(slip, {QStringLiteral("伝票集計(&T)"), QStringLiteral("行削除(&L)"), QString(),
                        QStringLiteral("新規(&N)"), QStringLiteral("保存(&S)"),
                        QStringLiteral("削除(&D)"), QString(), QStringLiteral("印刷(&P)"),
                        QString(), QStringLiteral("前回伝票(&B)"), QStringLiteral("伝票履歴(&H)"),
                        QStringLiteral("伝票番号(&M)"), QString(), QStringLiteral("終了(&E)")});
    std::copy(actions.begin(), actions.end(), MenuSlip.begin());
    SetDocumentShortcuts(MenuSlip[SlipBMenu::Save], MenuSlip[SlipBMenu::Print],
                         MenuSlip[SlipBMenu::LastSlip], MenuSlip[SlipBMenu::History],
                         MenuSlip[SlipBMenu::Number]);
    const auto command = [this](int index, const std::function<void()>& run) {
        QAction* item = MenuSlip[index];
        connect(item, &QAction::triggered, this, [this, item, run] { runCommand(item, run); });
    };
    command(SlipBMenu::Gather, [this] { DataDetail(); });
    command(SlipBMenu::DeleteRows, [this] { DeleteRows(); });
    command(SlipBMenu::New, [this] { DataNew(true); });
    command(SlipBMenu::Save, [this] { DataSave(); });
    command(SlipBMenu::Delete, [this] { DataDelete(); });
    command(SlipBMenu::Print, [this] { PrintCommand(); });
    command(SlipBMenu::LastSlip, [this] { LastSlip(); });
    command(SlipBMenu::History, [this] { History(); });
    command(SlipBMenu::Number, [this] { SlipNumber(); });
    command(SlipBMenu::Close, [this] { close(); });
    // A summary bill shows no lines, so there is no line to delete.
    MenuSlip[SlipBMenu::DeleteRows]->setVisible(m_docType == DocType::DetailedBill);

    QMenu* regist = MenuBar->addMenu(QStringLiteral("登録(&R)"));
    MenuRegist = regist->addAction(QStringLiteral("担当者(&C)"));
    connect(MenuRegist, &QAction::triggered, this,
            [this] { runCommand(MenuRegist, [this] { OpenRegistration(); }); });
    MenuHelp = MenuBar->addAction(QStringLiteral("ヘルプ(&H)"));
    connect(MenuHelp, &QAction::triggered, this, &KivoraSlipB::OpenHelp);
}

QWidget* KivoraSlipB::buildImageBar() {
    auto* bar = new ImageBar(
        QStringLiteral("SlipB"),
        {Pictures::Tool(205), Pictures::Tool(203), Pictures::Printer(), Pictures::Tool(212)},
        {QStringLiteral("伝票集計"), Res::text(151), Res::text(152), Res::text(153)}, this);
    LabelSlipBBar = bar;
    for (int i = 0; i < int(ImageSlipBBar.size()); ++i)
        ImageSlipBBar[i] = bar->image(i);
    connect(bar, &ImageBar::clicked, this, &KivoraSlipB::runImageCommand);
    return bar;
}

void KivoraSlipB::layOut() {
    const auto row = [](std::initializer_list<QWidget*> widgets) {
        auto* box = new QHBoxLayout;
        box->setSpacing(4);
        for (QWidget* w : widgets)
            box->addWidget(w);
        box->addStretch();
        return box;
    };
    const auto month = [&](int scroll, int label) {
        return row({LabelSlipB[label], ScrollSlipB[scroll], new QLabel(QStringLiteral("年"), this),
                    LabelSlipB[label + 1], ScrollSlipB[scroll + 1],
                    new QLabel(QStringLiteral("月"), this)});
    };

    auto* period = new QGridLayout;
    period->setHorizontalSpacing(8);
    period->addWidget(LabelTitle[BillTitle::ThisBill], 0, 0);
    period->addLayout(month(BillScroll::Year, BillLabel::Year), 0, 1);
    period->addWidget(LabelTitle[BillTitle::PrevBill], 0, 2);
    period->addLayout(month(BillScroll::PrevYear, BillLabel::PrevYear), 0, 3);
    period->addWidget(LabelTitle[BillTitle::ClosingDay], 0, 4);
    period->addLayout(
        row({LabelSlipB[BillLabel::ClosingDay], new QLabel(QStringLiteral("日"), this)}), 0, 5);
    period->addWidget(LabelTitle[BillTitle::Source], 1, 0);
    period->addLayout(
        row({OptionSlipB[BillSource::DeliveryNotes], OptionSlipB[BillSource::Invoices]}), 1, 1, 1,
        3);
    period->setColumnStretch(6, 1);

    auto* header = new QGridLayout;
    header->setHorizontalSpacing(6);
    header->addWidget(LabelTitle[BillTitle::Number], 0, 0);
    header->addLayout(row({TextSlipB[BillField::Number], BtnSlipNo}), 0, 1);
    header->addWidget(LabelTitle[BillTitle::Date], 0, 2);
    header->addLayout(
        row({ComboSlipB[0], Label1[0], ComboSlipB[1], Label1[1], ComboSlipB[2], Label1[2]}), 0, 3);
    header->addWidget(LabelTitle[BillTitle::Staff], 1, 0);
    header->addLayout(row({TextSlipB[BillField::Staff], BtnCharge}), 1, 1);
    header->addLayout(row({LabelCharge[BillStaff::Name], LabelCharge[BillStaff::Position]}), 1, 2,
                      1, 2);
    header->addWidget(LabelTitle[BillTitle::Remark], 2, 0);
    header->addWidget(TextSlipB[BillField::Remark], 2, 1, 1, 3);
    header->setColumnStretch(3, 1);

    // The sums in two rows of four, each title above its label.
    auto* sums = new QGridLayout;
    sums->setHorizontalSpacing(8);
    const auto place = [&](int title, int label, int r, int c) {
        sums->addWidget(LabelTitle[title], r * 2, c, Qt::AlignLeft);
        sums->addWidget(LabelSlipB[label], r * 2 + 1, c);
    };
    for (int k = 0; k < 4; ++k)
        place(BillTitle::Papers + k, BillLabel::Papers + k, 0, k);
    for (int k = 0; k < 3; ++k)
        place(BillTitle::Total + k, BillLabel::Total + k, 1, k);
    // The summary shows no lines: its amount billed stands under the amount with tax, at
    // the left edge of it, where the eye ends after the sums above.
    if (m_docType == DocType::DetailedBill)
        place(BillTitle::TotalPrice, BillLabel::TotalPrice, 1, 3);
    else
        place(BillTitle::TotalPrice, BillLabel::TotalPrice, 2, 2);
    sums->setColumnStretch(4, 1);

    auto* content = new QVBoxLayout;
    content->addLayout(period);
    content->addSpacing(6);
    content->addLayout(header);
    content->addWidget(FxGridSlipB, 1);
    content->addLayout(sums);
    LabelRate = new QLabel(this);
    LabelRate->setObjectName(QStringLiteral("LabelRate"));
    LabelRate->hide();
    content->addWidget(LabelRate);
    if (m_docType != DocType::DetailedBill) {
        FxGridSlipB->hide();
        content->addStretch(1);
    }

    auto* root = new QHBoxLayout(this);
    root->setMenuBar(MenuBar);
    root->addWidget(buildImageBar());
    root->addLayout(content, 1);
}

void KivoraSlipB::setRows(const QList<QStringList>& rows) {
    // Header plus one empty row when there is nothing, as the grid always shows a row.
    FxGridSlipB->clearContents();
    FxGridSlipB->setRowCount(std::max<int>(1, rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < BillColumn::Count; ++c) {
            auto* item = new QTableWidgetItem(rows[r].value(c));
            const bool number =
                c == BillColumn::Quantity || c == BillColumn::UnitPrice || c == BillColumn::Price;
            item->setTextAlignment(c == BillColumn::Tax
                                       ? Qt::AlignCenter
                                       : (number ? Qt::AlignRight : Qt::AlignLeft) |
                                             Qt::AlignVCenter);
            FxGridSlipB->setItem(r, c, item);
        }
    }
}

QList<QStringList> KivoraSlipB::gridRows() const {
    QList<QStringList> rows;
    for (int r = 0; r < FxGridSlipB->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < BillColumn::Count; ++c) {
            const QTableWidgetItem* item = FxGridSlipB->item(r, c);
            cells << (item ? item->text() : QString());
        }
        rows << cells;
    }
    return rows;
}
