// The receipt window's commands: the slip menu, the amount copy, printing, the image
// bar, the staff field and the keys of the fields.
#include "documents/KivoraReceipt.h"

#include "core/AppState.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/NumberText.h"
#include "core/SharedRoutines.h"
#include "customers/CustomerStore.h"
#include "customers/KivoraFindItem.h"
#include "documents/KivoraHistory.h"
#include "documents/KivoraSlipNo.h"
#include "documents/ReceiptStore.h"
#include "documents/Slip.h"
#include "masters/KivoraRegist.h"
#include "masters/MasterStore.h"
#include "printing/DocumentItems.h"
#include "printing/KivoraPrintS.h"
#include "printing/PrinterCanvas.h"
#include "printing/PrinterService.h"
#include "printing/ReceiptPrint.h"
#include "resources/StringTable.h"
#include "widgets/WidgetRoutines.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QScopeGuard>
#include <QToolButton>
#include <QUrl>

namespace {

// The number dialog heads its caption with the name of type gMode + 101 (resources
// 101-104 the slips); the receipt's name is resource 105, so it passes 4.
constexpr quint8 kSlipNoNameMode = 4;

} // namespace

void KivoraReceipt::runCommand(QAction* item, const std::function<void()>& command) {
    // Messages of a command are titled with its caption; the window's comes back after.
    const QString caption = m_state.gCaption;
    const auto restore = qScopeGuard([this, caption] { m_state.gCaption = caption; });
    m_state.gCaption = StripParen(item->text());
    command();
}

void KivoraReceipt::runImageCommand(int index) {
    switch (index) {
    case ReceiptImage::Save:
        DataSave();
        break;
    case ReceiptImage::Print:
        // The same command as the menu's, titled as the menu item is.
        runCommand(MenuSlip[ReceiptMenu::Print], [this] { PrintCommand(); });
        break;
    case ReceiptImage::Close:
        close();
        break;
    default:
        break;
    }
}

void KivoraReceipt::LastSlip() {
    if (ShowMsg(*m_state.messages,
                StripParen(MenuSlip[ReceiptMenu::LastSlip]->text()) +
                    QStringLiteral("を読み込みます"),
                Msg::SubjectOnly, Box::QuestionCancel, m_state.gCaption) != MsgOK)
        return;
    m_state.gHandOff.clear();
    if (!RunGuarded(m_state, [this] { m_state.gHandOff = m_store->LastNumber(m_state.gUserCode); }))
        return;
    // With no number stored the read reports that nothing was found.
    DataRead();
}

void KivoraReceipt::History() {
    const QString caption = m_state.gCaption;
    m_state.gMode = DocType::Receipt;
    m_state.gDocType = DocType::Receipt;
    m_state.gCaption = StripParen(MenuSlip[ReceiptMenu::History]->text()) + QLatin1Char('(') +
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

void KivoraReceipt::SlipNumber() {
    m_state.gMode = kSlipNoNameMode;
    m_state.gDocType = DocType::Receipt;
    m_state.gCaller = this;
    {
        KivoraSlipNo dialog(m_state, this);
        dialog.exec();
    }
    if (!m_state.gHandOff.isEmpty())
        TextReceipt[ReceiptField::Number]->setText(m_state.gHandOff);
    TextReceipt[ReceiptField::Number]->setFocus();
}

void KivoraReceipt::CopyAmount(int type) {
    // The history may switch to another customer and lists another type; the window's
    // own customer and type come back whatever happens.
    const QString userCode = m_state.gUserCode;
    const QString userName = m_state.gUserName;
    const auto restore = qScopeGuard([&] {
        m_state.gUserCode = userCode;
        m_state.gUserName = userName;
        m_state.gDocType = DocType::Receipt;
    });
    m_state.gMode = DocType::Receipt;
    m_state.gDocType = static_cast<quint8>(type);
    const QString caption = m_state.gCaption;
    m_state.gCaption = windowTitle() + QLatin1Char(' ') + StripParen(MenuCopy[type]->text());
    m_state.gCaller = this;
    {
        KivoraHistory dialog(m_state, this);
        dialog.exec();
    }
    m_state.gCaption = caption;
    if (m_state.gResult != DialogResult::Ok)
        return;
    const QString source = m_state.gUserCode;
    const QString number = m_state.gHandOff;
    std::optional<double> amount;
    RunGuarded(m_state, [&] {
        // The tax of the document as its own window shows it: with the rate and rounding
        // of the customer it belongs to, which is this window's customer unless the
        // history switched to another one.
        double excise = m_state.gExcise;
        int fraction = m_state.gFraction;
        if (source != userCode) {
            if (const std::optional<CustomerRow> row =
                    CustomerStore(*m_state.DbMain).Read(source)) {
                excise = row->Excise;
                fraction = row->Fraction;
            }
        }
        amount = m_store->CopyAmount(source, type, number, excise, fraction);
    });
    if (!amount)
        return;
    // Into the amount field entered last, so that the user picks the payment kind by
    // clicking into it first; cash otherwise.
    const int target = m_lastField >= ReceiptField::Cash && m_lastField <= ReceiptField::Other
                           ? m_lastField
                           : int(ReceiptField::Cash);
    QLineEdit* field = TextReceipt[target];
    const QString shown = Format(*amount, QStringLiteral("#,#0"));
    field->setText(field->hasFocus() ? EditText(shown) : shown);
    CalcTotal();
}

void KivoraReceipt::FindStaff() {
    m_state.gMode = FindItemMode::Staff;
    m_state.gCaller = this;
    {
        KivoraFindItem dialog(m_state, this);
        dialog.exec();
    }
    if (m_state.gResult == DialogResult::Cancelled)
        return;
    TextReceipt[ReceiptField::Staff]->setText(m_state.gHandOff);
    RunGuarded(m_state, [this] {
        FindCharge(m_state, TextReceipt[ReceiptField::Staff]->text(),
                   LabelCharge[ReceiptStaff::Name], LabelCharge[ReceiptStaff::Position]);
    });
    TextReceipt[ReceiptField::Staff]->setFocus();
}

void KivoraReceipt::OpenHelp() {
    OpenHelpFile(m_state, QStringLiteral("receipt"));
}

void KivoraReceipt::OpenRegistration() {
    m_state.gMode = static_cast<quint8>(MasterKind::Staff);
    KivoraRegist::OpenUntilDone(m_state, this);
}

ReceiptPrintHeader KivoraReceipt::printHeader() const {
    ReceiptPrintHeader header;
    for (int i = 0; i < DatePart::Count; ++i) {
        header.Date[i] = ComboReceipt[ReceiptCombo::Year + i]->currentText();
        header.DueDate[i] = ComboReceipt[ReceiptCombo::DueYear + i]->currentText();
    }
    header.Number = TextReceipt[ReceiptField::Number]->text();
    header.Remark = TextReceipt[ReceiptField::Summary]->text();
    for (int i = 0; i < ReceiptTotal::Count; ++i)
        header.Totals[i] = LabelTotal[i]->text();
    for (int i = 0; i < int(header.Amounts.size()); ++i)
        header.Amounts[i] = TextReceipt[ReceiptField::Cash + i]->text();
    return header;
}

void KivoraReceipt::PrintCommand() {
    const QString title = m_state.gCaption;
    const QString number = TextReceipt[ReceiptField::Number]->text();
    if (!KivoraPrintS::CanPrintNumber(m_state, number,
                                      [&] { return m_store->Exists(m_state.gUserCode, number); }))
        return;
    m_state.gMode = DocType::Receipt;
    m_state.gDocType = DocType::Receipt;
    m_state.gCaller = this;
    {
        // The dialog's preview and PDF draw exactly what PrintSlip prints after 開始.
        const ReceiptPrintHeader header = printHeader();
        QString pdfName = m_docName + number + QStringLiteral(".pdf");
        pdfName.replace(QLatin1Char('/'), QLatin1Char('_'));
        KivoraPrintS dialog(m_state, *m_state.printers, this);
        dialog.setRenderer(
            [this, header, title](Canvas& canvas, const Database& layoutDb, int code) {
                return ReceiptPrint::PrintReceipt(
                    canvas, *m_state.DbMain, layoutDb, *m_state.settings, *m_state.messages, title,
                    m_state.NumFormat, code, m_state.gUserCode, m_state.gUserName, header);
            },
            pdfName);
        dialog.exec();
    } // the dialog releases the layout database before the print run opens it
    if (m_state.gResult == DialogResult::Ok)
        PrintSlip();
}

void KivoraReceipt::PrintSlip() {
    const ReceiptPrintHeader header = printHeader();
    KivoraPrintS::RunPrintJob(m_state, m_docName + QLatin1Char(' ') + header.Number,
                              [&](PrinterCanvas& canvas, Database& layoutDb, int code) {
                                  return ReceiptPrint::PrintReceipt(
                                      canvas, *m_state.DbMain, layoutDb, *m_state.settings,
                                      *m_state.messages, m_state.gCaption, m_state.NumFormat, code,
                                      m_state.gUserCode, m_state.gUserName, header);
                              });
}

bool KivoraReceipt::fieldEnter(int index) {
    if (index == ReceiptField::Staff) {
        // The staff code is looked up first; a code that is refused or unknown keeps the
        // focus so that the user can correct it.
        m_state.gResult = LookupResult::Accepted;
        RunGuarded(m_state, [this] {
            FindCharge(m_state, TextReceipt[ReceiptField::Staff]->text(),
                       LabelCharge[ReceiptStaff::Name], LabelCharge[ReceiptStaff::Position]);
        });
        if (m_state.gResult == LookupResult::Refused)
            return true;
    }
    // After the last field the walk starts again at the number.
    TextReceipt[(index + 1) % ReceiptField::Count]->setFocus(Qt::TabFocusReason);
    return true;
}

bool KivoraReceipt::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (!IsEnterKey(event))
            break;
        if (const int k = IndexOf(TextReceipt, watched); k >= 0)
            return fieldEnter(k);
        break;
    case QEvent::FocusIn:
        if (const int k = IndexOf(TextReceipt, watched); k >= 0) {
            m_lastField = k;
            if (k >= ReceiptField::Cash && k <= ReceiptField::Other)
                amountEntered(k);
        }
        break;
    case QEvent::FocusOut:
        if (const int k = IndexOf(TextReceipt, watched);
            k >= ReceiptField::Cash && k <= ReceiptField::Other)
            amountLeft(k);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void KivoraReceipt::keyPressEvent(QKeyEvent* event) {
    // Esc and Enter reach the window only when no field used them; the window is closed
    // through its command, never by a stray Esc, and has no default button.
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
