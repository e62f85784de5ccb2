// The slip window's document routines: new, read, save and delete.
#include "documents/KivoraSlip.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/MessageService.h"
#include "core/SharedRoutines.h"
#include "documents/DocumentStore.h"
#include "documents/SlipGrid.h"
#include "widgets/WidgetRoutines.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>

namespace {

// The first three parts of a date stored as "year/month/day" into three fields.
void splitDate(const QString& stored, QLineEdit* year, QLineEdit* month, QLineEdit* day) {
    const QStringList parts = stored.split(QLatin1Char('/'));
    QLineEdit* fields[DatePart::Count] = {year, month, day};
    for (int i = 0; i < DatePart::Count; ++i)
        fields[i]->setText(i < parts.size() ? parts[i] : QString());
}

QString joinDate(const QLineEdit* year, const QLineEdit* month, const QLineEdit* day) {
    return year->text() + QLatin1Char('/') + month->text() + QLatin1Char('/') + day->text();
}

} // namespace

void KivoraSlip::DataNew() {
    BusyCursor busy;
    for (QLineEdit* field : TextSlip)
        field->clear();
    LabelCharge[SlipStaff::Name]->clear();
    LabelCharge[SlipStaff::Position]->clear();
    const QDate today = QDate::currentDate();
    SetComboText(ComboSlip[SlipCombo::Year], QString::number(today.year()));
    ComboSlip[SlipCombo::Month]->setCurrentIndex(today.month() - 1);
    ComboSlip[SlipCombo::Day]->setCurrentIndex(today.day() - 1);
    CheckSlip->setChecked(false);
    TextGrid->clear();
    FxGridSlip->clearLines();
    CalcTotal();
    m_read.clear();
}

void KivoraSlip::DataRead(int mode) {
    RunGuarded(m_state, [&] {
        // The copy reads the lines of another type: the type is the one set for the read.
        const int type = m_state.gDocType;
        if (mode >= SlipRead::Copy) {
            DataNew();
        } else {
            std::optional<SlipHeader> header;
            {
                BusyCursor busy;
                header = m_store->ReadHeader(m_state.gUserCode, type, m_state.gHandOff);
            }
            if (!header) {
                ShowMsg(*m_state.messages, m_state.gCaption + QStringLiteral("は"), Msg::NotFound,
                        Box::Exclamation, m_state.gCaption);
                return;
            }
            DataNew();
            m_read.set(m_state.gUserCode + QLatin1Char('/') + m_state.gHandOff, header->Stamp);
            TextSlip[SlipField::Number]->setText(m_state.gHandOff);
            SetComboText(ComboSlip[SlipCombo::Year], GetDatePart(header->IssueYMD, DatePart::Year));
            SetComboText(ComboSlip[SlipCombo::Month],
                         GetDatePart(header->IssueYMD, DatePart::Month));
            SetComboText(ComboSlip[SlipCombo::Day], GetDatePart(header->IssueYMD, DatePart::Day));
            if (type == DocType::Estimate) {
                splitDate(header->FixDate, TextSlip[SlipField::FixYear],
                          TextSlip[SlipField::FixMonth], TextSlip[SlipField::FixDay]);
                TextSlip[SlipField::Deliver]->setText(header->Deliver);
                splitDate(header->Term, TextSlip[SlipField::TermYear],
                          TextSlip[SlipField::TermMonth], TextSlip[SlipField::TermDay]);
                TextSlip[SlipField::Business]->setText(header->Business);
            }
            CheckSlip->setChecked(header->AddUpSale);
            TextSlip[SlipField::Staff]->setText(header->ChargeCode);
            LabelCharge[SlipStaff::Name]->setText(header->ChargeName);
            LabelCharge[SlipStaff::Position]->setText(header->ChargePosition);
            TextSlip[SlipField::Remark]->setText(header->Remark);
        }
        BusyCursor busy;
        if (mode != SlipRead::HeaderOnly)
            FxGridSlip->setLines(m_store->ReadLines(m_state.gUserCode, type, m_state.gHandOff));
        CalcTotal();
    });
}

void KivoraSlip::DataSave() {
    const QString title = m_state.gCaption;
    const QString number = TextSlip[SlipField::Number]->text();
    if (CheckChar(*m_state.messages, number, LabelTitle[SlipTitle::Number]->text(), true, true))
        return;
    if (number.isEmpty()) {
        ShowMsg(*m_state.messages, LabelTitle[SlipTitle::Number]->text(), Msg::Enter,
                Box::Exclamation, title);
        return;
    }
    const QString dateText = ComboSlip[SlipCombo::Year]->currentText() +
                             ComboSlip[SlipCombo::Month]->currentText() +
                             ComboSlip[SlipCombo::Day]->currentText();
    const QDate date(ComboSlip[SlipCombo::Year]->currentText().toInt(),
                     ComboSlip[SlipCombo::Month]->currentText().toInt(),
                     ComboSlip[SlipCombo::Day]->currentText().toInt());
    if (!date.isValid()) {
        ShowMsg(*m_state.messages, QStringLiteral("正確に") + LabelTitle[SlipTitle::Date]->text(),
                Msg::Enter, Box::Exclamation, title);
        return;
    }
    if (FxGridSlip->namedLines() == 0) {
        ShowMsg(*m_state.messages, QStringLiteral("明細"), Msg::Enter, Box::Exclamation, title);
        return;
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
        SlipHeader header;
        header.UserCode = m_state.gUserCode;
        header.DocType = m_docType;
        header.DocNumber = number;
        header.IssueYMD = dateText.toLongLong();
        header.AddUpSale = CheckSlip->isChecked();
        // A staff code counts only when the lookup found the staff member.
        header.ChargeCode = LabelCharge[SlipStaff::Name]->text().isEmpty()
                                ? QString()
                                : TextSlip[SlipField::Staff]->text();
        header.ChargeName = LabelCharge[SlipStaff::Name]->text();
        header.ChargePosition = LabelCharge[SlipStaff::Position]->text();
        header.Remark = TextSlip[SlipField::Remark]->text();
        if (m_docType == DocType::Estimate) {
            header.FixDate = joinDate(TextSlip[SlipField::FixYear], TextSlip[SlipField::FixMonth],
                                      TextSlip[SlipField::FixDay]);
            header.Term = joinDate(TextSlip[SlipField::TermYear], TextSlip[SlipField::TermMonth],
                                   TextSlip[SlipField::TermDay]);
            header.Deliver = TextSlip[SlipField::Deliver]->text();
            header.Business = TextSlip[SlipField::Business]->text();
        }
        // The sale posts the total the user sees.
        const double total = ParseNumber(LabelTotal[SlipTotal::Total]->text()).value_or(0);
        save.save = [&](const Expect& expect) {
            BusyCursor busy;
            m_store->Save(header, FxGridSlip->lines(), total, expect);
        };
        if (!SaveAgainstOtherSeats(m_state, title, save))
            return;
        m_state.gHandOff = number;
        DataRead(SlipRead::Whole);
    });
}

void KivoraSlip::DataDelete() {
    const QString title = m_state.gCaption;
    const QString number = TextSlip[SlipField::Number]->text();
    if (number.isEmpty())
        return;
    if (CheckChar(*m_state.messages, number, LabelTitle[SlipTitle::Number]->text(), true, true))
        return;
    RunGuarded(m_state, [&] {
        bool exists = false;
        {
            BusyCursor busy;
            exists = m_store->Exists(m_state.gUserCode, m_docType, number);
        }
        if (!exists)
            return;
        const QString word = numberWord(number);
        if (ShowMsg(*m_state.messages, word, Msg::Delete, Box::QuestionCancel, title) != MsgOK)
            return;
        std::optional<bool> posted;
        {
            BusyCursor busy;
            posted = m_store->Delete(m_state.gUserCode, m_docType, number);
        }
        DataNew();
        // The posted sale outlives the document unless the user lets it go as well.
        if (posted.value_or(false) && ShowMsg(*m_state.messages, word + QStringLiteral("の売上"),
                                              Msg::Delete, Box::QuestionCancel, title) == MsgOK) {
            BusyCursor busy;
            m_store->DeleteSale(m_state.gUserCode, m_docType, number);
        }
    });
}

QString KivoraSlip::numberWord(const QString& number) const {
    return LabelTitle[SlipTitle::Number]->text() + QLatin1Char('[') + number + QLatin1Char(']');
}
