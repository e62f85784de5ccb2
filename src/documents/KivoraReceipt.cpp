// Building the receipt window: fields, amounts and total, image bar and menus.
#include "documents/KivoraReceipt.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/NumberText.h"
#include "core/SharedRoutines.h"
#include "documents/ReceiptStore.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Length property of the fields, by index (bytes kept: one less). An amount keeps 16
// bytes while it shows its separators ("999,999,999,999") and 12 digits while it is typed.
constexpr std::array<int, ReceiptField::Count> kFieldLength = {7,  6,  17, 17, 17, 17,
                                                               17, 17, 41, 21, 31};
// Widths in pixels; 0 lets the layout stretch the field.
constexpr std::array<int, ReceiptField::Count> kFieldWidth = {70,  56,  130, 130, 130, 130,
                                                              130, 130, 0,   160, 0};

constexpr std::array<const char16_t*, ReceiptTitle::Count> kTitles = {
    u"伝票番号", u"現金",     u"小切手", u"振込", u"手形",     u"相殺", u"その他", u"担当者",
    u"但し",     u"手形期日", u"手形No", u"適用", u"合計金額", u"内訳", u"作成日"};

QLabel* sunkenLabel(QWidget* parent, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

bool isAmount(int index) {
    return index >= ReceiptField::Cash && index <= ReceiptField::Other;
}

} // namespace

KivoraReceipt::KivoraReceipt(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_docName(state.gCaption) {
    setObjectName(QStringLiteral("KivoraReceipt"));
    m_store = std::make_unique<ReceiptStore>(*m_state.DbMain);
    QString caption = m_docName;
    if (!m_state.gUserName.isEmpty())
        caption += QStringLiteral(" [") + m_state.gUserName + QLatin1Char(']');
    setWindowTitle(caption);
    {
        BusyCursor busy;
        buildFields();
        buildMenus();
        layOut();
        SetDateCombo(ComboReceipt, ReceiptCombo::Year, true);
        SetDateCombo(ComboReceipt, ReceiptCombo::DueYear, false);
    }
    resize(sizeHint().expandedTo(QSize(720, 0)));
    CenterForm(this, parent ? parent->window() : nullptr);
    DataNew();
    TextReceipt[ReceiptField::Number]->setFocus();
}

KivoraReceipt::~KivoraReceipt() = default;

void KivoraReceipt::buildFields() {
    for (int i = 0; i < ReceiptTitle::Count; ++i) {
        LabelTitle[i] = new QLabel(QString::fromUtf16(kTitles[i]), this);
        LabelTitle[i]->setObjectName(QStringLiteral("LabelTitle%1").arg(i));
    }
    for (int i = 0; i < ReceiptField::Count; ++i) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("TextReceipt%1").arg(i));
        AttachLimitLength(field, kFieldLength[i]);
        AttachSelectOnFocus(field, m_state);
        field->installEventFilter(this);
        // Numbers, codes and amounts take letters and digits only.
        if (kFieldWidth[i] > 0) {
            field->setFixedWidth(kFieldWidth[i]);
            if (i != ReceiptField::BillNumber)
                AsciiOnly(field);
        }
        if (isAmount(i))
            field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        TextReceipt[i] = field;
    }
    const QString dateParts[DatePart::Count] = {QStringLiteral("年"), QStringLiteral("月"),
                                                QStringLiteral("日")};
    for (int i = 0; i < int(Label1.size()); ++i) {
        Label1[i] = new QLabel(dateParts[i % DatePart::Count], this);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
    }
    for (int i = 0; i < ReceiptCombo::Count; ++i) {
        ComboReceipt[i] = new QComboBox(this);
        ComboReceipt[i]->setObjectName(QStringLiteral("ComboReceipt%1").arg(i));
    }
    for (int i = 0; i < ReceiptStaff::Count; ++i) {
        LabelCharge[i] = sunkenLabel(this, Qt::AlignLeft);
        LabelCharge[i]->setObjectName(QStringLiteral("LabelCharge%1").arg(i));
        LabelCharge[i]->setMinimumWidth(i == ReceiptStaff::Name ? 140 : 110);
    }
    for (int i = 0; i < ReceiptTotal::Count; ++i) {
        LabelTotal[i] = sunkenLabel(this, Qt::AlignRight);
        LabelTotal[i]->setObjectName(QStringLiteral("LabelTotal%1").arg(i));
        LabelTotal[i]->setMinimumWidth(130);
    }

    BtnSlipNo = new QPushButton(this);
    BtnSlipNo->setObjectName(QStringLiteral("BtnSlipNo"));
    BtnSlipNo->setIcon(QIcon(Pictures::NumberedSheet()));
    BtnSlipNo->setToolTip(Res::text(1019));
    BtnCharge = new QPushButton(this);
    BtnCharge->setObjectName(QStringLiteral("BtnCharge"));
    BtnCharge->setIcon(QIcon(Pictures::Tool(205)));
    BtnCharge->setToolTip(LabelTitle[ReceiptTitle::Staff]->text() + Res::text(1009));
    for (QPushButton* button : {BtnSlipNo, BtnCharge}) {
        // Enter belongs to the fields' route, never to a default button.
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(BtnSlipNo, &QPushButton::clicked, this,
            [this] { MenuSlip[ReceiptMenu::Number]->trigger(); });
    connect(BtnCharge, &QPushButton::clicked, this, &KivoraReceipt::FindStaff);
}

void KivoraReceipt::buildMenus() {
    MenuBar = new QMenuBar(this);
    MenuBar->setObjectName(QStringLiteral("MenuBar"));

    QMenu* slip = MenuBar->addMenu(QStringLiteral("伝票(&S)"));
    MenuMain[ReceiptMainMenu::Slip] = slip->menuAction();
    QMenu* copy = nullptr;
    const QList<QAction*> actions = FillMenu(
        slip,
        {QStringLiteral("新規(&N)"), QStringLiteral("保存(&S)"), QStringLiteral("削除(&D)"),
         QString(), QStringLiteral("印刷(&P)"), QString(), QStringLiteral("前回伝票(&B)"),
         QStringLiteral("伝票履歴(&H)"), QStringLiteral("伝票番号(&M)"), QString(),
         QStringLiteral("金額コピー(&C)"), QString(), QStringLiteral("終了(&E)")},
        ReceiptMenu::Copy, &copy);
    std::copy(actions.begin(), actions.end(), MenuSlip.begin());
    SetDocumentShortcuts(MenuSlip[ReceiptMenu::Save], MenuSlip[ReceiptMenu::Print],
                         MenuSlip[ReceiptMenu::LastSlip], MenuSlip[ReceiptMenu::History],
                         MenuSlip[ReceiptMenu::Number]);
    const auto command = [this](int index, const std::function<void()>& run) {
        QAction* item = MenuSlip[index];
        connect(item, &QAction::triggered, this, [this, item, run] { runCommand(item, run); });
    };
    command(ReceiptMenu::New, [this] { DataNew(); });
    command(ReceiptMenu::Save, [this] { DataSave(); });
    command(ReceiptMenu::Delete, [this] { DataDelete(); });
    command(ReceiptMenu::Print, [this] { PrintCommand(); });
    command(ReceiptMenu::LastSlip, [this] { LastSlip(); });
    command(ReceiptMenu::History, [this] { History(); });
    command(ReceiptMenu::Number, [this] { SlipNumber(); });
    command(ReceiptMenu::Close, [this] { close(); });

    // A receipt takes its amount from any of the four slip kinds (mask resource 416).
    const QString mask = Res::text(410 + DocType::Receipt);
    for (int i = 0; i < int(MenuCopy.size()); ++i) {
        MenuCopy[i] = copy->addAction(Res::text(401 + i));
        MenuCopy[i]->setVisible(mask.mid(i, 1) == QLatin1String("1"));
        connect(MenuCopy[i], &QAction::triggered, this,
                [this, i] { runCommand(MenuCopy[i], [this, i] { CopyAmount(i); }); });
    }

    QMenu* regist = MenuBar->addMenu(QStringLiteral("登録(&R)"));
    MenuMain[ReceiptMainMenu::Regist] = regist->menuAction();
    MenuRegist = regist->addAction(QStringLiteral("担当者(&C)"));
    connect(MenuRegist, &QAction::triggered, this,
            [this] { runCommand(MenuRegist, [this] { OpenRegistration(); }); });

    MenuMain[ReceiptMainMenu::Help] = MenuBar->addAction(QStringLiteral("ヘルプ(&H)"));
    connect(MenuMain[ReceiptMainMenu::Help], &QAction::triggered, this, &KivoraReceipt::OpenHelp);
}

QWidget* KivoraReceipt::buildImageBar() {
    auto* bar = new ImageBar(QStringLiteral("Receipt"),
                             {Pictures::Tool(203), Pictures::Printer(), Pictures::Tool(212)},
                             {Res::text(151), Res::text(152), Res::text(153)}, this);
    LabelReceiptBar = bar;
    for (int i = 0; i < int(ImageReceiptBar.size()); ++i)
        ImageReceiptBar[i] = bar->image(i);
    LineReceiptBar = bar->line();
    connect(bar, &ImageBar::clicked, this, &KivoraReceipt::runImageCommand);
    return bar;
}

void KivoraReceipt::layOut() {
    const auto row = [](std::initializer_list<QWidget*> widgets) {
        auto* box = new QHBoxLayout;
        box->setSpacing(4);
        for (QWidget* w : widgets)
            box->addWidget(w);
        box->addStretch();
        return box;
    };
    const auto date = [&](int first) {
        return row({ComboReceipt[first], Label1[first], ComboReceipt[first + 1], Label1[first + 1],
                    ComboReceipt[first + 2], Label1[first + 2]});
    };

    auto* header = new QGridLayout;
    header->setHorizontalSpacing(6);
    header->addWidget(LabelTitle[ReceiptTitle::Number], 0, 0);
    header->addLayout(row({TextReceipt[ReceiptField::Number], BtnSlipNo}), 0, 1);
    header->addWidget(LabelTitle[ReceiptTitle::Date], 0, 2);
    header->addLayout(date(ReceiptCombo::Year), 0, 3);
    header->addWidget(LabelTitle[ReceiptTitle::Staff], 1, 0);
    header->addLayout(row({TextReceipt[ReceiptField::Staff], BtnCharge}), 1, 1);
    header->addLayout(row({LabelCharge[ReceiptStaff::Name], LabelCharge[ReceiptStaff::Position]}),
                      1, 2, 1, 2);
    header->setColumnStretch(3, 1);

    // The amounts by kind down the left, their total under them.
    auto* amounts = new QGridLayout;
    amounts->addWidget(LabelTitle[ReceiptTitle::Amounts], 0, 0, 1, 2);
    for (int k = 0; k < 6; ++k) {
        amounts->addWidget(LabelTitle[ReceiptTitle::Cash + k], k + 1, 0);
        amounts->addWidget(TextReceipt[ReceiptField::Cash + k], k + 1, 1);
    }
    amounts->addWidget(LabelTitle[ReceiptTitle::Total], 7, 0);
    amounts->addWidget(LabelTotal[ReceiptTotal::Plain], 7, 1);
    amounts->addWidget(LabelTotal[ReceiptTotal::Yen], 8, 1);
    amounts->setRowStretch(9, 1);

    // What the money was for, and the bill's details, on the right.
    auto* details = new QGridLayout;
    details->addWidget(LabelTitle[ReceiptTitle::For], 0, 0);
    details->addWidget(TextReceipt[ReceiptField::For], 0, 1);
    details->addWidget(LabelTitle[ReceiptTitle::BillNumber], 1, 0);
    details->addLayout(row({TextReceipt[ReceiptField::BillNumber]}), 1, 1);
    details->addWidget(LabelTitle[ReceiptTitle::DueDate], 2, 0);
    details->addLayout(date(ReceiptCombo::DueYear), 2, 1);
    details->addWidget(LabelTitle[ReceiptTitle::Summary], 3, 0);
    details->addWidget(TextReceipt[ReceiptField::Summary], 3, 1);
    details->setRowStretch(4, 1);
    details->setColumnStretch(1, 1);

    auto* body = new QHBoxLayout;
    body->addLayout(amounts);
    body->addSpacing(16);
    body->addLayout(details, 1);

    auto* content = new QVBoxLayout;
    content->addLayout(header);
    content->addSpacing(8);
    content->addLayout(body, 1);

    auto* root = new QHBoxLayout(this);
    root->setMenuBar(MenuBar);
    root->addWidget(buildImageBar());
    root->addLayout(content, 1);

    // Tab walks the fields in index order, with the issue date after the staff member.
    QWidget* previous = TextReceipt[ReceiptField::Number];
    for (QWidget* next : {static_cast<QWidget*>(TextReceipt[ReceiptField::Staff]),
                          static_cast<QWidget*>(ComboReceipt[ReceiptCombo::Year]),
                          static_cast<QWidget*>(ComboReceipt[ReceiptCombo::Month]),
                          static_cast<QWidget*>(ComboReceipt[ReceiptCombo::Day])}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (int i = ReceiptField::Cash; i < ReceiptField::Count; ++i) {
        setTabOrder(previous, TextReceipt[i]);
        previous = TextReceipt[i];
        if (i == ReceiptField::BillNumber) {
            for (int c = ReceiptCombo::DueYear; c <= ReceiptCombo::DueDay; ++c) {
                setTabOrder(previous, ComboReceipt[c]);
                previous = ComboReceipt[c];
            }
        }
    }
}

void KivoraReceipt::CalcTotal() {
    double total = 0;
    for (int k = ReceiptField::Cash; k <= ReceiptField::Other; ++k) {
        if (const std::optional<double> amount = ParseNumber(TextReceipt[k]->text()))
            total += *amount;
    }
    LabelTotal[ReceiptTotal::Plain]->setText(Format(total, QStringLiteral("#,#0")));
    LabelTotal[ReceiptTotal::Yen]->setText(Format(total, QStringLiteral("\\#,#0")));
}

void KivoraReceipt::amountEntered(int index) {
    // The plain number is what the user edits: no separators to step over. The length
    // shrinks by the room the separators took, so that the number still fits once they
    // come back.
    QLineEdit* field = TextReceipt[index];
    if (!field->text().isEmpty())
        field->setText(EditText(field->text()));
    field->setMaxLength(std::min(kFieldLength[index] - 4, 13));
    field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void KivoraReceipt::amountLeft(int index) {
    QLineEdit* field = TextReceipt[index];
    field->setMaxLength(kFieldLength[index]);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const std::optional<double> amount = ParseNumber(field->text());
    field->setText(amount ? Format(*amount, QStringLiteral("#,#0")) : QString());
    CalcTotal();
}
