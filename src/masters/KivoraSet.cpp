#include "masters/KivoraSet.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/SharedRoutines.h"
#include "masters/KivoraFindGoods.h"
#include "masters/SetStore.h"
#include "widgets/WidgetRoutines.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The columns of the composition grid.
constexpr int CodeColumn = 0;
constexpr int NameColumn = 1;
constexpr int PriceColumn = 2;
constexpr int UnitColumn = 3;
constexpr int ColumnCount = 4;

// Length properties of the fields; each keeps one byte less (AttachLimitLength).
constexpr std::array<int, SetField::Count> FieldLengths{9, 41, 11};

const QString CheckSubject = QStringLiteral("登録商品の");

QPushButton* MakeButton(QWidget* parent, const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // No button takes Enter: typing a code and pressing Enter must not save the set.
    button->setAutoDefault(false);
    return button;
}

} // namespace

KivoraSet::KivoraSet(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_store(std::make_unique<SetStore>(*state.DbMain)) {
    setObjectName(QStringLiteral("KivoraSet"));
    // The registration list names the command ("セット商品の追加"); opened otherwise, the
    // window is named after its table.
    setWindowTitle(m_state.gCaption.isEmpty() ? QStringLiteral("セット商品") : m_state.gCaption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();
    layOut();
    // Until OK has saved, leaving the window in any way means nothing was written.
    m_state.gResult = DialogResult::Cancelled;
    readSet();
    adjustSize();
    CenterForm(this, parent ? parent->window() : nullptr);
    TextSet[SetField::Code]->setFocus();
}

KivoraSet::~KivoraSet() = default;

void KivoraSet::buildControls() {
    const QString captions[] = {QStringLiteral("商品番号"), QStringLiteral("商品名"),
                                QStringLiteral("単価")};
    for (int i = 0; i < int(TextSet.size()); ++i) {
        LabelSet[i] = new QLabel(captions[i], this);
        LabelSet[i]->setObjectName(QStringLiteral("LabelSet%1").arg(i));
        TextSet[i] = new QLineEdit(this);
        TextSet[i]->setObjectName(QStringLiteral("TextSet%1").arg(i));
        LabelSet[i]->setBuddy(TextSet[i]);
        AttachLimitLength(TextSet[i], FieldLengths[i]);
        AttachSelectOnFocus(TextSet[i], m_state);
        TextSet[i]->installEventFilter(this);
    }
    TextSet[SetField::Name]->setMinimumWidth(280);
    TextSet[SetField::Price]->setAlignment(Qt::AlignRight);

    LabelUnit = new QLabel(QStringLiteral("単位"), this);
    LabelUnit->setObjectName(QStringLiteral("LabelUnit"));
    ComboSet = new QComboBox(this);
    ComboSet->setObjectName(QStringLiteral("ComboSet"));
    ComboSet->setMinimumWidth(90);
    LabelUnit->setBuddy(ComboSet);

    CheckSale = new QCheckBox(QStringLiteral("取り扱いを中止(&N)"), this);
    CheckSale->setObjectName(QStringLiteral("CheckSale"));

    FxGridSet = new QTableWidget(1, ColumnCount, this);
    FxGridSet->setObjectName(QStringLiteral("FxGridSet"));
    FxGridSet->setHorizontalHeaderLabels({QStringLiteral("商品番号"), QStringLiteral("商品名"),
                                          QStringLiteral("単価"), QStringLiteral("単位")});
    // Components come from the goods search only, so that each one names a real goods.
    FxGridSet->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FxGridSet->setSelectionBehavior(QAbstractItemView::SelectRows);
    FxGridSet->setSelectionMode(QAbstractItemView::SingleSelection);
    FxGridSet->verticalHeader()->hide();
    FxGridSet->setMinimumSize(460, 220);
    FxGridSet->setCurrentCell(0, CodeColumn);

    BtnAdd = MakeButton(this, QStringLiteral("追加(&A)"), QStringLiteral("BtnAdd"));
    BtnDelete = MakeButton(this, QStringLiteral("削除(&D)"), QStringLiteral("BtnDelete"));
    BtnCheck = MakeButton(this, QStringLiteral("確認(&C)"), QStringLiteral("BtnCheck"));
    BtnOK = MakeButton(this, QStringLiteral("OK"), QStringLiteral("BtnOK"));
    BtnCancel = MakeButton(this, QStringLiteral("キャンセル"), QStringLiteral("BtnCancel"));
    connect(BtnAdd, &QPushButton::clicked, this, &KivoraSet::onAdd);
    connect(BtnDelete, &QPushButton::clicked, this, &KivoraSet::onDelete);
    connect(BtnCheck, &QPushButton::clicked, this, &KivoraSet::onCheck);
    connect(BtnOK, &QPushButton::clicked, this, &KivoraSet::onOK);
    connect(BtnCancel, &QPushButton::clicked, this, &KivoraSet::onCancel);
}

void KivoraSet::layOut() {
    auto* fields = new QGridLayout;
    for (int i = 0; i < int(TextSet.size()); ++i) {
        fields->addWidget(LabelSet[i], i, 0);
        fields->addWidget(TextSet[i], i, 1);
    }
    fields->addWidget(LabelUnit, 3, 0);
    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(ComboSet);
    unitRow->addStretch();
    unitRow->addWidget(CheckSale);
    fields->addLayout(unitRow, 3, 1);

    auto* commands = new QVBoxLayout;
    commands->addWidget(BtnAdd);
    commands->addWidget(BtnDelete);
    commands->addWidget(BtnCheck);
    commands->addStretch();
    auto* composition = new QHBoxLayout;
    composition->addWidget(FxGridSet, 1);
    composition->addLayout(commands);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(composition, 1);
    layout->addLayout(buttons);

    setTabOrder(TextSet[SetField::Code], TextSet[SetField::Name]);
    setTabOrder(TextSet[SetField::Name], TextSet[SetField::Price]);
    setTabOrder(TextSet[SetField::Price], ComboSet);
    setTabOrder(ComboSet, CheckSale);
    setTabOrder(CheckSale, FxGridSet);
    setTabOrder(FxGridSet, BtnAdd);
    setTabOrder(BtnAdd, BtnDelete);
    setTabOrder(BtnDelete, BtnCheck);
    setTabOrder(BtnCheck, BtnOK);
    setTabOrder(BtnOK, BtnCancel);
}

void KivoraSet::readSet() {
    const QString code = m_state.gWork[0];
    const QString unit = m_state.gWork[3];
    QString error;
    {
        BusyCursor busy;
        try {
            LoadUnit(ComboSet, *m_state.DbMain);
            if (!code.isEmpty()) {
                TextSet[SetField::Code]->setText(code);
                TextSet[SetField::Name]->setText(m_state.gWork[1]);
                TextSet[SetField::Price]->setText(SetStore::PlainPrice(m_state.gWork[2]));
                for (const SetComponent& c : m_store->Components(code))
                    appendComponent(c.GoodsCode, c.Name, c.UnitPrice, c.Unit);
            }
        } catch (const DatabaseError& e) {
            error = e.userMessage();
        }
    }
    // A unit deleted since the set was saved is still the set's unit: it is offered
    // with the others, so that saving keeps it instead of blanking it.
    int index = ComboSet->findText(unit);
    if (index < 0 && !unit.isEmpty()) {
        ComboSet->addItem(unit);
        index = ComboSet->count() - 1;
    }
    ComboSet->setCurrentIndex(std::max(index, 0));
    FxGridSet->setCurrentCell(0, CodeColumn);
    // Told once the hourglass is gone.
    if (!error.isEmpty())
        ShowText(*m_state.messages, error, Box::Stop, m_state.AppTitle);
}

QString KivoraSet::cellText(int row, int column) const {
    const QTableWidgetItem* item = FxGridSet->item(row, column);
    return item ? item->text() : QString();
}

QString KivoraSet::componentPrice(int row) const {
    const QTableWidgetItem* item = FxGridSet->item(row, PriceColumn);
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void KivoraSet::appendComponent(const QString& code, const QString& name, const QString& price,
                                const QString& unit) {
    // The empty row of a set without components is taken first.
    int row = FxGridSet->rowCount() - 1;
    if (row < 0 || !cellText(row, CodeColumn).isEmpty()) {
        row = FxGridSet->rowCount();
        FxGridSet->insertRow(row);
    }
    FxGridSet->setItem(row, CodeColumn, new QTableWidgetItem(code));
    FxGridSet->setItem(row, NameColumn, new QTableWidgetItem(name));
    // Shown as the lists show prices; the plain number is what gets stored again.
    const std::optional<double> value = SetStore::PriceValue(price);
    auto* priceCell = new QTableWidgetItem(
        price.trimmed().isEmpty() || !value ? price : Format(*value, m_state.NumFormat));
    priceCell->setData(Qt::UserRole, price);
    priceCell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FxGridSet->setItem(row, PriceColumn, priceCell);
    FxGridSet->setItem(row, UnitColumn, new QTableWidgetItem(unit));
    SetGridWidth(FxGridSet);
}

void KivoraSet::removeComponent(int row) {
    // The grid always keeps one row to show and to add into.
    if (FxGridSet->rowCount() > 1) {
        FxGridSet->removeRow(row);
        return;
    }
    for (int c = 0; c < ColumnCount; ++c)
        FxGridSet->setItem(row, c, new QTableWidgetItem);
}

void KivoraSet::onAdd() {
    const quint8 mode = m_state.gMode;
    const QPointer<QObject> caller = m_state.gCaller;
    m_state.gMode = FindGoodsMode::ForSet;
    // The search opens over this window rather than over the registration list.
    m_state.gCaller = this;
    {
        KivoraFindGoods dialog(m_state, this);
        dialog.exec();
    }
    m_state.gMode = mode;
    m_state.gCaller = caller;
    if (m_state.gResult == DialogResult::Ok && !m_state.gWork[0].isEmpty()) {
        appendComponent(m_state.gWork[0], m_state.gWork[1], m_state.gWork[2], m_state.gWork[3]);
        FxGridSet->setCurrentCell(FxGridSet->rowCount() - 1, CodeColumn);
    }
    // The search's answer is not this window's: nothing is saved yet.
    m_state.gResult = DialogResult::Cancelled;
}

void KivoraSet::onDelete() {
    const int row = FxGridSet->currentRow();
    if (row < 0)
        return;
    const QString code = cellText(row, CodeColumn);
    if (code.isEmpty())
        return;
    const QString word = FxGridSet->horizontalHeaderItem(CodeColumn)->text() + QStringLiteral("[") +
                         code + QStringLiteral("]");
    if (ShowMsg(*m_state.messages, word, Msg::Delete, Box::QuestionCancel, m_state.AppTitle) !=
        MsgOK)
        return;
    removeComponent(row);
}

void KivoraSet::onCheck() {
    if (ShowMsg(*m_state.messages, CheckSubject + StripParen(BtnCheck->text()), Msg::Run,
                Box::QuestionCancel, m_state.AppTitle) != MsgOK)
        return;
    QStringList codes;
    for (int r = 0; r < FxGridSet->rowCount(); ++r)
        codes << cellText(r, CodeColumn);
    QList<int> vanished;
    try {
        BusyCursor busy;
        vanished = m_store->VanishedRows(codes);
    } catch (const DatabaseError& e) {
        ShowText(*m_state.messages, e.userMessage(), Box::Stop, m_state.AppTitle);
        return;
    }
    // Rows below a removed one move up: each later index is shifted by the removals.
    int removed = 0;
    for (int index : vanished) {
        const int row = index - removed;
        const QString word = CheckSubject + QStringLiteral("中に[") + cellText(row, CodeColumn) +
                             QStringLiteral("]は見つかりませんでした｡\rこの商品");
        if (ShowMsg(*m_state.messages, word, Msg::Delete, Box::QuestionCancel, m_state.AppTitle) !=
            MsgOK)
            continue;
        const int before = FxGridSet->rowCount();
        removeComponent(row);
        if (FxGridSet->rowCount() < before)
            ++removed;
    }
}

bool KivoraSet::validFields(std::array<QString, SetField::Count>& texts) {
    for (int i = 0; i < int(TextSet.size()); ++i) {
        texts[i] = TextSet[i]->text().trimmed();
        if (CheckChar(*m_state.messages, texts[i], LabelSet[i]->text(), true, false)) {
            TextSet[i]->setFocus();
            return false;
        }
    }
    if (texts[SetField::Code].isEmpty()) {
        ShowMsg(*m_state.messages, LabelSet[SetField::Code]->text(), Msg::Enter, Box::Exclamation,
                m_state.AppTitle);
        TextSet[SetField::Code]->setFocus();
        return false;
    }
    if (!SetStore::PriceValue(texts[SetField::Price])) {
        ShowMsg(*m_state.messages, LabelSet[SetField::Price]->text(), Msg::Digits, Box::Exclamation,
                m_state.AppTitle);
        TextSet[SetField::Price]->setFocus();
        return false;
    }
    return true;
}

bool KivoraSet::save(const std::array<QString, SetField::Count>& texts) {
    const QString& code = texts[SetField::Code];
    try {
        switch (m_store->SaveTarget(code)) {
        case SetStore::Target::Existing:
            if (ShowMsg(*m_state.messages,
                        LabelSet[SetField::Code]->text() + QStringLiteral("[") + code +
                            QStringLiteral("]"),
                        Msg::Overwrite, Box::ExclamationCancel, m_state.AppTitle) != MsgOK)
                return false;
            break;
        case SetStore::Target::Full:
            ShowMsg(*m_state.messages, QString(), Msg::Limit, Box::Exclamation, m_state.AppTitle);
            return false;
        case SetStore::Target::New:
            break;
        }
        const SetHeader set{code, texts[SetField::Name], texts[SetField::Price],
                            ComboSet->currentText()};
        QList<SetComponent> components;
        for (int r = 0; r < FxGridSet->rowCount(); ++r)
            components << SetComponent{cellText(r, CodeColumn), cellText(r, NameColumn),
                                       componentPrice(r), cellText(r, UnitColumn)};
        bool saved = false;
        {
            BusyCursor busy;
            saved = m_store->Save(set, components);
        }
        // Only when another set was added since the question above.
        if (!saved) {
            ShowMsg(*m_state.messages, QString(), Msg::Limit, Box::Exclamation, m_state.AppTitle);
            return false;
        }
    } catch (const DatabaseError& e) {
        ShowText(*m_state.messages, e.userMessage(), Box::Stop, m_state.AppTitle);
        return false;
    }
    return true;
}

void KivoraSet::onOK() {
    std::array<QString, SetField::Count> texts;
    if (!validFields(texts) || !save(texts))
        return;
    m_state.gResult = DialogResult::Ok;
    done(QDialog::Accepted);
}

void KivoraSet::onCancel() {
    m_state.gResult = DialogResult::Cancelled;
    done(QDialog::Rejected);
}

// Escape and the window's close button end the window as Cancel does.
void KivoraSet::reject() {
    onCancel();
}

bool KivoraSet::eventFilter(QObject* watched, QEvent* event) {
    // Enter moves on through the fields, from the price to the unit list.
    if (IsEnterKey(event)) {
        for (int i = 0; i < int(TextSet.size()); ++i) {
            if (watched == TextSet[i]) {
                QWidget* next = i + 1 < int(TextSet.size()) ? static_cast<QWidget*>(TextSet[i + 1])
                                                            : static_cast<QWidget*>(ComboSet);
                next->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
