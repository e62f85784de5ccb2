#include "customers/Kivora.h"

#include "core/AppState.h"
#include "core/Database.h"
#include "core/DataPaths.h"
#include "core/MessageService.h"
#include "core/SharedRoutines.h"
#include "core/WidgetRoutines.h"
#include "options/KivoraPassword.h"
#include "resources/StringTable.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QUrl>

Kivora::Kivora(AppState& state, QWidget* parent) : QMainWindow(parent), m_state(state) {
    setObjectName(QStringLiteral("Kivora"));
    setWindowTitle(m_state.AppTitle);
    resize(720, 560);
    buildMenus();
    setCentralWidget(new QWidget(this));
}

Kivora::~Kivora() { release(); }

void Kivora::Load() {
    CenterForm(this);
    auto main = std::make_unique<Database>(m_state.DbNames[0], MainDbMarkerTable());
    auto post = std::make_unique<Database>(m_state.PostCodePath, PostDbMarkerTable());
    m_dbMain = std::move(main);
    m_dbPost = std::move(post);
    m_state.DbMain = m_dbMain.get();
    m_state.DbPost = m_dbPost.get();
}

void Kivora::release() {
    m_state.RsWork.clear();
    if (m_state.DbMain == m_dbMain.get())
        m_state.DbMain = nullptr;
    if (m_state.DbPost == m_dbPost.get())
        m_state.DbPost = nullptr;
    m_dbMain.reset();
    m_dbPost.reset();
}

namespace {

QAction* addItem(QMenu* menu, const QString& caption, bool enabled = false) {
    QAction* action = menu->addAction(caption);
    action->setEnabled(enabled);
    return action;
}

} // namespace

void Kivora::buildMenus() {
    // Items whose windows are not part of the program yet stay visible and disabled, so
    // the menus keep their final shape and access keys.
    QMenu* business = menuBar()->addMenu(QStringLiteral("取引(&B)"));
    const QStringList businessItems = {
        QStringLiteral("新規顧客(&W)"), QStringLiteral("保存(&S)"), QStringLiteral("削除(&D)"),
        QString(), QStringLiteral("顧客検索(&F)"), QString(), QStringLiteral("先頭顧客(&T)"),
        QStringLiteral("前顧客(&P)"), QStringLiteral("次顧客(&N)"), QStringLiteral("最後顧客(&L)"),
        QString(), QStringLiteral("売掛管理(&M)"), QString(),
        m_state.AppTitle + QStringLiteral("の終了(&E)")};
    for (int i = 0; i < businessItems.size(); ++i)
        MenuBusiness[i] = businessItems[i].isEmpty() ? business->addSeparator()
                                                     : addItem(business, businessItems[i]);
    MenuBusiness[13]->setEnabled(true);
    connect(MenuBusiness[13], &QAction::triggered, this, &QWidget::close);

    QMenu* slip = menuBar()->addMenu(QStringLiteral("伝票(&S)"));
    const QStringList keys = {QStringLiteral("(&E)"), QStringLiteral("(&O)"), QStringLiteral("(&D)"),
                              QStringLiteral("(&B)"), QStringLiteral("(&R)")};
    for (int i = 0; i < 3; ++i)
        MenuSlip[i] = addItem(slip, Res::text(101 + i) + keys[i]);
    QMenu* bill = slip->addMenu(Res::text(104) + keys[3]);
    MenuSlip[3] = bill->menuAction();
    MenuBill[0] = addItem(bill, QStringLiteral("請求書(&B)"));
    MenuBill[1] = addItem(bill, QStringLiteral("明細請求書(&D)"));
    MenuBill[2] = addItem(bill, QStringLiteral("合計請求書(&T)"));
    MenuSlip[4] = addItem(slip, Res::text(105) + keys[4]);

    QMenu* list = menuBar()->addMenu(QStringLiteral("作表(&L)"));
    const QStringList listItems = {QStringLiteral("顧客一覧(&U)"), QStringLiteral("担当者一覧(&C)"),
                                   QStringLiteral("商品一覧(&G)"), QString(),
                                   QStringLiteral("売上一覧(&S)"), QStringLiteral("入金一覧(&R)")};
    for (int i = 0; i < listItems.size(); ++i)
        MenuList[i] = listItems[i].isEmpty() ? list->addSeparator() : addItem(list, listItems[i]);

    QMenu* regist = menuBar()->addMenu(QStringLiteral("登録(&R)"));
    const QStringList registItems = {QStringLiteral("自社情報(&H)"), QStringLiteral("担当者(&C)"),
                                     QStringLiteral("単位(&U)"), QStringLiteral("商品(&G)"),
                                     QStringLiteral("顧客分類(&D)")};
    for (int i = 0; i < registItems.size(); ++i)
        MenuRegist[i] = addItem(regist, registItems[i]);

    QMenu* tool = menuBar()->addMenu(QStringLiteral("ツール(&T)"));
    const QStringList toolItems = {QStringLiteral("宛名印刷(&A)"), QStringLiteral("送付状印刷(&S)"),
                                   QString(), QStringLiteral("オプション(&O)"),
                                   QStringLiteral("パスワード(&P)"), QString(),
                                   QStringLiteral("印鑑設定(&I)")};
    for (int i = 0; i < toolItems.size(); ++i)
        MenuTool[i] = toolItems[i].isEmpty() ? tool->addSeparator() : addItem(tool, toolItems[i]);
    MenuTool[4]->setEnabled(true);
    connect(MenuTool[4], &QAction::triggered, this, &Kivora::openPassword);

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    MenuHelp[0] = addItem(help, QStringLiteral("トピックの検索(&H)"), true);
    MenuHelp[1] = help->addSeparator();
    MenuHelp[2] = addItem(help, QStringLiteral("バージョン情報(&A)"));
    connect(MenuHelp[0], &QAction::triggered, this, &Kivora::openHelp);
}

void Kivora::openPassword() {
    m_state.gMode = 1;
    m_state.gCaption = StripParen(MenuTool[4]->text());
    KivoraPassword dialog(m_state, this);
    dialog.exec();
}

void Kivora::openHelp() {
    // Without a help file the request does nothing, as the program promises no more.
    if (m_state.HelpFile.isEmpty() || !m_state.OpenUrl)
        return;
    m_state.OpenUrl(QUrl::fromLocalFile(m_state.HelpFile));
}

void Kivora::closeEvent(QCloseEvent* event) {
    const int answer = ShowText(*m_state.messages, windowTitle() + QStringLiteral("を終了します。"),
                                7, windowTitle());
    if (answer != MsgOK) {
        event->ignore();
        return;
    }
    event->accept();
    release();
}
