// The commands of the receivables window: changing view and customer, entering,
// correcting and deleting payments, the list printing's hand-off, and closing.
#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/MessageService.h"
#include "core/SharedRoutines.h"
#include "customers/KivoraFindUser.h"
#include "receivables/KivoraReceive.h"
#include "receivables/KivoraSale.h"
#include "widgets/SeatGuard.h"

#include "printing/KivoraPrintL.h"
#include "widgets/WidgetRoutines.h"

#include <QComboBox>
#include <QEvent>
#include <QTableWidget>

int KivoraSale::selectedRow() const {
    const int row = m_row;
    if (row < 0 || row >= FxGridSale->rowCount())
        return -1;
    const QTableWidgetItem* key = FxGridSale->item(row, SaleColumn::Key);
    return key && !key->text().isEmpty() ? row : -1;
}

const LedgerEntry* KivoraSale::paymentAt(int row) const {
    if (m_mode != LedgerMode::Customer || row < 0 || row >= int(m_entries.size()))
        return nullptr;
    // Sales belong to their documents: only payments are corrected or deleted here.
    return m_entries[row].isPayment() ? &m_entries[row] : nullptr;
}

bool KivoraSale::customerChosen() {
    if (m_mode == LedgerMode::Customer)
        return true;
    ShowMsg(*m_state.messages, QStringLiteral("顧客"), Msg::Choose, Box::Exclamation,
            m_state.AppTitle);
    return false;
}

void KivoraSale::ShowList() {
    m_mode = LedgerMode::List;
    Refresh();
}

void KivoraSale::FindCustomer() {
    {
        KivoraFindUser dialog(m_state, this);
        dialog.exec();
    }
    // The search leaves the chosen customer in gUserCode and gUserName.
    if (m_state.gResult == DialogResult::Cancelled)
        return;
    m_mode = LedgerMode::Customer;
    Refresh();
}

void KivoraSale::openRow(int row) {
    m_row = row;
    if (selectedRow() < 0)
        return;
    if (m_mode == LedgerMode::List) {
        m_state.gUserCode = FxGridSale->item(row, SaleColumn::Key)->text();
        m_state.gUserName = FxGridSale->item(row, SaleColumn::Text)->text();
        m_mode = LedgerMode::Customer;
        RunGuarded(m_state, [this] { Refresh(); });
    } else {
        RunGuarded(m_state, [this] { ReceiveCorrect(); });
    }
}

void KivoraSale::ReceiveNew() {
    if (!customerChosen())
        return;
    // A new payment falls on a day of the month chosen in the list.
    m_receive = ReceiveParam{};
    m_receive.DateText = ComboSale->currentText();
    {
        KivoraReceive dialog(m_state, m_receive, this);
        dialog.exec();
    }
    if (m_state.gResult == DialogResult::Ok)
        DataAppend(true);
}

void KivoraSale::ReceiveCorrect() {
    if (!customerChosen())
        return;
    const LedgerEntry* entry = paymentAt(selectedRow());
    if (!entry)
        return;
    // A correction stays on its own date, which under 当月 closing can lie in the month
    // before the one chosen.
    m_receive = ReceiveParam{};
    m_receive.DateText = Format(double(entry->SaleYMD), QStringLiteral("0/00/00")).left(7);
    m_receive.Day = int(entry->SaleYMD % 100);
    m_receive.Amount = entry->Receive;
    m_receive.Kind =
        Ledger::KindName(entry->Division).isEmpty() ? int(PaymentKind::Cash) : entry->Division;
    m_receive.Edit = true;
    m_receive.Stamp = entry->Stamp;
    {
        KivoraReceive dialog(m_state, m_receive, this);
        dialog.exec();
    }
    if (m_state.gResult == DialogResult::Ok)
        DataAppend(false);
}

void KivoraSale::DataAppend(bool confirm) {
    const QString code = m_state.gUserCode;
    const qint64 ymd = m_receive.DateText.toLongLong();
    GuardedSave save;
    // A correction saves the payment it was opened on; a new payment any of its date.
    save.read = m_receive.Edit ? m_receive.Stamp : std::nullopt;
    save.current = [&] {
        BusyCursor busy;
        return m_ledger.PaymentStamp(code, ymd);
    };
    save.ask = [&](bool exists) {
        if (!confirm || !exists)
            return int(MsgOK);
        return int(
            ShowMsg(*m_state.messages,
                    Format(double(ymd), QStringLiteral("0/00/00")) + QStringLiteral("の入金"),
                    Msg::Overwrite, Box::QuestionCancel, m_state.AppTitle));
    };
    save.save = [&](const Expect& expect) {
        BusyCursor busy;
        m_ledger.StorePayment(code, ymd, m_receive.Amount, m_receive.Kind, expect);
    };
    bool saved = false;
    if (!RunGuarded(m_state,
                    [&] { saved = SaveAgainstOtherSeats(m_state, m_state.AppTitle, save); }) ||
        !saved)
        return;
    m_mode = LedgerMode::Customer;
    Refresh();
}

void KivoraSale::DataDelete() {
    if (!customerChosen())
        return;
    const int row = selectedRow();
    const LedgerEntry* entry = paymentAt(row);
    if (!entry)
        return;
    const QString code = m_state.gUserCode;
    const qint64 ymd = entry->SaleYMD;
    bool exists = false;
    {
        BusyCursor busy;
        exists = m_ledger.PaymentExists(code, ymd);
    }
    if (!exists)
        return;
    const QString word =
        FxGridSale->item(row, SaleColumn::Key)->text() + QStringLiteral("日の入金");
    if (ShowMsg(*m_state.messages, word, Msg::Delete, Box::QuestionCancel, m_state.AppTitle) !=
        MsgOK)
        return;
    {
        BusyCursor busy;
        m_ledger.DeletePayment(code, ymd);
    }
    m_mode = LedgerMode::Customer;
    Refresh();
}

void KivoraSale::PrintList() {
    // What the list printing prints again: the view's title and kind, a copy of its
    // rows, the month and the range of the balance carried into a customer's rows.
    const QString caption = m_state.gCaption;
    const quint8 docType = m_state.gDocType;
    m_printSource = Ledger::PrintSource(m_mode, m_period, m_records, ComboSale->currentText());
    m_state.gCaption = m_printSource.Caption;
    m_state.gDocType = static_cast<quint8>(m_printSource.ListKind);
    m_state.gHandOff = m_printSource.MonthText;
    m_state.RsWork = m_printSource.Records.Clone();
    if (m_state.printers) {
        KivoraPrintL dialog(m_state, *m_state.printers, this);
        if (m_printSource.ListKind == LedgerMode::Customer)
            dialog.setCarryRange(m_printSource.From, m_printSource.To);
        dialog.exec();
    }
    m_state.gCaption = caption;
    m_state.gDocType = docType;
}

void KivoraSale::restoreCustomer() {
    if (m_restored)
        return;
    // The main window still shows the customer it opened the ledger with.
    m_state.gUserCode = m_savedCode;
    m_state.gUserName = m_savedName;
    m_restored = true;
}

void KivoraSale::done(int result) {
    restoreCustomer();
    QDialog::done(result);
}

bool KivoraSale::eventFilter(QObject* watched, QEvent* event) {
    // Enter on the grid opens the current row, as a double click does.
    if (watched == FxGridSale && IsEnterKey(event)) {
        openRow(FxGridSale->currentRow());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
