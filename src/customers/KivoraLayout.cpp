// Building the main window: tool bar, work bar, customer form and menus.
#include "customers/Kivora.h"

#include "core/AppState.h"
#include "core/SharedRoutines.h"
#include "documents/Slip.h"
#include "lists/KivoraListU.h"
#include "masters/MasterStore.h"
#include "printing/KivoraInkan.h"
#include "resources/Pictures.h"
#include "resources/StringTable.h"
#include "widgets/WidgetRoutines.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct FieldSpec {
    const char16_t* caption;
    int maxLength; // the field keeps maxLength - 1 Shift_JIS bytes
};

// Captions and lengths of the customer fields, in field order.
constexpr std::array<FieldSpec, CustomerField::Count> kFields = {{
    {u"顧客番号", 11},
    {u"顧客名", 41},
    {u"顧客カナ", 41},
    {u"顧客敬称", 5},
    {u"郵便番号", 4},
    {u"郵便番号", 5},
    {u"住所１", 31},
    {u"住所２", 31},
    {u"ＴＥＬ", 13},
    {u"ＦＡＸ", 13},
    {u"携帯電話", 14},
    {u"部署１", 31},
    {u"担当者１", 21},
    {u"部署２", 31},
    {u"担当者２", 21},
    {u"担当者敬称", 5},
    {u"備考", 51},
    {u"顧客分類", 4},
}};

QLabel* caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QAction* addItem(QMenu* menu, const QString& text, bool enabled = false) {
    QAction* action = menu->addAction(text);
    action->setEnabled(enabled);
    return action;
}

} // namespace

void Kivora::buildToolBar() {
    ToolbarMain = addToolBar(QStringLiteral("ToolbarMain"));
    ToolbarMain->setObjectName(QStringLiteral("ToolbarMain"));
    ToolbarMain->setMovable(false);
    ToolbarMain->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ToolbarMain->setIconSize(QSize(24, 24));
    for (int i = 0; i < ToolBarButton::Count; ++i) {
        const QString text = Res::text(201 + i);
        if (text == QLatin1String("-")) {
            ToolButton[i] = ToolbarMain->addSeparator();
            continue;
        }
        ToolButton[i] = ToolbarMain->addAction(QIcon(Pictures::Tool(201 + i)), text);
        ToolButton[i]->setToolTip(text);
    }
    connect(ToolButton[ToolBarButton::NewCustomer], &QAction::triggered, this,
            [this] { RunGuarded(m_state, [this] { DataNew(); }); });
    connect(ToolButton[ToolBarButton::Save], &QAction::triggered, this, [this] { DataSave(); });
    connect(ToolButton[ToolBarButton::Find], &QAction::triggered, this,
            [this] { DataRead(CustomerRead::Search); });
    for (int i = ToolBarButton::First; i <= ToolBarButton::Last; ++i)
        connect(ToolButton[i], &QAction::triggered, this,
                [this, i] { DataMove(i - ToolBarButton::First); });
    connect(ToolButton[ToolBarButton::Exit], &QAction::triggered, this, &QWidget::close);
}

QWidget* Kivora::buildWorkBar() {
    LabelWorkBar = new QFrame(this);
    LabelWorkBar->setObjectName(QStringLiteral("LabelWorkBar"));
    LabelWorkBar->setFrameShape(QFrame::StyledPanel);
    LabelWorkBar->setAutoFillBackground(true);
    QPalette palette = LabelWorkBar->palette();
    palette.setColor(QPalette::Window, QColor(0x3c, 0x5a, 0x78));
    LabelWorkBar->setPalette(palette);
    LabelWorkBar->setMouseTracking(true);
    LabelWorkBar->installEventFilter(this);
    auto* layout = new QVBoxLayout(LabelWorkBar);
    layout->setContentsMargins(8, 10, 8, 10);
    layout->setSpacing(10);
    for (int i = 0; i < WorkBarImage::Count; ++i) {
        auto* image = new QToolButton(LabelWorkBar);
        image->setObjectName(QStringLiteral("ImageWorkBar%1").arg(i));
        image->setAutoRaise(true);
        image->setIcon(QIcon(Pictures::WorkBar(i)));
        image->setIconSize(QSize(40, 44));
        image->setToolTip(Res::text(101 + i));
        image->setCursor(Qt::PointingHandCursor);
        image->setFocusPolicy(Qt::NoFocus);
        image->installEventFilter(this);
        ImageWorkBar[i] = image;
        layout->addWidget(image);
        connect(image, &QToolButton::clicked, this, [this, i] {
            const int type = WorkBarDocType(i);
            if (type != DocType::Receivables)
                OpenDocument(type, ImageWorkBar[i]->toolTip());
            else if (m_documentOpener) {
                // The ledger opens without a customer check.
                m_state.gCaption = ImageWorkBar[i]->toolTip();
                m_documentOpener(type);
            }
        });
    }
    layout->addStretch();
    LineWorkBar = new QFrame(LabelWorkBar);
    LineWorkBar->setObjectName(QStringLiteral("LineWorkBar"));
    LineWorkBar->setFrameShape(QFrame::Panel);
    LineWorkBar->setLineWidth(2);
    LineWorkBar->setAttribute(Qt::WA_TransparentForMouseEvents);
    LineWorkBar->hide();
    DrawFrame();
    return LabelWorkBar;
}

void Kivora::MoveFrame(QToolButton* image) {
    if (!image) {
        LineWorkBar->hide();
        return;
    }
    LineWorkBar->setGeometry(image->geometry().adjusted(-3, -3, 3, 3));
    LineWorkBar->show();
    LineWorkBar->raise();
}

void Kivora::DrawFrame() {
    // Two raised styles that differ in which edge carries the light.
    LineWorkBar->setFrameShadow(m_state.FrameStyle ? QFrame::Sunken : QFrame::Raised);
    QPalette palette = LineWorkBar->palette();
    palette.setColor(QPalette::Light, QColor(0xf0, 0xf0, 0xf0));
    palette.setColor(QPalette::Dark, QColor(0x20, 0x20, 0x20));
    palette.setColor(QPalette::Mid, QColor(0x80, 0x80, 0x80));
    LineWorkBar->setPalette(palette);
}

void Kivora::prepareFields() {
    for (int i = 0; i < CustomerField::Count; ++i) {
        TextSlip[i] = new QLineEdit(this);
        TextSlip[i]->setObjectName(QStringLiteral("TextSlip%1").arg(i));
        LabelSlip[i] = caption(QString::fromUtf16(kFields[i].caption), this);
        AttachLimitLength(TextSlip[i], kFields[i].maxLength);
        TextSlip[i]->installEventFilter(this);
    }
    // Code, postal parts, telephone, fax, mobile and class code take digits only.
    for (int i : {CustomerField::Code, CustomerField::Zip1, CustomerField::Zip2, CustomerField::Tel,
                  CustomerField::Fax, CustomerField::Portable, CustomerField::Class})
        AsciiOnly(TextSlip[i]);
    for (int i = 0; i < CustomerCombo::Count; ++i) {
        ComboSlip[i] = new QComboBox(this);
        ComboSlip[i]->setObjectName(QStringLiteral("ComboSlip%1").arg(i));
        ComboSlip[i]->installEventFilter(this);
    }
    SetDateCombo(ComboSlip, CustomerCombo::Year, false);
    ComboSlip[CustomerCombo::Fraction]->addItems(
        {QStringLiteral("切り捨て"), QStringLiteral("四捨五入"), QStringLiteral("切り上げ")});
    for (int d = 1; d <= 31; ++d) {
        ComboSlip[CustomerCombo::ClosingDay]->addItem(QString::number(d));
        ComboSlip[CustomerCombo::Payment]->addItem(QString::number(d));
    }
    ComboSlip[CustomerCombo::Mail]->addItems({QStringLiteral("する"), QStringLiteral("しない")});
    OptionSlip[CustomerClosing::ThisMonth] = new QRadioButton(QStringLiteral("当月(&M)"), this);
    OptionSlip[CustomerClosing::NextMonth] = new QRadioButton(QStringLiteral("次月(&N)"), this);
}

QWidget* Kivora::buildCustomerForm() {
    prepareFields();
    auto* form = new QWidget(this);
    auto* top = new QGridLayout;
    top->addWidget(LabelSlip[CustomerField::Code], 0, 0);
    top->addWidget(TextSlip[CustomerField::Code], 0, 1);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(caption(QStringLiteral("登録日"), form));
    for (int i = CustomerCombo::Year; i <= CustomerCombo::Day; ++i) {
        dateRow->addWidget(ComboSlip[i]);
        dateRow->addWidget(new QLabel(i == CustomerCombo::Year    ? QStringLiteral("年")
                                      : i == CustomerCombo::Month ? QStringLiteral("月")
                                                                  : QStringLiteral("日"),
                                      form));
    }
    dateRow->addStretch();
    top->addLayout(dateRow, 0, 2);
    top->addWidget(LabelSlip[CustomerField::Name], 1, 0);
    top->addWidget(TextSlip[CustomerField::Name], 1, 1, 1, 2);
    top->addWidget(LabelSlip[CustomerField::Kana], 2, 0);
    top->addWidget(TextSlip[CustomerField::Kana], 2, 1, 1, 2);
    TextSlip[CustomerField::Code]->setMaximumWidth(140);
    top->setColumnStretch(2, 1);

    TabStripSlip = new QTabWidget(form);
    TabStripSlip->setObjectName(QStringLiteral("TabStripSlip"));
    FrameSlip[CustomerPage::Address] = buildPage1();
    FrameSlip[CustomerPage::Terms] = buildPage2();
    // The digit of each tab caption is its access key (Alt+1, Alt+2).
    TabStripSlip->addTab(FrameSlip[CustomerPage::Address], QStringLiteral(" 情報 &1 "));
    TabStripSlip->addTab(FrameSlip[CustomerPage::Terms], QStringLiteral(" 情報 &2 "));

    auto* layout = new QVBoxLayout(form);
    layout->addLayout(top);
    layout->addWidget(TabStripSlip, 1);
    return form;
}

QWidget* Kivora::buildPage1() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto row = [&](int r, int field, int span = 3) {
        grid->addWidget(LabelSlip[field], r, 0);
        grid->addWidget(TextSlip[field], r, 1, 1, span);
    };
    row(0, CustomerField::Prefix1, 1);
    TextSlip[CustomerField::Prefix1]->setMaximumWidth(80);
    grid->addWidget(LabelSlip[CustomerField::Zip1], 1, 0);
    auto* zip = new QHBoxLayout;
    TextSlip[CustomerField::Zip1]->setMaximumWidth(50);
    TextSlip[CustomerField::Zip2]->setMaximumWidth(60);
    zip->addWidget(TextSlip[CustomerField::Zip1]);
    zip->addWidget(new QLabel(QStringLiteral("-"), page));
    zip->addWidget(TextSlip[CustomerField::Zip2]);
    cmd_Post = new QPushButton(QStringLiteral("〒⇔住所"), page);
    cmd_Post->setObjectName(QStringLiteral("cmd_Post"));
    cmd_Post->setToolTip(QStringLiteral("郵便番号から住所を、住所から郵便番号を検索します"));
    zip->addWidget(cmd_Post);
    zip->addStretch();
    grid->addLayout(zip, 1, 1, 1, 3);
    LabelSlip[CustomerField::Zip2]->hide(); // the second part shares the caption of the first
    row(2, CustomerField::Address1);
    List_Zip = new QListWidget(page);
    List_Zip->setObjectName(QStringLiteral("List_Zip"));
    List_Zip->setMaximumHeight(110);
    List_Zip->hide();
    grid->addWidget(List_Zip, 3, 1, 1, 3);
    row(4, CustomerField::Address2);
    grid->addWidget(LabelSlip[CustomerField::Tel], 5, 0);
    grid->addWidget(TextSlip[CustomerField::Tel], 5, 1);
    grid->addWidget(LabelSlip[CustomerField::Fax], 5, 2);
    grid->addWidget(TextSlip[CustomerField::Fax], 5, 3);
    grid->addWidget(LabelSlip[CustomerField::Portable], 6, 0);
    grid->addWidget(TextSlip[CustomerField::Portable], 6, 1);
    grid->addWidget(LabelSlip[CustomerField::Position1], 7, 0);
    grid->addWidget(TextSlip[CustomerField::Position1], 7, 1);
    grid->addWidget(LabelSlip[CustomerField::Charge1], 7, 2);
    grid->addWidget(TextSlip[CustomerField::Charge1], 7, 3);
    grid->addWidget(LabelSlip[CustomerField::Position2], 8, 0);
    grid->addWidget(TextSlip[CustomerField::Position2], 8, 1);
    grid->addWidget(LabelSlip[CustomerField::Charge2], 8, 2);
    grid->addWidget(TextSlip[CustomerField::Charge2], 8, 3);
    row(9, CustomerField::Prefix2, 1);
    TextSlip[CustomerField::Prefix2]->setMaximumWidth(80);
    row(10, CustomerField::Remark);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(11, 1);
    connect(cmd_Post, &QPushButton::clicked, this, &Kivora::PostLookup);
    List_Zip->installEventFilter(this);
    cmd_Post->installEventFilter(this);
    connect(List_Zip, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { TakeZipEntry(item ? item->text() : QString()); });
    return page;
}

QWidget* Kivora::buildPage2() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(LabelSlip[CustomerField::Class], 0, 0);
    auto* classRow = new QHBoxLayout;
    TextSlip[CustomerField::Class]->setMaximumWidth(50);
    classRow->addWidget(TextSlip[CustomerField::Class]);
    BtnClass = new QPushButton(QIcon(Pictures::Tool(205)), QString(), page);
    BtnClass->setObjectName(QStringLiteral("BtnClass"));
    BtnClass->setToolTip(LabelSlip[CustomerField::Class]->text() + Res::text(1009));
    classRow->addWidget(BtnClass);
    LabelClass = new QLabel(page);
    LabelClass->setObjectName(QStringLiteral("LabelClass"));
    LabelClass->setMinimumWidth(200);
    LabelClass->setFrameShape(QFrame::StyledPanel);
    classRow->addWidget(LabelClass, 1);
    grid->addLayout(classRow, 0, 1, 1, 3);
    // The terms, ComboSlip from the tax rate on.
    const std::array<QString, 5> captions = {QStringLiteral("消費税"), QStringLiteral("端数処理"),
                                             QStringLiteral("締め日"), QStringLiteral("払い日"),
                                             QStringLiteral("DM発送")};
    const std::array<std::pair<int, int>, 5> places = {{{1, 0}, {1, 2}, {2, 0}, {2, 2}, {3, 0}}};
    for (int i = 0; i < int(captions.size()); ++i) {
        grid->addWidget(caption(captions[i], page), places[i].first, places[i].second);
        grid->addWidget(ComboSlip[CustomerCombo::Excise + i], places[i].first,
                        places[i].second + 1);
    }
    auto* closing = new QGroupBox(QStringLiteral("締め日処理"), page);
    auto* closingLayout = new QHBoxLayout(closing);
    closingLayout->addWidget(OptionSlip[CustomerClosing::ThisMonth]);
    closingLayout->addWidget(OptionSlip[CustomerClosing::NextMonth]);
    grid->addWidget(closing, 4, 0, 1, 4);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(5, 1);
    connect(BtnClass, &QPushButton::clicked, this, &Kivora::openClassSearch);
    return page;
}

void Kivora::buildMenus() {
    // Items whose windows are not part of the program yet stay visible and disabled, so
    // the menus keep their final shape and access keys.
    QMenu* business = menuBar()->addMenu(QStringLiteral("取引(&B)"));
    const QStringList businessItems = {QStringLiteral("新規顧客(&W)"),
                                       QStringLiteral("保存(&S)"),
                                       QStringLiteral("削除(&D)"),
                                       QString(),
                                       QStringLiteral("顧客検索(&F)"),
                                       QString(),
                                       QStringLiteral("先頭顧客(&T)"),
                                       QStringLiteral("前顧客(&P)"),
                                       QStringLiteral("次顧客(&N)"),
                                       QStringLiteral("最後顧客(&L)"),
                                       QString(),
                                       QStringLiteral("売掛管理(&M)"),
                                       QString(),
                                       m_state.AppTitle + QStringLiteral("の終了(&E)")};
    for (int i = 0; i < businessItems.size(); ++i)
        MenuBusiness[i] = businessItems[i].isEmpty()
                              ? business->addSeparator()
                              : addItem(business, businessItems[i], i != BusinessMenu::Receivables);
    connect(MenuBusiness[BusinessMenu::NewCustomer], &QAction::triggered, this,
            [this] { RunGuarded(m_state, [this] { DataNew(); }); });
    connect(MenuBusiness[BusinessMenu::Save], &QAction::triggered, this, [this] { DataSave(); });
    connect(MenuBusiness[BusinessMenu::Delete], &QAction::triggered, this,
            [this] { DataDelete(); });
    connect(MenuBusiness[BusinessMenu::Find], &QAction::triggered, this,
            [this] { DataRead(CustomerRead::Search); });
    for (int i = BusinessMenu::First; i <= BusinessMenu::Last; ++i)
        connect(MenuBusiness[i], &QAction::triggered, this,
                [this, i] { DataMove(i - BusinessMenu::First); });
    connect(MenuBusiness[BusinessMenu::Receivables], &QAction::triggered, this, [this] {
        m_state.gCaption = StripParen(MenuBusiness[BusinessMenu::Receivables]->text());
        if (m_documentOpener)
            m_documentOpener(DocType::Receivables);
    });
    connect(MenuBusiness[BusinessMenu::Exit], &QAction::triggered, this, &QWidget::close);

    QMenu* slip = menuBar()->addMenu(QStringLiteral("伝票(&S)"));
    const QStringList keys = {QStringLiteral("(&E)"), QStringLiteral("(&O)"),
                              QStringLiteral("(&D)"), QStringLiteral("(&B)"),
                              QStringLiteral("(&R)")};
    for (int i = DocumentMenu::Estimate; i <= DocumentMenu::DeliveryNote; ++i)
        MenuSlip[i] = addItem(slip, Res::text(101 + i) + keys[i]);
    QMenu* bill = slip->addMenu(Res::text(104) + keys[DocumentMenu::Bills]);
    MenuSlip[DocumentMenu::Bills] = bill->menuAction();
    MenuBill[BillMenu::Invoice] = addItem(bill, QStringLiteral("請求書(&B)"));
    MenuBill[BillMenu::DetailedBill] = addItem(bill, QStringLiteral("明細請求書(&D)"));
    MenuBill[BillMenu::TotalBill] = addItem(bill, QStringLiteral("合計請求書(&T)"));
    MenuSlip[DocumentMenu::Receipt] = addItem(slip, Res::text(105) + keys[DocumentMenu::Receipt]);
    for (int i : {DocumentMenu::Estimate, DocumentMenu::Order, DocumentMenu::DeliveryNote})
        connect(MenuSlip[i], &QAction::triggered, this,
                [this, i] { OpenDocument(i, MenuSlip[i]->text()); });
    connect(MenuSlip[DocumentMenu::Receipt], &QAction::triggered, this,
            [this] { OpenDocument(DocType::Receipt, MenuSlip[DocumentMenu::Receipt]->text()); });
    for (int i : {BillMenu::Invoice, BillMenu::DetailedBill, BillMenu::TotalBill})
        connect(MenuBill[i], &QAction::triggered, this,
                [this, i] { OpenDocument(DocType::Invoice + i, MenuBill[i]->text()); });

    QMenu* list = menuBar()->addMenu(QStringLiteral("作表(&L)"));
    const QStringList listItems = {QStringLiteral("顧客一覧(&U)"), QStringLiteral("担当者一覧(&C)"),
                                   QStringLiteral("商品一覧(&G)"), QString(),
                                   QStringLiteral("売上一覧(&S)"), QStringLiteral("入金一覧(&R)")};
    for (int i = 0; i < listItems.size(); ++i)
        MenuList[i] = listItems[i].isEmpty() ? list->addSeparator() : addItem(list, listItems[i]);
    for (int i : {ListMenu::Customers, ListMenu::Staff, ListMenu::Goods, ListMenu::Sales,
                  ListMenu::Receipts}) {
        MenuList[i]->setEnabled(true);
        connect(MenuList[i], &QAction::triggered, this, [this, i] { OpenListWindow(i); });
    }

    QMenu* regist = menuBar()->addMenu(QStringLiteral("登録(&R)"));
    const QStringList registItems = {QStringLiteral("自社情報(&H)"), QStringLiteral("担当者(&C)"),
                                     QStringLiteral("単位(&U)"), QStringLiteral("商品(&G)"),
                                     QStringLiteral("顧客分類(&D)")};
    for (int i = 0; i < registItems.size(); ++i)
        MenuRegist[i] = addItem(regist, registItems[i], true);
    connect(MenuRegist[RegistMenu::Company], &QAction::triggered, this, &Kivora::openCompany);
    for (int i = RegistMenu::Staff; i < registItems.size(); ++i)
        connect(MenuRegist[i], &QAction::triggered, this, [this, i] { openRegistration(i); });

    QMenu* tool = menuBar()->addMenu(QStringLiteral("ツール(&T)"));
    // 送付状印刷 has no window behind it; it stays visible and disabled so that the menu
    // shows where the command belongs without offering something that does nothing.
    const QStringList toolItems = {
        QStringLiteral("宛名印刷(&A)"),   QStringLiteral("送付状印刷(&S)"), QString(),
        QStringLiteral("オプション(&O)"), QStringLiteral("パスワード(&P)"), QString(),
        QStringLiteral("印鑑設定(&I)")};
    for (int i = 0; i < toolItems.size(); ++i)
        MenuTool[i] = toolItems[i].isEmpty() ? tool->addSeparator() : addItem(tool, toolItems[i]);
    MenuTool[ToolMenu::Options]->setEnabled(true);
    connect(MenuTool[ToolMenu::Options], &QAction::triggered, this, &Kivora::openOptions);
    // 宛名印刷: the customer selection in label mode, then the list where the customers
    // to print are marked, then the labels.
    MenuTool[ToolMenu::Address]->setEnabled(true);
    connect(MenuTool[ToolMenu::Address], &QAction::triggered, this, [this] {
        m_state.gMode = CustomerListMode::Labels;
        KivoraListU window(m_state, this);
        window.exec();
    });
    MenuTool[ToolMenu::Password]->setEnabled(true);
    connect(MenuTool[ToolMenu::Password], &QAction::triggered, this, &Kivora::openPassword);
    MenuTool[ToolMenu::Seal]->setEnabled(true);
    connect(MenuTool[ToolMenu::Seal], &QAction::triggered, this, [this] {
        m_state.gMode = InkanMode::FromMenu;
        m_state.gCaption = StripParen(MenuTool[ToolMenu::Seal]->text());
        KivoraInkan dialog(m_state, *m_state.printers, this);
        dialog.exec();
    });

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    MenuHelp[HelpMenu::Topics] = addItem(help, QStringLiteral("トピックの検索(&H)"), true);
    MenuHelp[HelpMenu::Separator] = help->addSeparator();
    MenuHelp[HelpMenu::About] = addItem(help, QStringLiteral("バージョン情報(&A)"), true);
    connect(MenuHelp[HelpMenu::Topics], &QAction::triggered, this, &Kivora::openHelp);
    connect(MenuHelp[HelpMenu::About], &QAction::triggered, this, &Kivora::openAbout);
}
