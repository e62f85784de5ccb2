// Building the slip window: header fields, line grid, totals, image bar and menus.
#include "documents/KivoraSlip.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/SharedRoutines.h"
#include "documents/DocumentStore.h"
#include "documents/SlipGrid.h"
#include "resources/Pictures.h"
#include "resources/StringTable.h"
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
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Length property of the header fields, by index (bytes kept: one less).
constexpr std::array<int, 11> kFieldLength = {7, 6, 31, 5, 3, 3, 31, 5, 3, 3, 31};
// Widths of the header fields in pixels; 0 lets the layout stretch the field.
constexpr std::array<int, 11> kFieldWidth = {70, 56, 0, 44, 28, 28, 0, 44, 28, 28, 0};

constexpr std::array<const char16_t*, 11> kTitles = {
    u"伝票番号", u"担当者",   u"作成日",   u"税抜金額", u"税額",    u"税込金額",
    u"適用",     u"納入期日", u"納入場所", u"有効期限", u"取引方法"};

// Pictures the shared picture set does not draw: a printer for the print command and a
// numbered sheet for the number button.
QPixmap slipPicture(int kind) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1f, 0x4e, 0x79), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (kind == 0) { // printer
        p.drawRect(QRectF(7, 3, 10, 6));
        p.drawRect(QRectF(3, 9, 18, 8));
        p.drawRect(QRectF(7, 14, 10, 7));
    } else { // numbered sheet
        p.drawRect(QRectF(5, 3, 14, 18));
        p.drawLine(QPointF(10, 7), QPointF(9, 17));
        p.drawLine(QPointF(15, 7), QPointF(14, 17));
        p.drawLine(QPointF(7, 10), QPointF(17, 10));
        p.drawLine(QPointF(7, 14), QPointF(17, 14));
    }
    return pixmap;
}

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
        SetDateCombo(ComboSlip, 0, true);
        RunGuarded(m_state, [this] { LoadUnit(ComboGrid, *m_state.DbMain); });
    }
    resize(sizeHint().expandedTo(QSize(780, 620)));
    CenterForm(this, parent ? parent->window() : nullptr);
    DataNew();
    FxGridSlip->setCurrentLine(1, 1);
}

KivoraSlip::~KivoraSlip() = default;

void KivoraSlip::buildFields() {
    for (int i = 0; i < 11; ++i) {
        LabelTitle[i] = new QLabel(QString::fromUtf16(kTitles[i]), this);
        LabelTitle[i]->setObjectName(QStringLiteral("LabelTitle%1").arg(i));
        TextSlip[i] = new QLineEdit(this);
        TextSlip[i]->setObjectName(QStringLiteral("TextSlip%1").arg(i));
        AttachLimitLength(TextSlip[i], kFieldLength[i]);
        AttachSelectOnFocus(TextSlip[i], m_state);
        TextSlip[i]->installEventFilter(this);
        if (kFieldWidth[i] > 0)
            TextSlip[i]->setFixedWidth(kFieldWidth[i]);
    }
    // The number is letters and digits only; an input method has nothing to do there.
    TextSlip[0]->setAttribute(Qt::WA_InputMethodEnabled, false);
    const QString dateParts[3] = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日")};
    for (int i = 0; i < 9; ++i) {
        Label1[i] = new QLabel(dateParts[i % 3], this);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
    }
    for (int i = 0; i < 3; ++i) {
        ComboSlip[i] = new QComboBox(this);
        ComboSlip[i]->setObjectName(QStringLiteral("ComboSlip%1").arg(i));
    }
    for (int i = 0; i < 2; ++i) {
        LabelCharge[i] = sunkenLabel(this, Qt::AlignLeft);
        LabelCharge[i]->setObjectName(QStringLiteral("LabelCharge%1").arg(i));
        LabelCharge[i]->setMinimumWidth(i == 0 ? 140 : 110);
    }
    CheckSlip = new QCheckBox(QStringLiteral("売上に計上する(&C)"), this);
    CheckSlip->setObjectName(QStringLiteral("CheckSlip"));
    for (int i = 0; i < 3; ++i) {
        LabelTotal[i] = sunkenLabel(this, Qt::AlignRight);
        LabelTotal[i]->setObjectName(QStringLiteral("LabelTotal%1").arg(i));
        LabelTotal[i]->setMinimumWidth(110);
    }

    BtnSlipNo = new QPushButton(this);
    BtnSlipNo->setObjectName(QStringLiteral("BtnSlipNo"));
    BtnSlipNo->setIcon(QIcon(slipPicture(1)));
    BtnSlipNo->setToolTip(Res::text(1019));
    BtnCharge = new QPushButton(this);
    BtnCharge->setObjectName(QStringLiteral("BtnCharge"));
    BtnCharge->setIcon(QIcon(Pictures::Tool(205)));
    BtnCharge->setToolTip(LabelTitle[1]->text() + Res::text(1009));
    for (QPushButton* button : {BtnSlipNo, BtnCharge}) {
        // Enter belongs to the fields' route, never to a default button.
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(BtnSlipNo, &QPushButton::clicked, this, [this] { MenuSlip[8]->trigger(); });
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
    MenuMain[0] = slip->menuAction();
    static constexpr std::array<const char16_t*, 13> slipItems = {
        u"新規(&N)",       u"保存(&S)",     u"削除(&D)",     nullptr,         u"印刷(&P)",
        nullptr,           u"前回伝票(&B)", u"伝票履歴(&H)", u"伝票番号(&M)", nullptr,
        u"明細コピー(&C)", nullptr,         u"終了(&E)"};
    QMenu* copy = nullptr;
    for (int i = 0; i < 13; ++i) {
        if (!slipItems[i]) {
            MenuSlip[i] = slip->addSeparator();
        } else if (i == 10) {
            copy = slip->addMenu(QString::fromUtf16(slipItems[i]));
            MenuSlip[i] = copy->menuAction();
        } else {
            MenuSlip[i] = slip->addAction(QString::fromUtf16(slipItems[i]));
        }
    }
    MenuSlip[1]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    MenuSlip[4]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    MenuSlip[6]->setShortcut(QKeySequence(Qt::Key_F8));
    MenuSlip[7]->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F8));
    MenuSlip[8]->setShortcut(QKeySequence(Qt::Key_F9));
    const auto command = [this](int index, const std::function<void()>& run) {
        QAction* item = MenuSlip[index];
        connect(item, &QAction::triggered, this, [this, item, run] { runSlipCommand(item, run); });
    };
    command(0, [this] { DataNew(); });
    command(1, [this] { DataSave(); });
    command(2, [this] { DataDelete(); });
    command(4, [this] { PrintCommand(); });
    command(6, [this] { LastSlip(); });
    command(7, [this] { History(); });
    command(8, [this] { SlipNumber(); });
    command(12, [this] { close(); });

    // A document copies from the other three types only (mask resources 410-413).
    const QString mask = Res::text(410 + m_docType);
    for (int i = 0; i < 4; ++i) {
        MenuCopy[i] = copy->addAction(Res::text(401 + i));
        MenuCopy[i]->setVisible(mask.mid(i, 1) == QLatin1String("1"));
        connect(MenuCopy[i], &QAction::triggered, this, [this, i] {
            if (FxGridSlip->EditCommit())
                CopyFrom(i);
        });
    }

    QMenu* edit = MenuBar->addMenu(QStringLiteral("編集(&E)"));
    MenuMain[1] = edit->menuAction();
    MenuEdit[0] = edit->addAction(QStringLiteral("コピー(&C)"));
    QMenu* paste = edit->addMenu(QStringLiteral("貼り付け(&P)"));
    MenuEdit[1] = paste->menuAction();
    MenuEdit[2] = edit->addAction(QStringLiteral("削除(&D)"));
    for (QAction* item : MenuEdit)
        item->setText(QStringLiteral("行") + item->text());
    MenuPaste[0] = paste->addAction(QStringLiteral("上書き(&S)"));
    MenuPaste[1] = paste->addAction(QStringLiteral("挿入(&I)"));
    MenuEdit[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    MenuPaste[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    MenuPaste[1]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    MenuEdit[2]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(MenuEdit[0], &QAction::triggered, FxGridSlip, &SlipGrid::CopyLine);
    connect(MenuPaste[0], &QAction::triggered, this, [this] { FxGridSlip->PasteLine(false); });
    connect(MenuPaste[1], &QAction::triggered, this, [this] { FxGridSlip->PasteLine(true); });
    connect(MenuEdit[2], &QAction::triggered, FxGridSlip, &SlipGrid::DeleteLine);

    QMenu* regist = MenuBar->addMenu(QStringLiteral("登録(&R)"));
    MenuMain[2] = regist->menuAction();
    static constexpr std::array<const char16_t*, 3> registItems = {u"担当者(&C)", u"単位(&U)",
                                                                   u"商品(&G)"};
    for (int i = 0; i < 3; ++i) {
        MenuRegist[i] = regist->addAction(QString::fromUtf16(registItems[i]));
        connect(MenuRegist[i], &QAction::triggered, this,
                [this, i] { runSlipCommand(MenuRegist[i], [this, i] { OpenRegistration(i); }); });
    }

    MenuMain[3] = MenuBar->addAction(QStringLiteral("ヘルプ(&H)"));
    connect(MenuMain[3], &QAction::triggered, this, &KivoraSlip::OpenHelp);
}

QWidget* KivoraSlip::buildImageBar() {
    LabelSlipBar = new QFrame(this);
    LabelSlipBar->setObjectName(QStringLiteral("LabelSlipBar"));
    LabelSlipBar->setFrameShape(QFrame::StyledPanel);
    LabelSlipBar->setAutoFillBackground(true);
    QPalette palette = LabelSlipBar->palette();
    // Light, so that the dark glyphs of the pictures stand out.
    palette.setColor(QPalette::Window, QColor(0xdd, 0xe6, 0xef));
    LabelSlipBar->setPalette(palette);
    LabelSlipBar->installEventFilter(this);
    auto* layout = new QVBoxLayout(LabelSlipBar);
    layout->setContentsMargins(6, 10, 6, 10);
    layout->setSpacing(12);
    const QPixmap pictures[3] = {Pictures::Tool(203), slipPicture(0), Pictures::Tool(212)};
    for (int i = 0; i < 3; ++i) {
        auto* image = new QToolButton(LabelSlipBar);
        image->setObjectName(QStringLiteral("ImageSlipBar%1").arg(i));
        image->setAutoRaise(true);
        image->setIcon(QIcon(pictures[i]));
        image->setIconSize(QSize(32, 32));
        image->setToolTip(Res::text(151 + i));
        image->setFocusPolicy(Qt::NoFocus);
        image->setCursor(Qt::PointingHandCursor);
        image->installEventFilter(this);
        ImageSlipBar[i] = image;
        layout->addWidget(image);
        connect(image, &QToolButton::clicked, this, [this, i] { runImageCommand(i); });
    }
    layout->addStretch();
    LineSlipBar = new QFrame(LabelSlipBar);
    LineSlipBar->setObjectName(QStringLiteral("LineSlipBar"));
    LineSlipBar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    LineSlipBar->setLineWidth(2);
    LineSlipBar->setAttribute(Qt::WA_TransparentForMouseEvents);
    LineSlipBar->hide();
    return LabelSlipBar;
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
    header->addWidget(LabelTitle[0], 0, 0);
    header->addLayout(row({TextSlip[0], BtnSlipNo}), 0, 1);
    header->addWidget(LabelTitle[2], 0, 2);
    header->addLayout(
        row({ComboSlip[0], Label1[0], ComboSlip[1], Label1[1], ComboSlip[2], Label1[2]}), 0, 3);
    header->addWidget(LabelTitle[1], 1, 0);
    header->addLayout(row({TextSlip[1], BtnCharge}), 1, 1);
    header->addLayout(row({LabelCharge[0], LabelCharge[1]}), 1, 2, 1, 2);
    header->addWidget(LabelTitle[6], 2, 0);
    header->addWidget(TextSlip[2], 2, 1, 1, 3);
    header->addWidget(LabelTitle[7], 3, 0);
    header->addLayout(row({TextSlip[3], Label1[3], TextSlip[4], Label1[4], TextSlip[5], Label1[5]}),
                      3, 1);
    header->addWidget(LabelTitle[8], 3, 2);
    header->addWidget(TextSlip[6], 3, 3);
    header->addWidget(LabelTitle[9], 4, 0);
    header->addLayout(row({TextSlip[7], Label1[6], TextSlip[8], Label1[7], TextSlip[9], Label1[8]}),
                      4, 1);
    header->addWidget(LabelTitle[10], 4, 2);
    header->addWidget(TextSlip[10], 4, 3);
    header->setColumnStretch(3, 1);

    auto* totals = new QHBoxLayout;
    totals->addWidget(CheckSlip);
    totals->addStretch();
    for (int i = 0; i < 3; ++i) {
        totals->addWidget(LabelTitle[3 + i]);
        totals->addWidget(LabelTotal[i]);
    }

    auto* content = new QVBoxLayout;
    content->addLayout(header);
    content->addWidget(FxGridSlip, 1);
    content->addLayout(totals);

    auto* root = new QHBoxLayout(this);
    root->setMenuBar(MenuBar);
    root->addWidget(buildImageBar());
    root->addLayout(content, 1);

    // The keyboard walks the header in index order, then the date and the lines.
    QWidget* previous = TextSlip[0];
    for (QWidget* next :
         {static_cast<QWidget*>(TextSlip[1]), static_cast<QWidget*>(ComboSlip[0]),
          static_cast<QWidget*>(ComboSlip[1]), static_cast<QWidget*>(ComboSlip[2])}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (int i = 2; i < 11; ++i) {
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
    for (int k = 3; k <= 10; ++k)
        TextSlip[k]->setHidden(!estimate);
    for (int k = 7; k <= 10; ++k)
        LabelTitle[k]->setHidden(!estimate);
    for (int k = 3; k <= 8; ++k)
        Label1[k]->setHidden(!estimate);
    CheckSlip->setHidden(m_docType < DocType::DeliveryNote);
}

void KivoraSlip::showTotals(const SlipTotals::Totals& totals) {
    const QString pattern = QStringLiteral("\\#,#0");
    LabelTotal[0]->setText(Format(totals.subtotal, pattern));
    LabelTotal[1]->setText(Format(totals.tax, pattern));
    LabelTotal[2]->setText(Format(totals.total, pattern));
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
