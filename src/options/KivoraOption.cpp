#include "options/KivoraOption.h"
#include "masters/CompanyStore.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/ServerCopy.h"
#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"
#include "documents/KivoraSlipNo.h"
#include "documents/Slip.h"
#include "options/DataMaintenance.h"
#include "resources/StringTable.h"
#include "widgets/WidgetRoutines.h"
#include <QLineEdit>
#include <QScopeGuard>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The preference keys of CheckOption, by position.
const std::array<QString, OptionCheck::Count> CheckKeys = {
    QStringLiteral("FindItem"), QStringLiteral("Zero"), QStringLiteral("SelText"),
    QStringLiteral("TextDouble"), QStringLiteral("TextTitle")};

} // namespace

KivoraOption::KivoraOption(AppState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("KivoraOption"));
    setWindowTitle(StripParen(QStringLiteral("オプション(&O)")));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    TabOption = new QTabWidget(this);
    TabOption->setObjectName(QStringLiteral("TabOption"));
    FrameOption[OptionPage::General] = buildGeneralPage();
    FrameOption[OptionPage::Tax] = buildTaxPage();
    FrameOption[OptionPage::Maintenance] = buildMaintenancePage();
    FrameOption[OptionPage::TextOutput] = buildTextPage();
    const std::array<QString, OptionPage::Count> tabs = {
        QStringLiteral("全般(&A)"), QStringLiteral("消費税(&E)"), QStringLiteral("データ保守(&M)"),
        QStringLiteral("テキスト出力(&T)")};
    for (int i = 0; i < OptionPage::Count; ++i)
        TabOption->addTab(FrameOption[i], tabs[i]);

    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnOK->setDefault(true);
    connect(BtnOK, &QPushButton::clicked, this, &KivoraOption::onOK);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TabOption);
    layout->addLayout(buttons);

    loadValues();
    const int page =
        m_state.gMode >= 1 && m_state.gMode <= OptionPage::Count ? m_state.gMode - 1 : 0;
    TabOption->setCurrentIndex(page);
    m_state.gResult = DialogResult::Cancelled;
    CenterForm(this, parentWidget());
}

QWidget* KivoraOption::buildGeneralPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    const std::array<QString, 3> captions = {
        QStringLiteral("顧客･商品検索で検索条件と完全に一致したデータを抽出する(&F)"),
        QStringLiteral("小数点以下のゼロは出力しない(&Z)"),
        QStringLiteral("入力項目にカーソルを移動したとき文字を選択状態にする(&S)")};
    for (int i = OptionCheck::FindItem; i <= OptionCheck::SelText; ++i) {
        CheckOption[i] = new QCheckBox(captions[i], page);
        CheckOption[i]->setObjectName(QStringLiteral("CheckOption%1").arg(i));
        layout->addWidget(CheckOption[i]);
    }
    layout->addStretch();
    return page;
}

QWidget* KivoraOption::buildTaxPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    // One grid row per rate; further rows (another kind of rate) go below the same way.
    auto* grid = new QGridLayout;
    grid->setColumnStretch(2, 1);
    for (int row = 0; row < TaxRate::Rows; ++row)
        addRateRow(grid, row);
    addReducedRow(grid);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

void KivoraOption::addRateRow(QGridLayout* grid, int row) {
    LabelRate[row] = new QLabel(QStringLiteral("税率 &") + QString::number(row + 1), this);
    LabelOption[row] = new QLabel(this);
    LabelOption[row]->setObjectName(QStringLiteral("LabelOption%1").arg(row));
    LabelOption[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelOption[row]->setMinimumWidth(40);
    LabelOption[row]->setFrameShape(QFrame::Panel);
    LabelOption[row]->setFrameShadow(QFrame::Sunken);
    ScrollOption[row] = new QScrollBar(Qt::Horizontal, this);
    ScrollOption[row]->setObjectName(QStringLiteral("ScrollOption%1").arg(row));
    ScrollOption[row]->setRange(TaxRate::Unused, TaxRate::Highest);
    ScrollOption[row]->setPageStep(10);
    ScrollOption[row]->setMinimumWidth(240);
    LabelRate[row]->setBuddy(ScrollOption[row]);
    connect(ScrollOption[row], &QScrollBar::valueChanged, this, [this, row] { showRate(row); });
    grid->addWidget(LabelRate[row], row, 0);
    grid->addWidget(LabelOption[row], row, 1);
    grid->addWidget(ScrollOption[row], row, 2);
    grid->addWidget(new QLabel(QStringLiteral("％"), this), row, 3);
}

void KivoraOption::addReducedRow(QGridLayout* grid) {
    const int row = TaxRate::Rows;
    auto* caption = new QLabel(QStringLiteral("軽減税率(&K)"), this);
    LabelReduced = new QLabel(this);
    LabelReduced->setObjectName(QStringLiteral("LabelReduced"));
    LabelReduced->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelReduced->setMinimumWidth(LabelOption[0]->minimumWidth());
    LabelReduced->setFrameShape(QFrame::Panel);
    LabelReduced->setFrameShadow(QFrame::Sunken);
    ScrollReduced = new QScrollBar(Qt::Horizontal, this);
    ScrollReduced->setObjectName(QStringLiteral("ScrollReduced"));
    // Reduced-rate lines always have a rate, so the bar has no unused position.
    ScrollReduced->setRange(TaxRate::ToScroll(0.0), TaxRate::Highest);
    ScrollReduced->setPageStep(10);
    caption->setBuddy(ScrollReduced);
    connect(ScrollReduced, &QScrollBar::valueChanged, this, &KivoraOption::showReduced);
    grid->setRowMinimumHeight(row, 12);
    grid->addWidget(caption, row + 1, 0);
    grid->addWidget(LabelReduced, row + 1, 1);
    grid->addWidget(ScrollReduced, row + 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("％"), this), row + 1, 3);
}

QWidget* KivoraOption::buildMaintenancePage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    const std::array<QString, OptionCommand::Count> captions = {
        QStringLiteral("バックアップ(&B)"), QStringLiteral("リストア(&R)"),
        QStringLiteral("最適化(&D)"), QStringLiteral("初期化(&I)")};
    for (int i = 0; i < OptionCommand::Count; ++i) {
        BtnOption[i] = new QPushButton(captions[i], page);
        BtnOption[i]->setObjectName(QStringLiteral("BtnOption%1").arg(i));
        BtnOption[i]->setAutoDefault(false);
        BtnOption[i]->setMinimumWidth(160);
        connect(BtnOption[i], &QPushButton::clicked, this, [this, i] { onCommand(i); });
        auto* row = new QHBoxLayout;
        row->addWidget(BtnOption[i]);
        row->addStretch();
        layout->addLayout(row);
    }
    layout->addWidget(buildServerBox(page));
    layout->addStretch();
    return page;
}

QWidget* KivoraOption::buildServerBox(QWidget* parent) {
    auto* box = new QGroupBox(QStringLiteral("サーバーのデータベース(PostgreSQL)"), parent);
    auto* grid = new QGridLayout(box);
    const std::array<QString, ServerField::Count> captions = {
        QStringLiteral("ホスト(&H)"), QStringLiteral("ポート(&P)"),
        QStringLiteral("データベース(&N)"), QStringLiteral("ユーザー(&U)")};
    for (int i = 0; i < ServerField::Count; ++i) {
        TextServer[i] = new QLineEdit(box);
        TextServer[i]->setObjectName(QStringLiteral("TextServer%1").arg(i));
        AsciiOnly(TextServer[i]);
        auto* caption = new QLabel(captions[i], box);
        caption->setBuddy(TextServer[i]);
        grid->addWidget(caption, i / 2, (i % 2) * 2);
        grid->addWidget(TextServer[i], i / 2, (i % 2) * 2 + 1);
    }
    LabelServer = new QLabel(box);
    LabelServer->setObjectName(QStringLiteral("LabelServer"));
    LabelServer->setWordWrap(true);
    grid->addWidget(LabelServer, 2, 0, 1, 4);
    const std::array<QString, ServerCommand::Count> commands = {
        QStringLiteral("データを移行(&V)"), QStringLiteral("接続先にする(&S)"),
        QStringLiteral("ファイルに戻す(&F)")};
    auto* row = new QHBoxLayout;
    for (int i = 0; i < ServerCommand::Count; ++i) {
        BtnServer[i] = new QPushButton(commands[i], box);
        BtnServer[i]->setObjectName(QStringLiteral("BtnServer%1").arg(i));
        BtnServer[i]->setAutoDefault(false);
        connect(BtnServer[i], &QPushButton::clicked, this, [this, i] { onServerCommand(i); });
        row->addWidget(BtnServer[i]);
    }
    row->addStretch();
    grid->addLayout(row, 3, 0, 1, 4);
    showServer();
    return box;
}

void KivoraOption::showServer() {
    const QString stored = m_state.settings->get(QStringLiteral("Server")).trimmed();
    ServerDatabase server;
    server.host = QStringLiteral("localhost");
    try {
        if (!stored.isEmpty())
            server = ServerDatabase::parse(stored);
    } catch (const std::invalid_argument&) {
        // A hand-edited setting that does not parse: the fields start from the default.
    }
    TextServer[ServerField::Host]->setText(server.host);
    TextServer[ServerField::Port]->setText(QString::number(server.port));
    TextServer[ServerField::Database]->setText(server.database);
    TextServer[ServerField::User]->setText(server.user);
    LabelServer->setText(stored.isEmpty()
                             ? QStringLiteral("接続先: この端末のファイル(Kivora0.MDB)")
                             : QStringLiteral("接続先: ") + server.display());
}

std::optional<ServerDatabase> KivoraOption::fieldServer() {
    QStringList pairs;
    const std::array<const char*, ServerField::Count> keys = {"host", "port", "dbname", "user"};
    for (int i = 0; i < ServerField::Count; ++i) {
        const QString value = TextServer[i]->text().trimmed();
        // A value with a space or "=" cannot be written in the settings' key=value form.
        if (value.contains(QLatin1Char(' ')) || value.contains(QLatin1Char('='))) {
            ShowText(*m_state.messages, QStringLiteral("接続先に空白や「=」は使えません｡"),
                     Box::Exclamation, m_state.AppTitle);
            return std::nullopt;
        }
        if (!value.isEmpty())
            pairs << QLatin1String(keys[i]) + QLatin1Char('=') + value;
    }
    try {
        return ServerDatabase::parse(pairs.join(QLatin1Char(' ')));
    } catch (const std::invalid_argument&) {
        ShowText(*m_state.messages,
                 QStringLiteral("データベース名と正しいポート番号(1～65535)を入力してください｡"),
                 Box::Exclamation, m_state.AppTitle);
        return std::nullopt;
    }
}

void KivoraOption::onServerCommand(int command) {
    const QString title = m_state.AppTitle;
    if (command == ServerCommand::Local) {
        m_state.settings->save(QStringLiteral("Server"), QString());
        showServer();
        ShowText(*m_state.messages,
                 QStringLiteral("接続先をこの端末のファイルに戻しました｡次の起動から使います｡"),
                 Box::Information, title);
        return;
    }
    const std::optional<ServerDatabase> server = fieldServer();
    if (!server)
        return;
    if (command == ServerCommand::Copy) {
        if (!copyToServer(*server))
            return;
        if (ShowText(*m_state.messages,
                     QStringLiteral("この端末の接続先を「%1」にしますか｡次の起動から使います｡")
                         .arg(server->display()),
                     Box::QuestionCancel, title) != MsgOK)
            return;
    } else {
        // Only a database of ours that this seat can reach becomes its main database.
        try {
            BusyCursor busy;
            Database probe(*server, MainDbMarkerTable());
        } catch (const DatabaseError& e) {
            ShowText(*m_state.messages, e.userMessage(), Box::Stop, title);
            return;
        }
    }
    m_state.settings->save(QStringLiteral("Server"), server->keyValues());
    showServer();
    ShowText(
        *m_state.messages,
        QStringLiteral("接続先を「%1」にしました｡次の起動から使います｡").arg(server->display()),
        Box::Information, title);
}

bool KivoraOption::copyToServer(const ServerDatabase& server) {
    const QString title = m_state.AppTitle;
    if (m_state.DbMain && m_state.DbMain->engine() == Engine::PostgreSQL) {
        ShowText(
            *m_state.messages,
            QStringLiteral("この端末はすでにサーバーのデータベースを使っています｡移行できるのは"
                           "この端末のファイル(Kivora0.MDB)のデータです｡"),
            Box::Exclamation, title);
        return false;
    }
    if (ShowText(*m_state.messages,
                 QStringLiteral("この端末のデータを空のデータベース「%1」へ移行します｡"
                                "この端末のファイルはそのまま残ります｡よろしいですか｡")
                     .arg(server.display()),
                 Box::QuestionCancel, title) != MsgOK)
        return false;
    ServerCopyCounts counts;
    try {
        BusyCursor busy;
        // The copy reads the file itself, which this seat holds exclusively while open.
        if (m_state.DbMain)
            m_state.DbMain->close();
        const auto reopen = qScopeGuard([this] { reopenMain(); });
        counts = CopyToServer(m_state.DbNames[DbSlot::Main], server);
    } catch (const ServerCopyError& e) {
        ShowText(*m_state.messages, e.userMessage(), Box::Stop, title);
        return false;
    } catch (const DatabaseError& e) {
        ShowText(*m_state.messages, e.userMessage(), Box::Stop, title);
        return false;
    }
    int rows = 0;
    for (const ServerCopyCount& count : counts)
        rows += count.rows;
    ShowText(*m_state.messages,
             QStringLiteral("移行が終了しました｡%1 表､合わせて %2 行を写し､件数を確かめました｡")
                 .arg(counts.size())
                 .arg(rows),
             Box::Information, title);
    return true;
}

QWidget* KivoraOption::buildTextPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    FrameSeparator = new QGroupBox(QStringLiteral("項目の区切り(&S)"), page);
    auto* separators = new QHBoxLayout(FrameSeparator);
    const std::array<QString, OptionSeparator::Count> captions = {
        QStringLiteral("カンマ"), QStringLiteral("タブ"), QStringLiteral("スペース"),
        QStringLiteral("セミコロン")};
    for (int i = 0; i < OptionSeparator::Count; ++i) {
        OptionOption[i] = new QRadioButton(captions[i], FrameSeparator);
        OptionOption[i]->setObjectName(QStringLiteral("OptionOption%1").arg(i));
        connect(OptionOption[i], &QRadioButton::toggled, this, &KivoraOption::ShowSample);
        separators->addWidget(OptionOption[i]);
    }
    layout->addWidget(FrameSeparator);
    const std::array<QString, 2> checks = {QStringLiteral("項目をダブルクォーテーションで囲う(&D)"),
                                           QStringLiteral("項目名を出力する(&O)")};
    for (int i = OptionCheck::Quoted; i <= OptionCheck::Title; ++i) {
        CheckOption[i] = new QCheckBox(checks[i - OptionCheck::Quoted], page);
        CheckOption[i]->setObjectName(QStringLiteral("CheckOption%1").arg(i));
        layout->addWidget(CheckOption[i]);
    }
    connect(CheckOption[OptionCheck::Quoted], &QCheckBox::toggled, this, &KivoraOption::ShowSample);
    LabelSample = new QLabel(page);
    LabelSample->setObjectName(QStringLiteral("LabelSample"));
    LabelSample->setFrameShape(QFrame::Panel);
    LabelSample->setFrameShadow(QFrame::Sunken);
    LabelSample->setMinimumHeight(28);
    layout->addWidget(LabelSample);
    layout->addStretch();
    return page;
}

void KivoraOption::loadValues() {
    const SettingsStore& settings = *m_state.settings;
    // Each key with the default its user reads, so that the window shows what the
    // program does when nothing is stored (the export: a title line and quotes).
    for (int i : {OptionCheck::FindItem, OptionCheck::Quoted, OptionCheck::Title})
        CheckOption[i]->setChecked(settings.getByte(CheckKeys[i]) != 0);
    CheckOption[OptionCheck::Zero]->setChecked(m_state.Zero != 0);
    CheckOption[OptionCheck::SelText]->setChecked(m_state.SelText != 0);
    const int separator = settings.getByte(QStringLiteral("TextSeparator"), 0);
    OptionOption[separator < OptionSeparator::Count ? separator : 0]->setChecked(true);
    loadRates();
    ShowSample();
}

void KivoraOption::loadRates() {
    TaxRateRows rates;
    double reduced = m_state.gReducedExcise;
    if (m_state.DbMain) {
        RunGuarded(m_state, [&] {
            rates = TaxRateStore(*m_state.DbMain).Read();
            reduced = CompanyStore(*m_state.DbMain).ReducedExcise();
        });
    }
    for (int row = 0; row < TaxRate::Rows; ++row) {
        ScrollOption[row]->setValue(TaxRate::ToScroll(rates[row]));
        showRate(row);
    }
    ScrollReduced->setValue(TaxRate::ToScroll(reduced));
    showReduced();
}

void KivoraOption::showRate(int row) {
    const std::optional<double> rate = TaxRate::FromScroll(ScrollOption[row]->value());
    LabelOption[row]->setText(rate ? QString::number(*rate) : QString());
}

void KivoraOption::showReduced() {
    LabelReduced->setText(QString::number(TaxRate::FromScroll(ScrollReduced->value()).value_or(0)));
}

void KivoraOption::ShowSample() {
    int separator = 0;
    for (int i = 0; i < OptionSeparator::Count; ++i) {
        if (OptionOption[i]->isChecked())
            separator = i;
    }
    const bool quoted = CheckOption[OptionCheck::Quoted]->isChecked();
    LabelSample->setText(Res::text((quoted ? 2001 : 2011) + separator));
}

TaxRateRows KivoraOption::ShownRates() const {
    TaxRateRows rates;
    for (int row = 0; row < TaxRate::Rows; ++row)
        rates[row] = TaxRate::FromScroll(ScrollOption[row]->value());
    return rates;
}

bool KivoraOption::refuseNoRate() {
    const TaxRateRows rates = ShownRates();
    if (std::any_of(rates.begin(), rates.end(), [](const auto& rate) { return rate.has_value(); }))
        return false;
    ShowMsg(*m_state.messages, QStringLiteral("１つ以上の消費税を登録して下さい"), Msg::SubjectOnly,
            Box::Exclamation, m_state.AppTitle);
    TabOption->setCurrentIndex(OptionPage::Tax);
    return true;
}

void KivoraOption::onOK() {
    SettingsStore& settings = *m_state.settings;
    for (int i = 0; i < OptionCheck::Count; ++i)
        settings.save(CheckKeys[i], CheckOption[i]->isChecked() ? 1 : 0);
    for (int i = 0; i < OptionSeparator::Count; ++i) {
        if (OptionOption[i]->isChecked())
            settings.save(QStringLiteral("TextSeparator"), i);
    }
    // In force at once: the searches, number formats and fields read these globals.
    m_state.FindItem = CheckOption[OptionCheck::FindItem]->isChecked() ? 1 : 0;
    m_state.Zero = CheckOption[OptionCheck::Zero]->isChecked() ? 1 : 0;
    m_state.NumFormat = SetNumFormat(m_state.Zero);
    m_state.SelText = CheckOption[OptionCheck::SelText]->isChecked() ? 1 : 0;

    if (refuseNoRate())
        return;
    const TaxRateRows rates = ShownRates();
    const double reduced = TaxRate::FromScroll(ScrollReduced->value()).value_or(0);
    if (!RunGuarded(m_state, [&] { TaxRateStore(*m_state.DbMain).Write(rates, reduced); }))
        return;
    // The slip windows compute reduced-rate lines with this value.
    m_state.gReducedExcise = reduced;
    m_state.gResult = DialogResult::Ok;
    accept();
}

bool KivoraOption::runMaintenance(const std::function<void()>& step) {
    try {
        BusyCursor busy;
        step();
    } catch (const MaintenanceError& e) {
        ShowText(*m_state.messages, e.userMessage(), Box::Stop, m_state.AppTitle);
        reopenMain();
        return false;
    } catch (const DatabaseError& e) {
        ShowText(*m_state.messages, e.userMessage(), Box::Stop, m_state.AppTitle);
        reopenMain();
        return false;
    }
    ShowMsg(*m_state.messages, m_state.gCaption, Msg::Finished, Box::Information, m_state.AppTitle);
    return true;
}

void KivoraOption::reopenMain() {
    // The maintenance opens the database again however it ends; should that fail too,
    // the user learns why from the engine's own complaint.
    if (m_state.DbMain && !m_state.DbMain->isOpen())
        RunGuarded(m_state, [this] { m_state.DbMain->reopen(); });
}

void KivoraOption::onCommand(int command) {
    m_state.gCaption = StripParen(BtnOption[command]->text());
    const bool fileWork = command == OptionCommand::Backup || command == OptionCommand::Restore ||
                          command == OptionCommand::Compact;
    if (fileWork && m_state.DbMain && m_state.DbMain->engine() == Engine::PostgreSQL) {
        // Copying or rewriting files needs the database in a file; the server's data is
        // backed up and tidied by the server's own tools, for every seat at once.
        ShowText(*m_state.messages,
                 m_state.gCaption +
                     QStringLiteral("はデータベースがサーバーにあるため､この端末からはできません｡"
                                    "サーバーで pg_dump などのサーバーの道具を使ってください｡"),
                 Box::Exclamation, m_state.AppTitle);
        return;
    }
    if (command == OptionCommand::Backup || command == OptionCommand::Restore) {
        copyFiles(command, m_state.gCaption);
        return;
    }
    // Initialisation writes the shown rates back; with none the program would offer no
    // rate at all, so it is refused as OK refuses it.
    if (command == OptionCommand::Initialise && refuseNoRate())
        return;
    if (ShowMsg(*m_state.messages, m_state.gCaption, Msg::Run, Box::QuestionCancel,
                m_state.AppTitle) != MsgOK)
        return;
    DataMaintenance maintenance(m_state);
    if (command == OptionCommand::Compact) {
        runMaintenance([&] { maintenance.Compact(); });
        return;
    }
    const TaxRateRows rates = ShownRates();
    if (runMaintenance([&] { maintenance.Initialise(rates); })) {
        m_dataReplaced = true;
        // Every document number starts again.
        for (int type = DocType::Estimate; type <= DocType::Receipt; ++type)
            m_state.settings->save(KivoraSlipNo::SettingsKey(type), QStringLiteral("0/0/0/0/0/0"));
    }
}

void KivoraOption::copyFiles(int command, const QString& caption) {
    const bool restore = command == OptionCommand::Restore;
    if (!m_state.PickFolder)
        return;
    const QString folder =
        m_state.PickFolder(caption + QStringLiteral("のフォルダを指定してください｡"));
    if (folder.isEmpty())
        return;
    DataMaintenance maintenance(m_state);
    if (maintenance.IsDataFolder(folder)) {
        ShowMsg(*m_state.messages, QStringLiteral("データフォルダと異なるフォルダ"), Msg::Choose,
                Box::Exclamation, m_state.AppTitle);
        return;
    }
    const bool found = DataMaintenance::HasBackupFiles(folder);
    if (restore && !found) {
        ShowMsg(*m_state.messages, caption + QStringLiteral("データが"), Msg::NotFound,
                Box::Exclamation, m_state.AppTitle);
        return;
    }
    if (!restore && found &&
        ShowMsg(*m_state.messages, caption + QStringLiteral("ファイル"), Msg::Overwrite,
                Box::ExclamationCancel, m_state.AppTitle) != MsgOK)
        return;
    if (ShowMsg(*m_state.messages, caption + QStringLiteral("を開始します"), Msg::SubjectOnly,
                Box::QuestionCancel, m_state.AppTitle) != MsgOK)
        return;
    const bool done = runMaintenance([&] {
        if (restore)
            maintenance.Restore(folder);
        else
            maintenance.Backup(folder);
    });
    if (restore && done) {
        m_dataReplaced = true;
        // The restored rates are the ones in force now.
        loadRates();
    }
}
