// The bill window's document routines: new, gathering, totals, read, save, delete and
// the deletion of lines.
#include "documents/KivoraSlipB.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "core/SharedRoutines.h"
#include "documents/BillStore.h"
#include "documents/Slip.h"
#include "widgets/WidgetRoutines.h"

#include <QComboBox>
#include <QDate>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTableWidget>

namespace {

const QString kYen = QStringLiteral("\\#,#0");

// YYYYMMDD of a "2026/04/20" text; 0 when it is none.
qint64 DateOf(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 3)
        return 0;
    return parts[0].toLongLong() * 10000 + parts[1].toInt() * 100 + parts[2].toInt();
}

} // namespace

void KivoraSlipB::scrollChanged(int index) {
    LabelSlipB[BillLabel::Year + index]->setText(
        QStringLiteral("%1").arg(ScrollSlipB[index]->value(), 2, 10, QLatin1Char('0')));
    if (!m_loading)
        DataNew(false);
}

void KivoraSlipB::DataNew(bool full) {
    BusyCursor busy;
    if (full) {
        m_read.clear();
        const bool loading = m_loading;
        m_loading = true;
        const auto restore = qScopeGuard([&] { m_loading = loading; });
        const QDate today = QDate::currentDate();
        const qint64 previous = MakeYMD(today.year(), today.month() - 1, 1);
        ScrollSlipB[BillScroll::Year]->setValue(today.year());
        ScrollSlipB[BillScroll::Month]->setValue(today.month());
        ScrollSlipB[BillScroll::PrevYear]->setValue(int(previous / 10000));
        ScrollSlipB[BillScroll::PrevMonth]->setValue(int(previous / 100 % 100));
        for (int i = 0; i < BillScroll::Count; ++i)
            scrollChanged(i);
        for (QLineEdit* field : TextSlipB)
            field->clear();
        for (QLabel* label : LabelCharge)
            label->clear();
        SetComboText(ComboSlipB[BillCombo::Year], QString::number(today.year()));
        ComboSlipB[BillCombo::Month]->setCurrentIndex(today.month() - 1);
        ComboSlipB[BillCombo::Day]->setCurrentIndex(today.day() - 1);
        OptionSlipB[BillSource::DeliveryNotes]->setChecked(true);
    }
    setRows({});
    for (int i = BillLabel::Papers; i < BillLabel::Count; ++i)
        LabelSlipB[i]->clear();
    LabelSlipB[BillLabel::ClosingDay]->setText(QString::number(m_state.gClosingDay));
    m_carryOver = 0;
    m_period = {};
}

void KivoraSlipB::DataDetail() {
    DataNew(false);
    const std::optional<BillPeriod> period = BillGathering::Period(
        ScrollSlipB[BillScroll::Year]->value(), ScrollSlipB[BillScroll::Month]->value(),
        ScrollSlipB[BillScroll::PrevYear]->value(), ScrollSlipB[BillScroll::PrevMonth]->value(),
        m_state.gClosingDay, m_state.gClosingType);
    if (!period) {
        ShowMsg(*m_state.messages,
                LabelTitle[BillTitle::PrevBill]->text() + QStringLiteral("を") +
                    LabelTitle[BillTitle::ThisBill]->text() +
                    QStringLiteral("以前に設定して下さい"),
                Msg::SubjectOnly, Box::Exclamation, m_state.gCaption);
        return;
    }
    const int source = OptionSlipB[BillSource::DeliveryNotes]->isChecked()
                           ? int(DocType::DeliveryNote)
                           : int(DocType::Invoice);
    RunGuarded(m_state, [&] {
        BusyCursor busy;
        const GatheredBill bill =
            BillGathering(*m_state.DbMain).Gather(m_state.gUserCode, *period, source);
        int papers = 0;
        setRows(BillGathering::GridRows(bill.Lines, m_state.NumFormat, &papers));
        m_period = *period;
        m_carryOver = bill.CarryOver();
        LabelSlipB[BillLabel::PrvPrice]->setText(Format(bill.PrvPrice, kYen));
        LabelSlipB[BillLabel::Receive]->setText(Format(bill.Receive, kYen));
        LabelSlipB[BillLabel::CarryOver]->setText(Format(m_carryOver, kYen));
        CalcTotal();
        LabelSlipB[BillLabel::Papers]->setText(QString::number(papers));
    });
}

void KivoraSlipB::CalcTotal() {
    const BillTotals totals = BillGathering::Totals(gridRows(), m_state.gExcise, m_state.gFraction,
                                                    m_carryOver, m_state.gReducedExcise);
    LabelSlipB[BillLabel::Total]->setText(Format(totals.Total, kYen));
    LabelSlipB[BillLabel::Excise]->setText(Format(totals.Excise, kYen));
    LabelSlipB[BillLabel::Price]->setText(Format(totals.Price, kYen));
    LabelSlipB[BillLabel::TotalPrice]->setText(Format(totals.TotalPrice, kYen));
    // The per-rate breakdown only when the lines mix rates, as on the slips.
    QStringList parts = SlipTotals::RateLines(totals.Rates);
    if (const QString note = SlipTotals::ReducedNote(totals.Rates); !note.isEmpty())
        parts << note;
    LabelRate->setText(totals.Rates.Split ? parts.join(QStringLiteral("　　")) : QString());
    LabelRate->setVisible(totals.Rates.Split);
}

void KivoraSlipB::DataRead() {
    RunGuarded(m_state, [&] {
        const QString number = m_state.gHandOff;
        std::optional<Bill> bill;
        {
            BusyCursor busy;
            bill = m_store->Read(m_state.gUserCode, m_docType, number);
        }
        if (!bill) {
            ShowMsg(*m_state.messages, m_docName + QStringLiteral("は"), Msg::NotFound,
                    Box::Exclamation, m_state.gCaption);
            return;
        }
        BusyCursor busy;
        DataNew(true);
        m_loading = true;
        const auto restore = qScopeGuard([this] { m_loading = false; });
        m_read.set(m_state.gUserCode + QLatin1Char('/') + number, bill->Stamp);
        TextSlipB[BillField::Number]->setText(number);
        for (int i = 0; i < BillCombo::Count; ++i)
            SetComboText(ComboSlipB[i], GetDatePart(bill->IssueYMD, i));
        m_period.End = DateOf(bill->Term);
        m_period.PreviousEnd = DateOf(bill->FixDate);
        if (m_period.End) {
            ScrollSlipB[BillScroll::Year]->setValue(int(m_period.End / 10000));
            ScrollSlipB[BillScroll::Month]->setValue(int(m_period.End / 100 % 100));
            // A bill closed on another day than the customer's today tells so.
            if (m_period.End % 100 != m_state.gClosingDay)
                LabelSlipB[BillLabel::ClosingDay]->setText(QString::number(m_period.End % 100));
        }
        if (m_period.PreviousEnd) {
            ScrollSlipB[BillScroll::PrevYear]->setValue(int(m_period.PreviousEnd / 10000));
            ScrollSlipB[BillScroll::PrevMonth]->setValue(int(m_period.PreviousEnd / 100 % 100));
        }
        OptionSlipB[bill->FromInvoices ? BillSource::Invoices : BillSource::DeliveryNotes]
            ->setChecked(true);
        TextSlipB[BillField::Staff]->setText(bill->ChargeCode);
        LabelCharge[BillStaff::Name]->setText(bill->ChargeName);
        LabelCharge[BillStaff::Position]->setText(bill->ChargePosition);
        TextSlipB[BillField::Remark]->setText(bill->Remark);

        const BillSummary& s = bill->Summary;
        const double sums[] = {s.PrvPrice, s.Receive, s.CarryOver, s.Total,
                               s.Excise,   s.Price,   s.TotalPrice};
        for (int k = 0; k < 7; ++k)
            LabelSlipB[BillLabel::PrvPrice + k]->setText(Format(sums[k], kYen));
        LabelSlipB[BillLabel::Papers]->setText(QString::number(s.Papers));

        QList<QStringList> rows;
        for (const BillLine& line : bill->Lines) {
            const auto cell = [](const std::optional<double>& v, const QString& pattern) {
                return v ? Format(*v, pattern) : QString();
            };
            rows << QStringList{line.IssueYMD
                                    ? Format(double(line.IssueYMD), QStringLiteral("0/00/00"))
                                    : QString(),
                                line.DocNumber,
                                line.Goods,
                                cell(line.Quantity, m_state.NumFormat),
                                line.Unit,
                                cell(line.UnitPrice, m_state.NumFormat),
                                cell(line.Price, QStringLiteral("#,#0")),
                                line.Remark,
                                SlipTotals::TaxMark(line.TaxType)};
        }
        setRows(rows);
        m_carryOver = s.CarryOver;
        CalcTotal();
    });
}

void KivoraSlipB::DataSave() {
    const QString title = m_state.gCaption;
    const QString number = TextSlipB[BillField::Number]->text();
    const QString numberCaption = LabelTitle[BillTitle::Number]->text();
    if (CheckChar(*m_state.messages, number, numberCaption, true, true))
        return;
    if (number.isEmpty()) {
        ShowMsg(*m_state.messages, numberCaption, Msg::Enter, Box::Exclamation, title);
        return;
    }
    const QDate date(ComboSlipB[BillCombo::Year]->currentText().toInt(),
                     ComboSlipB[BillCombo::Month]->currentText().toInt(),
                     ComboSlipB[BillCombo::Day]->currentText().toInt());
    if (!date.isValid()) {
        ShowMsg(*m_state.messages, QStringLiteral("正確に") + LabelTitle[BillTitle::Date]->text(),
                Msg::Enter, Box::Exclamation, title);
        return;
    }
    // A bill is saved only as gathered (or read): its sums must be there.
    for (int i = BillLabel::PrvPrice; i <= BillLabel::TotalPrice; ++i) {
        if (LabelSlipB[i]->text().isEmpty()) {
            ShowMsg(*m_state.messages, QStringLiteral("データが"), Msg::NotFound, Box::Exclamation,
                    title);
            return;
        }
    }
    RunGuarded(m_state, [&] {
        const QString word = numberWord(number);
        GuardedSave save;
        save.read = m_read.stampFor(m_state.gUserCode + QLatin1Char('/') + number);
        save.current = [&] {
            BusyCursor busy;
            return m_store->Stamp(m_state.gUserCode, m_docType, number);
        };
        save.ask = NumberQuestion(m_state, word, title);
        Bill bill;
        bill.UserCode = m_state.gUserCode;
        bill.DocType = m_docType;
        bill.Number = number;
        bill.IssueYMD = qint64(date.year()) * 10000 + date.month() * 100 + date.day();
        bill.ChargeCode = TextSlipB[BillField::Staff]->text();
        bill.ChargeName = LabelCharge[BillStaff::Name]->text();
        bill.Remark = TextSlipB[BillField::Remark]->text();
        bill.Term =
            m_period.End ? Format(double(m_period.End), QStringLiteral("0/00/00")) : QString();
        bill.FixDate = m_period.PreviousEnd
                           ? Format(double(m_period.PreviousEnd), QStringLiteral("0/00/00"))
                           : QString();
        bill.FromInvoices = OptionSlipB[BillSource::Invoices]->isChecked();
        const auto sum = [this](int label) {
            return ParseNumber(LabelSlipB[label]->text()).value_or(0);
        };
        bill.Summary = {sum(BillLabel::PrvPrice),   sum(BillLabel::Receive),
                        sum(BillLabel::CarryOver),  sum(BillLabel::Total),
                        sum(BillLabel::Excise),     sum(BillLabel::Price),
                        sum(BillLabel::TotalPrice), int(sum(BillLabel::Papers))};
        const QList<QStringList> rows = gridRows();
        for (int r = 0; r < rows.size(); ++r) {
            const QStringList& cells = rows[r];
            BillLine line;
            line.Count = r + 1;
            QString ymd = cells[BillColumn::Date];
            line.IssueYMD = ymd.remove(QLatin1Char('/')).toLongLong();
            line.DocNumber = cells[BillColumn::Number];
            line.Goods = cells[BillColumn::Goods];
            line.Quantity = ParseNumber(cells[BillColumn::Quantity]);
            line.Unit = cells[BillColumn::Unit];
            line.UnitPrice = ParseNumber(cells[BillColumn::UnitPrice]);
            line.Price = ParseNumber(cells[BillColumn::Price]);
            line.Remark = cells[BillColumn::Remark];
            line.TaxType = SlipTotals::TaxClassOf(cells[BillColumn::Tax]);
            bill.Lines << line;
        }
        save.save = [&](const Expect& expect) {
            BusyCursor busy;
            m_store->Save(bill, expect);
        };
        if (!SaveAgainstOtherSeats(m_state, title, save))
            return;
        m_state.gHandOff = number;
        DataRead();
    });
}

void KivoraSlipB::DataDelete() {
    const QString title = m_state.gCaption;
    const QString number = TextSlipB[BillField::Number]->text();
    if (number.isEmpty())
        return;
    if (CheckChar(*m_state.messages, number, LabelTitle[BillTitle::Number]->text(), true, true))
        return;
    RunGuarded(m_state, [&] {
        if (!m_store->Exists(m_state.gUserCode, m_docType, number))
            return;
        if (ShowMsg(*m_state.messages, numberWord(number), Msg::Delete, Box::QuestionCancel,
                    title) != MsgOK)
            return;
        {
            BusyCursor busy;
            m_store->Delete(m_state.gUserCode, m_docType, number);
        }
        DataNew(true);
    });
}

void KivoraSlipB::DeleteRows() {
    if (m_docType != DocType::DetailedBill)
        return;
    QList<int> selected;
    for (const QModelIndex& index : FxGridSlipB->selectionModel()->selectedRows())
        selected << index.row();
    if (selected.isEmpty() && FxGridSlipB->currentRow() >= 0)
        selected << FxGridSlipB->currentRow();
    if (selected.isEmpty())
        return;
    if (ShowMsg(*m_state.messages, QStringLiteral("指定行"), Msg::Delete, Box::QuestionCancel,
                m_state.gCaption) != MsgOK)
        return;
    std::sort(selected.begin(), selected.end());
    for (int i = int(selected.size()) - 1; i >= 0; --i) {
        const int r = selected[i];
        if (FxGridSlipB->rowCount() > 1) {
            // The row below shows its date and number only because they differ from this
            // row's; once this row goes they must show there, or the lines below would
            // read as part of the document above.
            if (r + 1 < FxGridSlipB->rowCount()) {
                for (int c : {int(BillColumn::Date), int(BillColumn::Number)}) {
                    QTableWidgetItem* below = FxGridSlipB->item(r + 1, c);
                    const QTableWidgetItem* self = FxGridSlipB->item(r, c);
                    if (below && self && below->text().isEmpty())
                        below->setText(self->text());
                }
            }
            FxGridSlipB->removeRow(r);
        } else {
            setRows({});
        }
    }
    const int above = std::max(0, selected.first() - 1);
    FxGridSlipB->clearSelection();
    FxGridSlipB->setCurrentCell(above, 0);
    FxGridSlipB->selectRow(above);
    CalcTotal();
}

QString KivoraSlipB::numberWord(const QString& number) const {
    return LabelTitle[BillTitle::Number]->text() + QLatin1Char('[') + number + QLatin1Char(']');
}
