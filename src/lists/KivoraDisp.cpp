#include "lists/KivoraDisp.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"
#include "lists/ListModel.h"
#include "lists/ListQueries.h"
#include "lists/TextExport.h"
#include "masters/KivoraSort.h"
#include "options/KivoraOption.h"
#include "printing/KivoraPrintA.h"
#include "printing/KivoraPrintL.h"
#include "widgets/WidgetRoutines.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

KivoraDisp::KivoraDisp(AppState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("KivoraDisp"));
    m_kind = m_state.gDocType;
    m_byDepartment = m_state.ListByDepartment;
    setWindowTitle(m_state.gCaption.isEmpty() ? QStringLiteral("一覧表示") : m_state.gCaption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    buildMenus();
    layout->setMenuBar(MenuBar);
    layout->addWidget(ToolbarDisp);

    FxGridDisp = new QTableView(this);
    m_model = new ListModel(this);
    FxGridDisp->setModel(m_model);
    FxGridDisp->horizontalHeader()->hide();
    FxGridDisp->verticalHeader()->hide();
    FxGridDisp->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    FxGridDisp->setSelectionMode(QAbstractItemView::NoSelection);
    FxGridDisp->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FxGridDisp->setWordWrap(false);
    FxGridDisp->horizontalHeader()->setResizeContentsPrecision(300);
    FxGridDisp->installEventFilter(this);
    connect(FxGridDisp, &QTableView::clicked, this,
            [this](const QModelIndex& index) { selectRow(index.row()); });
    layout->addWidget(FxGridDisp, 1);

    DataDisp();
    resize(720, 480);
    CenterForm(this, parentWidget());
}

KivoraDisp::~KivoraDisp() = default;

const ListTable& KivoraDisp::table() const {
    return m_model->table();
}

void KivoraDisp::buildMenus() {
    MenuBar = new QMenuBar(this);
    QMenu* work = MenuBar->addMenu(QStringLiteral("処理(&W)"));
    MenuWork[DispWork::Sort] = work->addAction(QStringLiteral("並べ替え(&S)"));
    MenuWork[1] = work->addSeparator();
    QMenu* text = work->addMenu(QStringLiteral("テキスト出力(&T)"));
    MenuWork[DispWork::Text] = text->menuAction();
    MenuText[DispText::File] = text->addAction(QStringLiteral("ファイル(&F)"));
    MenuText[DispText::Clipboard] = text->addAction(QStringLiteral("クリップボード(&C)"));
    MenuText[2] = text->addSeparator();
    MenuText[DispText::Options] = text->addAction(QStringLiteral("オプション(&O)"));
    MenuWork[DispWork::Print] = work->addAction(QStringLiteral("印刷(&P)"));
    MenuWork[4] = work->addSeparator();
    MenuWork[DispWork::Close] = work->addAction(QStringLiteral("終了(&X)"));
    MenuHelp = MenuBar->addAction(QStringLiteral("ヘルプ(&H)"));
    connect(MenuHelp, &QAction::triggered, this,
            [this] { OpenHelpFile(m_state, QStringLiteral("listdisp")); });
    text->setToolTipsVisible(true);
    work->setToolTipsVisible(true);

    // Printing goes through the print service; without one there is nothing to print on.
    if (!m_state.printers) {
        MenuWork[DispWork::Print]->setEnabled(false);
        MenuWork[DispWork::Print]->setToolTip(QStringLiteral("使用できるプリンタがありません"));
    }
    // The ledger's lists keep the order they were read in.
    MenuWork[DispWork::Sort]->setEnabled(SortListOf(m_kind) >= 0);
    MenuWork[DispWork::Text]->setEnabled(!ExportFileName(m_kind).isEmpty() ||
                                         m_kind == ListType::Labels);
    MenuText[DispText::File]->setEnabled(!ExportFileName(m_kind).isEmpty());

    connect(MenuWork[DispWork::Sort], &QAction::triggered, this, &KivoraDisp::onSort);
    connect(MenuText[DispText::File], &QAction::triggered, this, &KivoraDisp::onExportFile);
    connect(MenuText[DispText::Clipboard], &QAction::triggered, this,
            &KivoraDisp::onExportClipboard);
    connect(MenuWork[DispWork::Print], &QAction::triggered, this, &KivoraDisp::onPrint);
    connect(MenuWork[DispWork::Close], &QAction::triggered, this, &QDialog::reject);
    connect(MenuText[DispText::Options], &QAction::triggered, this, [this] {
        // Opened on its text-output page; the export reads the stored format each time.
        m_state.gMode = OptionPage::TextOutput + 1;
        KivoraOption dialog(m_state, this);
        dialog.exec();
    });

    ToolbarDisp = new QToolBar(this);
    ToolbarDisp->addAction(MenuWork[DispWork::Close]);
    ToolbarDisp->addSeparator();
    ToolbarDisp->addAction(MenuWork[DispWork::Sort]);
    ToolbarDisp->addSeparator();
    ToolbarDisp->addAction(MenuWork[DispWork::Print]);
}

void KivoraDisp::DataDisp() {
    BusyCursor busy;
    const int sortList = SortListOf(m_kind);
    if (sortList >= 0 && m_state.settings)
        m_state.RsWork = SortRecords(m_state.RsWork, OrderClause(*m_state.settings, sortList));
    ListTableOptions options;
    options.ByDepartment = m_byDepartment;
    options.Cleared = &m_cleared;
    m_model->setTable(BuildListTable(m_kind, m_state.RsWork, options));
    const ListTable& shown = m_model->table();
    // Widths from the first few hundred rows: measuring every row of a long list would
    // cost more than filling it.
    FxGridDisp->resizeColumnsToContents();
    for (int c = 0; c < shown.columnCount(); ++c)
        FxGridDisp->setColumnWidth(c, std::max(FxGridDisp->columnWidth(c) + 16, 64));
    FxGridDisp->clearSpans();
}

QList<bool> KivoraDisp::outputMarks() const {
    QList<bool> marks;
    const ListTable& shown = m_model->table();
    for (int r = shown.HeaderRows; r < shown.HeaderRows + shown.Records; ++r)
        marks << (shown.Cells[r][0] == ListMark::On);
    return marks;
}

void KivoraDisp::selectRow(int row) {
    const ListTable& shown = m_model->table();
    const int record = shown.recordOf(row);
    if (record < 0)
        return;
    const int first = shown.HeaderRows + record * shown.RowsPerRecord;
    FxGridDisp->setCurrentIndex(m_model->index(first, 0));
    FxGridDisp->setSelectionMode(QAbstractItemView::MultiSelection);
    FxGridDisp->clearSelection();
    for (int r = first; r < first + shown.RowsPerRecord; ++r)
        FxGridDisp->selectRow(r);
    FxGridDisp->setSelectionMode(QAbstractItemView::NoSelection);
    if (m_kind != ListType::Labels)
        return;
    const QString code =
        m_state.RsWork.row(record)[m_state.RsWork.fieldIndex(QStringLiteral("Code"))].toString();
    const bool clear = !m_cleared.contains(code);
    if (clear)
        m_cleared.insert(code);
    else
        m_cleared.remove(code);
    m_model->setCell(first, 0, clear ? ListMark::Off : ListMark::On);
}

void KivoraDisp::onSort() {
    const QString caption = m_state.gCaption;
    m_state.gMode = static_cast<quint8>(SortListOf(m_kind));
    m_state.gCaption =
        windowTitle() + QStringLiteral("の") + StripParen(MenuWork[DispWork::Sort]->text());
    {
        KivoraSort dialog(m_state, this);
        dialog.exec();
    }
    m_state.gCaption = caption;
    if (m_state.gResult == SortResult::Stored)
        DataDisp();
}

void KivoraDisp::onPrint() {
    if (!m_state.printers)
        return;
    if (m_kind == ListType::Labels) {
        // The label list prints its marked customers as address labels.
        KivoraPrintA dialog(m_state, *m_state.printers, outputMarks(), this);
        dialog.exec();
        return;
    }
    // The list prints in the order shown; an order chosen in the print dialog is stored
    // for the list and shown here afterwards.
    {
        KivoraPrintL dialog(m_state, *m_state.printers, this);
        dialog.exec();
    }
    DataDisp();
}

void KivoraDisp::onExportFile() {
    const QString name = ExportFileName(m_kind);
    if (name.isEmpty() || !m_state.PickFolder)
        return;
    const QString prompt = StripParen(MenuText[DispText::File]->text()) +
                           QStringLiteral("先を指定して下さい｡\rファイル名：") + name;
    const QString folder = m_state.PickFolder(prompt);
    if (folder.isEmpty())
        return;
    DataExport(true, QDir(folder).filePath(name));
}

void KivoraDisp::onExportClipboard() {
    if (ShowMsg(*m_state.messages, QStringLiteral("クリップボードへデータの出力"), Msg::Run,
                Box::QuestionCancel, m_state.AppTitle) != 1)
        return;
    DataExport(false);
}

void KivoraDisp::DataExport(bool toFile, const QString& path) {
    const ExportFormat format =
        m_state.settings ? ExportFormat::fromSettings(*m_state.settings) : ExportFormat{};
    QAction* command = MenuText[toFile ? DispText::File : DispText::Clipboard];
    {
        BusyCursor busy;
        if (toFile) {
            const ExportOutcome outcome = WriteExportFile(path, m_model->table(), format);
            if (!outcome.ok()) {
                ShowText(*m_state.messages, ExportFailureText(outcome), Box::Exclamation,
                         m_state.AppTitle);
                return;
            }
        } else {
            QClipboard* clipboard = QApplication::clipboard();
            clipboard->clear();
            clipboard->setText(ClipboardText(ExportLines(m_model->table(), format)));
        }
    }
    ShowMsg(*m_state.messages, StripParen(command->text()), Msg::Finished, Box::Information,
            m_state.AppTitle);
}

bool KivoraDisp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FxGridDisp && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnterKey(event) || key->key() == Qt::Key_Space) {
            selectRow(FxGridDisp->currentIndex().row());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
