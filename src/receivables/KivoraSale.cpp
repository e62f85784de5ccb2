// Building the receivables window and showing the ledger: month list, grid, totals,
// image bar and menu.
#include "receivables/KivoraSale.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/SharedRoutines.h"
#include "resources/Pictures.h"
#include "resources/StringTable.h"
#include "widgets/ImageBar.h"
#include "widgets/WidgetRoutines.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr std::array<const char16_t*, SaleTitle::Count> kTitles = {
    u"処理年月", u"顧客番号", u"顧客名", u"売上合計", u"入金合計", u"前月繰越"};

constexpr std::array<const char16_t*, SaleColumn::Count> kListHeaders = {
    u"顧客番号", u"顧客名", u"繰越残高", u"売上金額", u"入金額", u"残高"};
constexpr std::array<const char16_t*, SaleColumn::Count> kLedgerHeaders = {
    u"処理日", u"伝票番号", u"入金科目", u"売上金額", u"入金額", u"残高"};

// Pictures the shared picture set does not draw: the image bar's commands and the way
// back to the list.
QPixmap salePicture(int resource) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1f, 0x4e, 0x79), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (resource) {
    case 301: // payment: a coin
        p.drawEllipse(QPointF(12, 12), 9, 9);
        p.drawLine(QPointF(8, 7), QPointF(12, 12));
        p.drawLine(QPointF(16, 7), QPointF(12, 12));
        p.drawLine(QPointF(12, 12), QPointF(12, 18));
        p.drawLine(QPointF(8, 13), QPointF(16, 13));
        break;
    case 302: // correct: a pencil
        p.drawLine(QPointF(5, 19), QPointF(18, 6));
        p.drawLine(QPointF(8, 21), QPointF(21, 8));
        p.drawLine(QPointF(5, 19), QPointF(4, 22));
        p.drawLine(QPointF(4, 22), QPointF(8, 21));
        break;
    case 303: // delete: a cross
        p.drawLine(QPointF(6, 6), QPointF(18, 18));
        p.drawLine(QPointF(18, 6), QPointF(6, 18));
        break;
    case 304: // print: a printer
        p.drawRect(QRectF(7, 3, 10, 6));
        p.drawRect(QRectF(3, 9, 18, 8));
        p.drawRect(QRectF(7, 14, 10, 7));
        break;
    case 401: // back to the list: a bent arrow
        p.drawPolyline(QPolygonF({QPointF(20, 18), QPointF(20, 9), QPointF(6, 9)}));
        p.drawPolyline(QPolygonF({QPointF(10, 5), QPointF(6, 9), QPointF(10, 13)}));
        break;
    default:
        return Pictures::Tool(212);
    }
    return pixmap;
}

QLabel* sunkenLabel(QWidget* parent, Qt::Alignment alignment, int width) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setMinimumWidth(width);
    return label;
}

QTableWidgetItem* amountItem(double value) {
    auto* item = new QTableWidgetItem(Format(value, QStringLiteral("#,#0")));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

KivoraSale::KivoraSale(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ledger(*state.DbMain) {
    setObjectName(QStringLiteral("KivoraSale"));
    setWindowTitle(m_state.gCaption.isEmpty() ? QStringLiteral("売掛管理") : m_state.gCaption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_savedCode = m_state.gUserCode;
    m_savedName = m_state.gUserName;
    {
        BusyCursor busy;
        buildControls();
        buildMenus();
        layOut();
        m_mode = LedgerMode::List;
        GridClear();
    }
    resize(sizeHint().expandedTo(QSize(820, 560)));
    CenterForm(this, parent ? parent->window() : nullptr);
    // The month of today, whatever period the closing day makes of it; choosing it runs
    // the first refresh.
    const QDate today = QDate::currentDate();
    const QString month =
        QStringLiteral("%1/%2").arg(today.year()).arg(today.month(), 2, 10, QLatin1Char('0'));
    {
        const QSignalBlocker quiet(ComboSale);
        SetComboText(ComboSale, month);
    }
    Refresh();
    FxGridSale->setFocus();
}

KivoraSale::~KivoraSale() {
    restoreCustomer();
}

void KivoraSale::buildControls() {
    ComboSale = new QComboBox(this);
    ComboSale->setObjectName(QStringLiteral("ComboSale"));
    ComboSale->addItems(Ledger::MonthTexts());
    connect(ComboSale, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });

    for (int i = 0; i < SaleTitle::Count; ++i) {
        LabelTitle[i] = new QLabel(QString::fromUtf16(kTitles[i]), this);
        LabelTitle[i]->setObjectName(QStringLiteral("LabelTitle%1").arg(i));
    }
    for (int i = 0; i < SaleLabel::Count; ++i) {
        const bool amount = i >= SaleLabel::Sales;
        LabelSale[i] = sunkenLabel(this, amount ? Qt::AlignRight : Qt::AlignLeft,
                                   i == SaleLabel::Name ? 220 : 110);
        LabelSale[i]->setObjectName(QStringLiteral("LabelSale%1").arg(i));
    }

    BtnFind = new QPushButton(this);
    BtnFind->setObjectName(QStringLiteral("BtnFind"));
    BtnFind->setIcon(QIcon(Pictures::Tool(205)));
    BtnFind->setToolTip(QStringLiteral("顧客") + Res::text(1009));
    BtnLast = new QPushButton(this);
    BtnLast->setObjectName(QStringLiteral("BtnLast"));
    BtnLast->setIcon(QIcon(salePicture(401)));
    BtnLast->setToolTip(Res::text(1018));
    for (QPushButton* button : {BtnFind, BtnLast})
        button->setAutoDefault(false);
    connect(BtnFind, &QPushButton::clicked, this, [this] { FindCustomer(); });
    connect(BtnLast, &QPushButton::clicked, this, [this] { ShowList(); });

    FxGridSale = new QTableWidget(this);
    FxGridSale->setObjectName(QStringLiteral("FxGridSale"));
    FxGridSale->setColumnCount(SaleColumn::Count);
    FxGridSale->setSelectionBehavior(QAbstractItemView::SelectRows);
    FxGridSale->setSelectionMode(QAbstractItemView::SingleSelection);
    FxGridSale->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FxGridSale->verticalHeader()->hide();
    FxGridSale->setMinimumSize(640, 320);
    FxGridSale->installEventFilter(this);
    connect(FxGridSale, &QTableWidget::cellClicked, this, [this](int row) { m_row = row; });
    connect(FxGridSale, &QTableWidget::currentCellChanged, this, [this](int row) { m_row = row; });
    connect(FxGridSale, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        m_row = row;
        openRow(row);
    });
}

void KivoraSale::buildMenus() {
    MenuBar = new QMenuBar(this);
    MenuBar->setObjectName(QStringLiteral("MenuBar"));
    QMenu* job = MenuBar->addMenu(QStringLiteral("処理(&P)"));
    static constexpr std::array<const char16_t*, SaleMenu::Count> items = {
        u"売掛一覧(&S)", u"入金管理(&M)", nullptr,     u"入金(&R)", u"修正(&C)",
        u"削除(&D)",     nullptr,         u"印刷(&P)", nullptr,     u"終了(&E)"};
    for (int i = 0; i < SaleMenu::Count; ++i)
        MenuJob[i] = items[i] ? job->addAction(QString::fromUtf16(items[i])) : job->addSeparator();
    const auto command = [this](int index, const std::function<void()>& run) {
        connect(MenuJob[index], &QAction::triggered, this,
                [this, run] { RunGuarded(m_state, run); });
    };
    command(SaleMenu::List, [this] { ShowList(); });
    command(SaleMenu::Find, [this] { FindCustomer(); });
    command(SaleMenu::Receive, [this] { ReceiveNew(); });
    command(SaleMenu::Correct, [this] { ReceiveCorrect(); });
    command(SaleMenu::Delete, [this] { DataDelete(); });
    command(SaleMenu::Print, [this] { PrintList(); });
    connect(MenuJob[SaleMenu::Close], &QAction::triggered, this, &QWidget::close);
    job->setToolTipsVisible(true);

    MenuHelp = MenuBar->addAction(QStringLiteral("ヘルプ(&H)"));
    connect(MenuHelp, &QAction::triggered, this,
            [this] { OpenHelpFile(m_state, QStringLiteral("ledger")); });
}

QWidget* KivoraSale::buildImageBar() {
    auto* bar = new ImageBar(
        QStringLiteral("Sale"),
        {salePicture(301), salePicture(302), salePicture(303), salePicture(304), salePicture(305)},
        {Res::text(161), Res::text(162), Res::text(163), Res::text(164), Res::text(165)}, this);
    LabelSaleBar = bar;
    for (int i = 0; i < int(ImageSaleBar.size()); ++i)
        ImageSaleBar[i] = bar->image(i);
    // The pictures run the menu's commands.
    const std::array<int, SaleImage::Count> items = {
        SaleMenu::Receive, SaleMenu::Correct, SaleMenu::Delete, SaleMenu::Print, SaleMenu::Close};
    connect(bar, &ImageBar::clicked, this, [this, items](int i) { MenuJob[items[i]]->trigger(); });
    return bar;
}

void KivoraSale::layOut() {
    auto* header = new QGridLayout;
    header->setHorizontalSpacing(6);
    for (int i = 0; i < SaleTitle::Count; ++i)
        header->addWidget(LabelTitle[i], 0, i);
    header->addWidget(ComboSale, 1, SaleTitle::Month);
    header->addWidget(LabelSale[SaleLabel::Code], 1, SaleTitle::Code);
    auto* name = new QHBoxLayout;
    name->setSpacing(4);
    name->addWidget(LabelSale[SaleLabel::Name], 1);
    name->addWidget(BtnFind);
    name->addWidget(BtnLast);
    header->addLayout(name, 1, SaleTitle::Name);
    for (int i = SaleLabel::Sales; i < SaleLabel::Count; ++i)
        header->addWidget(LabelSale[i], 1, SaleTitle::Sales + (i - SaleLabel::Sales));
    header->setColumnStretch(SaleTitle::Name, 1);

    auto* content = new QVBoxLayout;
    content->addLayout(header);
    content->addWidget(FxGridSale, 1);
    auto* root = new QHBoxLayout(this);
    root->setMenuBar(MenuBar);
    root->addWidget(buildImageBar());
    root->addLayout(content, 1);
}

void KivoraSale::GridClear() {
    FxGridSale->clearContents();
    FxGridSale->setRowCount(1);
    const auto& headers = m_mode == LedgerMode::List ? kListHeaders : kLedgerHeaders;
    QStringList labels;
    for (const char16_t* header : headers)
        labels << QString::fromUtf16(header);
    FxGridSale->setHorizontalHeaderLabels(labels);
    for (QLabel* label : LabelSale)
        label->clear();
    m_row = -1;
    m_entries.clear();
    m_rows.clear();
    m_records.clear();
}

void KivoraSale::Refresh() {
    const auto month = Ledger::ParseMonth(ComboSale->currentText());
    if (!month)
        return;
    // A month that cannot be read shows as empty rather than as the previous one.
    GridClear();
    RunGuarded(m_state, [&] {
        BusyCursor busy;
        m_period = Ledger::Period(month->first, month->second, m_ledger.Closing());
        if (m_mode == LedgerMode::List) {
            showList(m_ledger.ReadList(m_period));
        } else {
            showCustomer(m_ledger.ReadCustomer(m_state.gUserCode, m_period));
        }
    });
    CalcTotal();
    BtnLast->setEnabled(m_mode == LedgerMode::Customer);
    MenuJob[SaleMenu::List]->setEnabled(m_mode == LedgerMode::Customer);
}

void KivoraSale::showList(const LedgerList& list) {
    GridClear();
    m_rows = list.Rows;
    m_records = list.Records;
    FxGridSale->setRowCount(std::max<int>(1, int(m_rows.size())));
    for (int r = 0; r < int(m_rows.size()); ++r) {
        const LedgerListRow& row = m_rows[r];
        FxGridSale->setItem(r, SaleColumn::Key, new QTableWidgetItem(row.Code));
        FxGridSale->setItem(r, SaleColumn::Text, new QTableWidgetItem(row.Name));
        FxGridSale->setItem(r, SaleColumn::Kind, amountItem(row.CarryOver));
        FxGridSale->setItem(r, SaleColumn::Sales, amountItem(row.Sales));
        FxGridSale->setItem(r, SaleColumn::Receipts, amountItem(row.Receipts));
        FxGridSale->setItem(r, SaleColumn::Balance, amountItem(row.Balance));
    }
    SetGridWidth(FxGridSale);
}

void KivoraSale::showCustomer(const CustomerLedger& ledger) {
    GridClear();
    m_entries = ledger.Entries;
    m_records = ledger.Records;
    LabelSale[SaleLabel::Code]->setText(m_state.gUserCode);
    LabelSale[SaleLabel::Name]->setText(m_state.gUserName);
    LabelSale[SaleLabel::Last]->setText(Format(ledger.CarryOver, QStringLiteral("\\#,#0")));
    FxGridSale->setRowCount(std::max<int>(1, int(m_entries.size())));
    for (int r = 0; r < int(m_entries.size()); ++r) {
        const LedgerEntry& entry = m_entries[r];
        FxGridSale->setItem(
            r, SaleColumn::Key,
            new QTableWidgetItem(Format(double(entry.SaleYMD), QStringLiteral("0/00/00"))));
        FxGridSale->setItem(r, SaleColumn::Text, new QTableWidgetItem(entry.DocNumber));
        // Every payment names its kind, a negative one (money paid back) too, so that a
        // correction keeps it.
        FxGridSale->setItem(
            r, SaleColumn::Kind,
            new QTableWidgetItem(Ledger::KindName(entry.isPayment() ? entry.Division : 0)));
        FxGridSale->setItem(r, SaleColumn::Sales, amountItem(entry.Price));
        FxGridSale->setItem(r, SaleColumn::Receipts, amountItem(entry.Receive));
        FxGridSale->setItem(r, SaleColumn::Balance, amountItem(entry.Balance));
    }
    SetGridWidth(FxGridSale);
}

void KivoraSale::CalcTotal() {
    double sales = 0, receipts = 0, balance = 0;
    if (m_mode == LedgerMode::List) {
        for (const LedgerListRow& row : std::as_const(m_rows)) {
            sales += row.Sales;
            receipts += row.Receipts;
            balance += row.Balance;
        }
    } else {
        for (const LedgerEntry& entry : std::as_const(m_entries)) {
            sales += entry.Price;
            receipts += entry.Receive;
        }
    }
    const QString yen = QStringLiteral("\\#,#0");
    LabelSale[SaleLabel::Sales]->setText(Format(sales, yen));
    LabelSale[SaleLabel::Receipts]->setText(Format(receipts, yen));
    if (m_mode == LedgerMode::List) {
        LabelSale[SaleLabel::Last]->setText(Format(balance, yen));
        LabelTitle[SaleTitle::Last]->setText(QStringLiteral("残高合計"));
    } else {
        // The label keeps the carry-over the refresh put there.
        LabelTitle[SaleTitle::Last]->setText(QStringLiteral("前月繰越"));
    }
}
