// The slip window's commands: the slip menu, the copy of lines, printing, the image bar,
// the staff field and the keys of the header.
#include "documents/KivoraSlip.h"

#include "core/AppState.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/MessageService.h"
#include "core/SharedRoutines.h"
#include "customers/KivoraFindItem.h"
#include "documents/DocumentStore.h"
#include "documents/KivoraHistory.h"
#include "documents/KivoraSlipNo.h"
#include "documents/SlipGrid.h"
#include "masters/KivoraFindGoods.h"
#include "masters/KivoraRegist.h"
#include "masters/MasterStore.h"
#include "printing/KivoraPrintS.h"
#include "printing/PrinterCanvas.h"
#include "printing/PrinterService.h"
#include "printing/SlipPrint.h"
#include "resources/StringTable.h"
#include "widgets/WidgetRoutines.h"

#include <QAction>
#include <QApplication>
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

void KivoraSlip::runSlipCommand(QAction* item, const std::function<void()>& command) {
    // An open cell editor is taken first; a number it refused stops the command, so that
    // nothing is saved or replaced with a cell the user still has to correct.
    if (!FxGridSlip->EditCommit())
        return;
    const QString caption = m_state.gCaption;
    const auto restore = qScopeGuard([this, caption] { m_state.gCaption = caption; });
    m_state.gCaption = StripParen(item->text());
    command();
}

void KivoraSlip::runImageCommand(int index) {
    // The pictures act even when the editor refused its text: the refusal has been shown
    // and the cell emptied.
    FxGridSlip->EditCommit();
    switch (index) {
    case SlipImage::Save:
        DataSave();
        break;
    case SlipImage::Print: {
        // The same command as the menu's, titled as the menu item is.
        const QString caption = m_state.gCaption;
        const auto restore = qScopeGuard([this, caption] { m_state.gCaption = caption; });
        m_state.gCaption = StripParen(MenuSlip[SlipMenu::Print]->text());
        PrintCommand();
        break;
    }
    case SlipImage::Close:
        close();
        break;
    default:
        break;
    }
}

void KivoraSlip::LastSlip() {
    const QString title = m_state.gCaption;
    if (ShowMsg(*m_state.messages,
                StripParen(MenuSlip[SlipMenu::LastSlip]->text()) + QStringLiteral("を読み込みます"),
                Msg::SubjectOnly, Box::QuestionCancel, title) != MsgOK)
        return;
    m_state.gHandOff.clear();
    if (!RunGuarded(m_state, [this] {
            m_state.gHandOff = m_store->LastNumber(m_state.gUserCode, m_docType);
        }))
        return;
    // With no number stored the read reports that nothing was found.
    DataRead(SlipRead::Whole);
}

void KivoraSlip::History() {
    m_state.gMode = static_cast<quint8>(m_docType);
    m_state.gDocType = static_cast<quint8>(m_docType);
    m_state.gCaller = this;
    KivoraHistory dialog(m_state, this);
    dialog.exec();
    if (m_state.gResult == DialogResult::Ok)
        DataRead(SlipRead::Whole);
}

void KivoraSlip::SlipNumber() {
    m_state.gMode = static_cast<quint8>(m_docType);
    m_state.gDocType = static_cast<quint8>(m_docType);
    m_state.gCaller = this;
    {
        KivoraSlipNo dialog(m_state, this);
        dialog.exec();
    }
    if (!m_state.gHandOff.isEmpty())
        TextSlip[SlipField::Number]->setText(m_state.gHandOff);
    TextSlip[SlipField::Number]->setFocus();
}

void KivoraSlip::CopyFrom(int type) {
    // The history may switch to another customer and lists another type; the window's
    // own customer, type and caption come back whatever happens.
    const QString userCode = m_state.gUserCode;
    const QString userName = m_state.gUserName;
    const quint8 ownType = m_state.gDocType;
    const QString caption = m_state.gCaption;
    const auto restore = qScopeGuard([&] {
        m_state.gUserCode = userCode;
        m_state.gUserName = userName;
        m_state.gDocType = ownType;
        m_state.gCaption = caption;
    });
    m_state.gMode = static_cast<quint8>(m_docType);
    m_state.gDocType = static_cast<quint8>(type);
    m_state.gCaption = windowTitle() + QLatin1Char(' ') + StripParen(MenuCopy[type]->text());
    m_state.gCaller = this;
    {
        KivoraHistory dialog(m_state, this);
        dialog.exec();
    }
    if (m_state.gResult != DialogResult::Cancelled)
        DataRead(SlipRead::Copy);
}

SlipPrintHeader KivoraSlip::printHeader() const {
    SlipPrintHeader header;
    header.DocType = m_docType;
    header.UserCode = m_state.gUserCode;
    header.UserName = m_state.gUserName;
    for (int i = 0; i < DatePart::Count; ++i) {
        header.Date[i] = ComboSlip[SlipCombo::Year + i]->currentText();
        header.FixDate[i] = TextSlip[SlipField::FixYear + i]->text();
        header.Term[i] = TextSlip[SlipField::TermYear + i]->text();
    }
    for (int i = 0; i < SlipTotal::Count; ++i)
        header.Totals[i] = LabelTotal[i]->text();
    header.Number = TextSlip[SlipField::Number]->text();
    header.ChargeName = LabelCharge[SlipStaff::Name]->text();
    header.ChargePosition = LabelCharge[SlipStaff::Position]->text();
    header.Remark = TextSlip[SlipField::Remark]->text();
    header.Deliver = TextSlip[SlipField::Deliver]->text();
    header.Business = TextSlip[SlipField::Business]->text();
    return header;
}

void KivoraSlip::PrintCommand() {
    const QString title = m_state.gCaption;
    const QString number = TextSlip[SlipField::Number]->text();
    if (!KivoraPrintS::CanPrintNumber(
            m_state, number, [&] { return m_store->Exists(m_state.gUserCode, m_docType, number); }))
        return;
    m_state.gMode = static_cast<quint8>(m_docType);
    m_state.gDocType = static_cast<quint8>(m_docType);
    m_state.gCaller = this;
    {
        // The dialog's preview and PDF draw exactly what PrintSlip prints after 開始.
        const SlipPrintHeader header = printHeader();
        // A number may hold a slash, which no file name can.
        QString pdfName = Res::text(101 + m_docType) + number + QStringLiteral(".pdf");
        pdfName.replace(QLatin1Char('/'), QLatin1Char('_'));
        KivoraPrintS dialog(m_state, *m_state.printers, this);
        dialog.setRenderer(
            [this, header, title](Canvas& canvas, const Database& layoutDb, int code) {
                return SlipPrint::PrintSlip(canvas, *m_state.DbMain, layoutDb, *m_state.settings,
                                            *m_state.messages, title, m_state.NumFormat, code,
                                            header);
            },
            pdfName);
        dialog.exec();
    } // the dialog releases the layout database before the print run opens it
    if (m_state.gResult == DialogResult::Ok)
        PrintSlip();
}

void KivoraSlip::PrintSlip() {
    const SlipPrintHeader header = printHeader();
    KivoraPrintS::RunPrintJob(
        m_state, StripParen(m_state.gCaption) + QLatin1Char(' ') + header.Number,
        [&](PrinterCanvas& canvas, Database& layoutDb, int code) {
            return SlipPrint::PrintSlip(canvas, *m_state.DbMain, layoutDb, *m_state.settings,
                                        *m_state.messages, m_state.gCaption, m_state.NumFormat,
                                        code, header);
        });
}

void KivoraSlip::FindStaff() {
    m_state.gMode = FindItemMode::Staff;
    m_state.gCaller = this;
    {
        KivoraFindItem dialog(m_state, this);
        dialog.exec();
    }
    if (m_state.gResult == DialogResult::Cancelled)
        return;
    TextSlip[SlipField::Staff]->setText(m_state.gHandOff);
    RunGuarded(m_state, [this] {
        FindCharge(m_state, TextSlip[SlipField::Staff]->text(), LabelCharge[SlipStaff::Name],
                   LabelCharge[SlipStaff::Position]);
    });
    TextSlip[SlipField::Staff]->setFocus();
}

bool KivoraSlip::openGoodsSearch() {
    m_state.gCaller = this;
    KivoraFindGoods dialog(m_state, this);
    dialog.exec();
    return m_state.gResult != DialogResult::Cancelled;
}

void KivoraSlip::OpenHelp() {
    // Delivery notes and invoices share the help topic of the sales documents.
    static const std::array<QString, 3> topics = {QStringLiteral("slip-estimate"),
                                                  QStringLiteral("slip-order"),
                                                  QStringLiteral("slip-delivery")};
    OpenHelpFile(m_state, topics[std::min<int>(m_docType, DocType::DeliveryNote)]);
}

bool KivoraSlip::headerEnter(int index) {
    if (index == SlipField::Staff) {
        // The staff code is looked up first; a code that is refused or unknown keeps the
        // focus so that the user can correct it.
        m_state.gResult = LookupResult::Accepted;
        RunGuarded(m_state, [this] {
            FindCharge(m_state, TextSlip[SlipField::Staff]->text(), LabelCharge[SlipStaff::Name],
                       LabelCharge[SlipStaff::Position]);
        });
        if (m_state.gResult == LookupResult::Refused)
            return true;
    }
    for (int k = index + 1; k < static_cast<int>(TextSlip.size()); ++k) {
        if (!TextSlip[k]->isHidden()) {
            TextSlip[k]->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    TextSlip[SlipField::Number]->setFocus(Qt::TabFocusReason);
    return true;
}

bool KivoraSlip::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        if (!IsEnterKey(event))
            break;
        if (const int k = IndexOf(TextSlip, watched); k >= 0)
            return headerEnter(k);
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void KivoraSlip::keyPressEvent(QKeyEvent* event) {
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

void KivoraSlip::OpenRegistration(int kind) {
    m_state.gMode = static_cast<quint8>(kind);
    KivoraRegist::OpenUntilDone(m_state, this);
    // New or removed units must be offered in the lines at once.
    if (kind == int(MasterKind::Unit))
        LoadUnit(FxGridSlip->ComboGrid, *m_state.DbMain);
}
