// The bill window's commands: the slip menu, printing, the image bar, the staff field
// and the keys of the fields.
#include "documents/KivoraSlipB.h"

#include "core/AppState.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/SharedRoutines.h"
#include "customers/KivoraFindItem.h"
#include "documents/BillStore.h"
#include "documents/KivoraHistory.h"
#include "documents/KivoraSlipNo.h"
#include "documents/Slip.h"
#include "masters/KivoraRegist.h"
#include "masters/MasterStore.h"
#include "printing/BillPrint.h"
#include "printing/KivoraPrintS.h"
#include "printing/PrinterCanvas.h"
#include "printing/PrinterService.h"
#include "widgets/WidgetRoutines.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QScopeGuard>
#include <QUrl>

void KivoraSlipB::runCommand(QAction* item, const std::function<void()>& command) {
    // Messages of a command are titled with its caption; the window's comes back after.
    const QString caption = m_state.gCaption;
    const auto restore = qScopeGuard([this, caption] { m_state.gCaption = caption; });
    m_state.gCaption = StripParen(item->text());
    command();
}

void KivoraSlipB::runImageCommand(int index) {
    // Each picture runs its menu item, titled as the item is.
    static constexpr std::array<int, BillImage::Count> items = {SlipBMenu::Gather, SlipBMenu::Save,
                                                                SlipBMenu::Print, SlipBMenu::Close};
    if (index >= 0 && index < BillImage::Count)
        MenuSlip[items[index]]->trigger();
}

void KivoraSlipB::LastSlip() {
    if (ShowMsg(*m_state.messages,
                StripParen(MenuSlip[SlipBMenu::LastSlip]->text()) +
                    QStringLiteral("を読み込みます"),
                Msg::SubjectOnly, Box::QuestionCancel, m_state.gCaption) != MsgOK)
        return;
    m_state.gHandOff.clear();
    if (!RunGuarded(m_state, [this] {
            m_state.gHandOff = m_store->LastNumber(m_state.gUserCode, m_docType);
        }))
        return;
    DataRead();
}

void KivoraSlipB::History() {
    const QString caption = m_state.gCaption;
    m_state.gMode = static_cast<quint8>(m_docType);
    m_state.gDocType = static_cast<quint8>(m_docType);
    m_state.gCaption = StripParen(MenuSlip[SlipBMenu::History]->text()) + QLatin1Char('(') +
                       m_docName + QLatin1Char(')');
    m_state.gCaller = this;
    {
        KivoraHistory dialog(m_state, this);
        dialog.exec();
    }
    m_state.gCaption = caption;
    if (m_state.gResult == DialogResult::Ok)
        DataRead();
}

void KivoraSlipB::SlipNumber() {
    // The number dialog names bills two resources further on than their type.
    m_state.gMode = static_cast<quint8>(m_docType + 2);
    m_state.gDocType = static_cast<quint8>(m_docType);
    m_state.gCaller = this;
    {
        KivoraSlipNo dialog(m_state, this);
        dialog.exec();
    }
    if (!m_state.gHandOff.isEmpty())
        TextSlipB[BillField::Number]->setText(m_state.gHandOff);
    TextSlipB[BillField::Number]->setFocus();
}

void KivoraSlipB::FindStaff() {
    m_state.gMode = FindItemMode::Staff;
    m_state.gCaller = this;
    {
        KivoraFindItem dialog(m_state, this);
        dialog.exec();
    }
    if (m_state.gResult == DialogResult::Cancelled)
        return;
    TextSlipB[BillField::Staff]->setText(m_state.gHandOff);
    RunGuarded(m_state, [this] {
        FindCharge(m_state, TextSlipB[BillField::Staff]->text(), LabelCharge[BillStaff::Name],
                   LabelCharge[BillStaff::Position]);
    });
    TextSlipB[BillField::Staff]->setFocus();
}

void KivoraSlipB::OpenHelp() {
    OpenHelpFile(m_state, QStringLiteral("bill"));
}

void KivoraSlipB::OpenRegistration() {
    m_state.gMode = static_cast<quint8>(MasterKind::Staff);
    KivoraRegist::OpenUntilDone(m_state, this);
}

BillPrintHeader KivoraSlipB::printHeader() const {
    BillPrintHeader header;
    header.ClosingYMD = m_period.End;
    header.Number = TextSlipB[BillField::Number]->text();
    header.ChargeName = LabelCharge[BillStaff::Name]->text();
    header.Remark = TextSlipB[BillField::Remark]->text();
    for (int k = 0; k < 3; ++k) {
        header.Totals[k] = LabelSlipB[BillLabel::Total + k]->text();
        header.Balance[k] = LabelSlipB[BillLabel::PrvPrice + k]->text();
    }
    header.Billed = LabelSlipB[BillLabel::TotalPrice]->text();
    header.SlipCount = LabelSlipB[BillLabel::Papers]->text();
    return header;
}

void KivoraSlipB::PrintCommand() {
    const QString title = m_state.gCaption;
    const QString number = TextSlipB[BillField::Number]->text();
    if (!KivoraPrintS::CanPrintNumber(
            m_state, number, [&] { return m_store->Exists(m_state.gUserCode, m_docType, number); }))
        return;
    m_state.gMode = static_cast<quint8>(m_docType);
    m_state.gDocType = static_cast<quint8>(m_docType);
    m_state.gCaller = this;
    {
        // The dialog's preview and PDF draw exactly what PrintSlip prints after 開始.
        const BillPrintHeader header = printHeader();
        QString pdfName = m_docName + number + QStringLiteral(".pdf");
        pdfName.replace(QLatin1Char('/'), QLatin1Char('_'));
        KivoraPrintS dialog(m_state, *m_state.printers, this);
        const int type = m_docType;
        dialog.setRenderer(
            [this, header, title, type](Canvas& canvas, const Database& layoutDb, int code) {
                return BillPrint::PrintBill(canvas, *m_state.DbMain, layoutDb, *m_state.settings,
                                            *m_state.messages, title, m_state.NumFormat, code, type,
                                            m_state.gUserCode, m_state.gUserName, header);
            },
            pdfName);
        dialog.exec();
    }
    if (m_state.gResult == DialogResult::Ok)
        PrintSlip();
}

void KivoraSlipB::PrintSlip() {
    const BillPrintHeader header = printHeader();
    KivoraPrintS::RunPrintJob(m_state, m_docName + QLatin1Char(' ') + header.Number,
                              [&](PrinterCanvas& canvas, Database& layoutDb, int code) {
                                  return BillPrint::PrintBill(
                                      canvas, *m_state.DbMain, layoutDb, *m_state.settings,
                                      *m_state.messages, m_state.gCaption, m_state.NumFormat, code,
                                      m_docType, m_state.gUserCode, m_state.gUserName, header);
                              });
}

bool KivoraSlipB::fieldEnter(int index) {
    if (index == BillField::Staff) {
        // A staff code that is refused or unknown keeps the focus for correcting it.
        m_state.gResult = LookupResult::Accepted;
        RunGuarded(m_state, [this] {
            FindCharge(m_state, TextSlipB[BillField::Staff]->text(), LabelCharge[BillStaff::Name],
                       LabelCharge[BillStaff::Position]);
        });
        if (m_state.gResult == LookupResult::Refused)
            return true;
    }
    TextSlipB[(index + 1) % BillField::Count]->setFocus(Qt::TabFocusReason);
    return true;
}

bool KivoraSlipB::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsEnterKey(event)) {
        if (const int k = IndexOf(TextSlipB, watched); k >= 0)
            return fieldEnter(k);
    }
    return QDialog::eventFilter(watched, event);
}

void KivoraSlipB::keyPressEvent(QKeyEvent* event) {
    // The window is closed through its command, never by a stray Esc or Enter.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
