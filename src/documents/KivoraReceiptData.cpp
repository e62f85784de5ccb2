// The receipt window's document routines: new, read, save and delete.
#include "documents/KivoraReceipt.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "core/SharedRoutines.h"
#include "documents/ReceiptStore.h"
#include "widgets/WidgetRoutines.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>

void KivoraReceipt::DataNew() {
    BusyCursor busy;
    for (QLineEdit* field : TextReceipt)
        field->clear();
    LabelCharge[ReceiptStaff::Name]->clear();
    LabelCharge[ReceiptStaff::Position]->clear();
    const QDate today = QDate::currentDate();
    SetComboText(ComboReceipt[ReceiptCombo::Year], QString::number(today.year()));
    ComboReceipt[ReceiptCombo::Month]->setCurrentIndex(today.month() - 1);
    ComboReceipt[ReceiptCombo::Day]->setCurrentIndex(today.day() - 1);
    // A bill's due date is chosen only for a receipt paid by bill.
    for (int c = ReceiptCombo::DueYear; c <= ReceiptCombo::DueDay; ++c)
        ComboReceipt[c]->setCurrentIndex(-1);
    CalcTotal();
    m_read.clear();
}

void KivoraReceipt::DataRead() {
    RunGuarded(m_state, [&] {
        const QString number = m_state.gHandOff;
        std::optional<Receipt> receipt;
        {
            BusyCursor busy;
            receipt = m_store->Read(m_state.gUserCode, number);
        }
        if (!receipt) {
            ShowMsg(*m_state.messages, m_docName + QStringLiteral("は"), Msg::NotFound,
                    Box::Exclamation, m_state.gCaption);
            return;
        }
        BusyCursor busy;
        DataNew();
        m_read.set(m_state.gUserCode + QLatin1Char('/') + number, receipt->Stamp);
        TextReceipt[ReceiptField::Number]->setText(number);
        SetComboText(ComboReceipt[ReceiptCombo::Year],
                     GetDatePart(receipt->IssueYMD, DatePart::Year));
        SetComboText(ComboReceipt[ReceiptCombo::Month],
                     GetDatePart(receipt->IssueYMD, DatePart::Month));
        SetComboText(ComboReceipt[ReceiptCombo::Day],
                     GetDatePart(receipt->IssueYMD, DatePart::Day));
        TextReceipt[ReceiptField::Staff]->setText(receipt->ChargeCode);
        LabelCharge[ReceiptStaff::Name]->setText(receipt->ChargeName);
        LabelCharge[ReceiptStaff::Position]->setText(receipt->ChargePosition);
        TextReceipt[ReceiptField::Summary]->setText(receipt->Summary);
        if (const std::optional<ReceiptDetail>& d = receipt->Detail) {
            for (int k = 0; k < ReceiptKind::Count; ++k) {
                QLineEdit* field = TextReceipt[ReceiptField::Cash + k];
                const QString shown = Format(d->Prices[k], QStringLiteral("#,#0"));
                // The field being typed into shows the plain number, as on entering.
                field->setText(field->hasFocus() ? EditText(shown) : shown);
            }
            TextReceipt[ReceiptField::For]->setText(d->Remark);
            const QStringList parts = d->BillTerm.split(QLatin1Char('/'));
            for (int i = 0; i < DatePart::Count && i < int(parts.size()); ++i) {
                // A part left empty stays unselected.
                if (!parts[i].isEmpty())
                    SetComboText(ComboReceipt[ReceiptCombo::DueYear + i], parts[i]);
            }
            TextReceipt[ReceiptField::BillNumber]->setText(d->BillNumber);
        }
        CalcTotal();
    });
}

void KivoraReceipt::DataSave() {
    const QString title = m_state.gCaption;
    const QString number = TextReceipt[ReceiptField::Number]->text();
    const QString numberCaption = LabelTitle[ReceiptTitle::Number]->text();
    if (CheckChar(*m_state.messages, number, numberCaption, true, true))
        return;
    if (number.isEmpty()) {
        ShowMsg(*m_state.messages, numberCaption, Msg::Enter, Box::Exclamation, title);
        return;
    }
    const QString dateText = ComboReceipt[ReceiptCombo::Year]->currentText() +
                             ComboReceipt[ReceiptCombo::Month]->currentText() +
                             ComboReceipt[ReceiptCombo::Day]->currentText();
    const QDate date(ComboReceipt[ReceiptCombo::Year]->currentText().toInt(),
                     ComboReceipt[ReceiptCombo::Month]->currentText().toInt(),
                     ComboReceipt[ReceiptCombo::Day]->currentText().toInt());
    if (!date.isValid()) {
        ShowMsg(*m_state.messages,
                QStringLiteral("正確に") + LabelTitle[ReceiptTitle::Date]->text(), Msg::Enter,
                Box::Exclamation, title);
        return;
    }
    RunGuarded(m_state, [&] {
        const QString word = numberWord(number);
        GuardedSave save;
        save.read = m_read.stampFor(m_state.gUserCode + QLatin1Char('/') + number);
        save.current = [&] {
            BusyCursor busy;
            return m_store->Stamp(m_state.gUserCode, number);
        };
        save.ask = NumberQuestion(m_state, word, title);
        Receipt receipt;
        receipt.UserCode = m_state.gUserCode;
        receipt.Number = number;
        receipt.IssueYMD = dateText.toLongLong();
        receipt.ChargeCode = TextReceipt[ReceiptField::Staff]->text();
        receipt.ChargeName = LabelCharge[ReceiptStaff::Name]->text();
        receipt.Summary = TextReceipt[ReceiptField::Summary]->text();
        ReceiptDetail detail;
        for (int k = 0; k < ReceiptKind::Count; ++k) {
            // An empty field, or one whose text is no number, is stored as 0.
            detail.Prices[k] = ParseNumber(TextReceipt[ReceiptField::Cash + k]->text()).value_or(0);
        }
        detail.Remark = TextReceipt[ReceiptField::For]->text();
        // Parts left unselected stay empty between their separators ("2027//").
        detail.BillTerm = ComboReceipt[ReceiptCombo::DueYear]->currentText() + QLatin1Char('/') +
                          ComboReceipt[ReceiptCombo::DueMonth]->currentText() + QLatin1Char('/') +
                          ComboReceipt[ReceiptCombo::DueDay]->currentText();
        detail.BillNumber = TextReceipt[ReceiptField::BillNumber]->text();
        receipt.Detail = detail;
        save.save = [&](const Expect& expect) {
            BusyCursor busy;
            m_store->Save(receipt, expect);
        };
        if (!SaveAgainstOtherSeats(m_state, title, save))
            return;
        m_state.gHandOff = number;
        DataRead();
    });
}

void KivoraReceipt::DataDelete() {
    const QString title = m_state.gCaption;
    const QString number = TextReceipt[ReceiptField::Number]->text();
    if (number.isEmpty())
        return;
    if (CheckChar(*m_state.messages, number, LabelTitle[ReceiptTitle::Number]->text(), true, true))
        return;
    RunGuarded(m_state, [&] {
        bool exists = false;
        {
            BusyCursor busy;
            exists = m_store->Exists(m_state.gUserCode, number);
        }
        if (!exists)
            return;
        if (ShowMsg(*m_state.messages, numberWord(number), Msg::Delete, Box::QuestionCancel,
                    title) != MsgOK)
            return;
        {
            BusyCursor busy;
            m_store->Delete(m_state.gUserCode, number);
        }
        DataNew();
    });
}

QString KivoraReceipt::numberWord(const QString& number) const {
    return LabelTitle[ReceiptTitle::Number]->text() + QLatin1Char('[') + number + QLatin1Char(']');
}
