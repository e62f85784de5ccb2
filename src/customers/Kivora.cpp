#include "customers/Kivora.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/SharedRoutines.h"
#include "customers/CustomerStore.h"
#include "customers/KivoraFindItem.h"
#include "customers/KivoraFindUser.h"
#include "customers/NameReadingFilter.h"
#include "customers/PostalLookup.h"
#include "documents/KivoraSlip.h"
#include "masters/CompanyStore.h"
#include "masters/KivoraCompany.h"
#include "masters/KivoraRegist.h"
#include "options/KivoraAbout.h"
#include "options/KivoraPassword.h"
#include "widgets/WidgetRoutines.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

Kivora::Kivora(AppState& state, QWidget* parent) : QMainWindow(parent), m_state(state) {
    setObjectName(QStringLiteral("Kivora"));
    setWindowTitle(m_state.AppTitle);
    buildToolBar();
    buildMenus();
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(buildWorkBar());
    layout->addWidget(buildCustomerForm(), 1);
    setCentralWidget(central);
    // The name field captures the reading of what the input method converts and hands
    // it to the reading field when the user moves on.
    new NameReadingFilter(TextSlip[1], TextSlip[2]);
    for (int i : {1, 2, 3}) {
        connect(TextSlip[i], &QLineEdit::textChanged, this, [this] {
            if (TextSlip[1]->text().isEmpty() && !TextSlip[2]->text().isEmpty())
                TextSlip[2]->clear();
        });
    }
    for (QLineEdit* field : TextSlip)
        AttachSelectOnFocus(field, m_state);
    setTabOrder(TextSlip[0], ComboSlip[0]);
    setTabOrder(ComboSlip[0], ComboSlip[1]);
    setTabOrder(ComboSlip[1], ComboSlip[2]);
    setTabOrder(ComboSlip[2], TextSlip[1]);
    setTabOrder(TextSlip[1], TextSlip[2]);
    SetDocumentOpener([this](int docType) { openDocumentWindow(docType); });
    resize(780, 600);
}

Kivora::~Kivora() {
    release();
}

void Kivora::Load() {
    CenterForm(this);
    TabStripSlip->setCurrentIndex(0);
    auto main = std::make_unique<Database>(m_state.DbNames[0], MainDbMarkerTable());
    auto post = std::make_unique<Database>(m_state.PostCodePath, PostDbMarkerTable());
    m_dbMain = std::move(main);
    m_dbPost = std::move(post);
    m_state.DbMain = m_dbMain.get();
    m_state.DbPost = m_dbPost.get();
    m_customers = std::make_unique<CustomerStore>(*m_dbMain);
    LoadExcise(ComboSlip[3], *m_dbMain);
    DataNew();
}

void Kivora::release() {
    m_state.RsWork.clear();
    m_customers.reset();
    if (m_state.DbMain == m_dbMain.get())
        m_state.DbMain = nullptr;
    if (m_state.DbPost == m_dbPost.get())
        m_state.DbPost = nullptr;
    m_dbMain.reset();
    m_dbPost.reset();
}

namespace {

QString rateText(double rate) {
    return QString::number(rate) + QLatin1Char('%');
}

} // namespace

void Kivora::DataNew() {
    for (QLineEdit* field : TextSlip)
        field->clear();
    const QDate today = QDate::currentDate();
    SetComboText(ComboSlip[0], QString::number(today.year()));
    ComboSlip[1]->setCurrentIndex(today.month() - 1);
    ComboSlip[2]->setCurrentIndex(today.day() - 1);
    OptionSlip[0]->setChecked(true);
    LabelClass->clear();
    const CompanyRow company = CompanyStore(*m_state.DbMain).Read().value_or(CompanyRow{});
    m_state.gFraction = static_cast<quint8>(company.ExciseFraction);
    m_state.gPriceFraction = static_cast<quint8>(company.PriceFraction);
    m_state.gExcise = company.Excise;
    m_state.gClosingDay = static_cast<quint8>(company.ClosingDay);
    SetComboIndex(ComboSlip[6], company.Payment - 1);
    SetComboText(ComboSlip[3], rateText(m_state.gExcise));
    SetComboIndex(ComboSlip[4], m_state.gFraction);
    SetComboIndex(ComboSlip[5], m_state.gClosingDay - 1);
    ComboSlip[7]->setCurrentIndex(0);
    m_state.gUserCode.clear();
    m_state.gUserName.clear();
    m_state.gClosingType = 0;
    UserNum = m_customers->Count();
}

void Kivora::showRow(const CustomerRow& r) {
    const std::array<const QString*, 18> texts = {
        &r.Code,     &r.Name,      &r.Kana,    &r.Prefix1, nullptr,     nullptr,
        &r.Address1, &r.Address2,  &r.TEL,     &r.FAX,     &r.Portable, &r.Position1,
        &r.Charge1,  &r.Position2, &r.Charge2, &r.Prefix2, &r.Remark,   &r.Class};
    for (int i = 0; i < 18; ++i) {
        if (texts[i])
            TextSlip[i]->setText(*texts[i]);
    }
    const auto [zip1, zip2] = SplitZip(r.ZipCode);
    TextSlip[4]->setText(zip1);
    TextSlip[5]->setText(zip2);
    LabelClass->setText(r.ClassName);
    SetComboText(ComboSlip[0], GetDatePart(r.BusinessYMD, 0));
    SetComboText(ComboSlip[1], GetDatePart(r.BusinessYMD, 1));
    SetComboText(ComboSlip[2], GetDatePart(r.BusinessYMD, 2));
    m_state.gFraction = static_cast<quint8>(r.Fraction);
    m_state.gExcise = r.Excise;
    m_state.gClosingDay = static_cast<quint8>(r.ClosingDay);
    m_state.gClosingType = static_cast<quint8>(r.ClosingType);
    SetComboText(ComboSlip[3], rateText(r.Excise));
    SetComboIndex(ComboSlip[4], r.Fraction);
    SetComboIndex(ComboSlip[5], r.ClosingDay - 1);
    SetComboIndex(ComboSlip[6], r.Payment - 1);
    SetComboIndex(ComboSlip[7], r.Mail);
    OptionSlip[r.ClosingType == 0 ? 0 : 1]->setChecked(true);
}

bool Kivora::DataRead(int mode, const CustomerRow* row) {
    QString code;
    if (mode == 0) {
        code = TextSlip[0]->text();
        if (CheckChar(*m_state.messages, code, LabelSlip[0]->text(), true, true))
            return false;
        if (code.isEmpty())
            return true;
    } else if (mode == 2) {
        m_state.gCaption = StripParen(MenuBusiness[4]->text());
        m_state.gMode = FindUserMode::FromMain;
        KivoraFindUser dialog(m_state, this);
        dialog.exec();
        if (m_state.gResult != DialogResult::Ok)
            return true;
        code = m_state.gUserCode;
    }
    RunGuarded(m_state, [&] {
        std::optional<CustomerRow> found;
        {
            BusyCursor busy;
            if (mode == 1 && row)
                found = *row;
            else
                found = m_customers->Read(code);
        }
        if (!found) {
            DataNew();
            TextSlip[0]->setText(code);
            return;
        }
        showRow(*found);
        m_state.gUserCode = TextSlip[0]->text();
    });
    return true;
}

void Kivora::DataSave() {
    for (int i = 0; i < 18; ++i) {
        if (CheckChar(*m_state.messages, TextSlip[i]->text(), LabelSlip[i]->text(), true, i == 0))
            return;
        const QString text = TextSlip[i]->text();
        if ((i == 0 || i == 4 || i == 5) && !text.isEmpty() && !IsDigits(text)) {
            ShowMsg(*m_state.messages, LabelSlip[i]->text(), Msg::Digits, Box::Exclamation,
                    m_state.AppTitle);
            return;
        }
    }
    for (int i : {0, 1}) {
        if (TextSlip[i]->text().isEmpty()) {
            ShowMsg(*m_state.messages, LabelSlip[i]->text(), Msg::Enter, Box::Exclamation,
                    m_state.AppTitle);
            return;
        }
    }
    const QString code = TextSlip[0]->text();
    const QString subject = LabelSlip[0]->text() + QLatin1Char('[') + code + QLatin1Char(']');
    RunGuarded(m_state, [&] {
        const bool exists = m_customers->Exists(code);
        if (exists) {
            if (ShowMsg(*m_state.messages, subject, Msg::Overwrite, Box::ExclamationCancel,
                        m_state.AppTitle) != MsgOK)
                return;
        } else if (UserNum >= CustomerStore::MaxCustomers) {
            ShowMsg(*m_state.messages, QString(), Msg::Limit, Box::Exclamation, m_state.AppTitle);
            return;
        } else if (ShowMsg(*m_state.messages, subject, Msg::Save, Box::QuestionCancel,
                           m_state.AppTitle) != MsgOK) {
            return;
        }
        CustomerRow r;
        r.Code = code;
        r.Name = TextSlip[1]->text();
        r.Kana = TextSlip[2]->text();
        r.Prefix1 = TextSlip[3]->text();
        r.ZipCode = JoinZip(TextSlip[4]->text(), TextSlip[5]->text());
        QString* rest[] = {&r.Address1, &r.Address2,  &r.TEL,     &r.FAX,
                           &r.Portable, &r.Position1, &r.Charge1, &r.Position2,
                           &r.Charge2,  &r.Prefix2,   &r.Remark};
        for (int i = 0; i < 11; ++i)
            *rest[i] = TextSlip[6 + i]->text();
        r.BusinessYMD = (ComboSlip[0]->currentText() + ComboSlip[1]->currentText() +
                         ComboSlip[2]->currentText())
                            .toLongLong();
        const QString rate = ComboSlip[3]->currentText();
        r.Excise = rate.left(rate.indexOf(QLatin1Char('%'))).toDouble();
        r.Fraction = std::max(0, ComboSlip[4]->currentIndex());
        r.ClosingDay = ComboSlip[5]->currentText().toInt();
        r.Payment = ComboSlip[6]->currentText().toInt();
        r.Mail = std::max(0, ComboSlip[7]->currentIndex());
        r.ClosingType = OptionSlip[0]->isChecked() ? 0 : 1;
        r.Class = LabelClass->text().isEmpty() ? QString() : TextSlip[17]->text();
        {
            BusyCursor busy;
            m_customers->Save(r);
        }
        if (!exists)
            ++UserNum;
        m_state.gFraction = static_cast<quint8>(r.Fraction);
        m_state.gExcise = r.Excise;
        m_state.gClosingDay = static_cast<quint8>(r.ClosingDay);
        m_state.gClosingType = static_cast<quint8>(r.ClosingType);
        m_state.gUserCode = code;
    });
}

void Kivora::DataDelete() {
    const QString code = TextSlip[0]->text();
    if (code.isEmpty())
        return;
    if (CheckChar(*m_state.messages, code, LabelSlip[0]->text(), true, true))
        return;
    if (!IsDigits(code)) {
        ShowMsg(*m_state.messages, LabelSlip[0]->text(), Msg::Digits, Box::Exclamation,
                m_state.AppTitle);
        return;
    }
    RunGuarded(m_state, [&] {
        m_state.gResult = MsgOK;
        if (m_customers->Exists(code)) {
            m_state.gResult =
                ShowMsg(*m_state.messages,
                        LabelSlip[0]->text() + QLatin1Char('[') + code + QLatin1Char(']'),
                        Msg::Delete, Box::QuestionCancel, m_state.AppTitle);
        }
        if (m_state.gResult != MsgOK)
            return;
        // Documents, ledger rows and bills of the customer stay: they are the business's
        // records and are looked up by code.
        m_customers->Delete(code);
        DataNew();
    });
}

void Kivora::DataMove(int direction) {
    RunGuarded(m_state, [&] {
        std::optional<CustomerRow> target;
        {
            BusyCursor busy;
            QString from = TextSlip[0]->text();
            if (CheckChar(*m_state.messages, from, QString(), false, true))
                from.clear();
            target = m_customers->Move(static_cast<CustomerStore::Step>(direction), from);
        }
        if (target)
            DataRead(1, &*target);
    });
}

void Kivora::FindClass() {
    const QString code = TextSlip[17]->text();
    if (code.isEmpty()) {
        LabelClass->clear();
        m_state.gResult = LookupResult::Accepted;
        return;
    }
    if (CheckChar(*m_state.messages, code, QString(), false, true)) {
        LabelClass->clear();
        m_state.gResult = LookupResult::Refused;
        return;
    }
    RunGuarded(m_state, [&] {
        const std::optional<QString> name = m_customers->ClassName(code);
        LabelClass->setText(name.value_or(QString()));
        m_state.gResult = name ? LookupResult::Accepted : LookupResult::Refused;
    });
}

bool Kivora::HasDocumentWindow(int docType) {
    // Estimates, purchase orders, delivery notes and invoices share the slip window;
    // receipts, bills and the ledger get theirs later and wait until then.
    return docType >= 0 && docType <= 3;
}

void Kivora::openDocumentWindow(int docType) {
    if (!HasDocumentWindow(docType))
        return;
    KivoraSlip window(m_state, this);
    window.exec();
}

void Kivora::SetDocumentOpener(std::function<void(int)> opener) {
    m_documentOpener = std::move(opener);
    const bool any = static_cast<bool>(m_documentOpener);
    const std::array<std::pair<QAction*, int>, 8> items = {{{MenuSlip[0], 0},
                                                            {MenuSlip[1], 1},
                                                            {MenuSlip[2], 2},
                                                            {MenuBill[0], 3},
                                                            {MenuSlip[4], 6},
                                                            {MenuBill[1], 4},
                                                            {MenuBill[2], 5},
                                                            {MenuBusiness[11], -1}}};
    for (const auto& [action, type] : items)
        action->setEnabled(any && HasDocumentWindow(type));
    for (int i = 0; i < 6; ++i)
        ImageWorkBar[i]->setEnabled(any && HasDocumentWindow(i == 4 ? 6 : i == 5 ? -1 : i));
}

bool Kivora::OpenDocument(int docType, const QString& caption) {
    m_state.gCaption = StripParen(caption);
    m_state.gUserName = TextSlip[1]->text();
    if (m_state.gUserCode.isEmpty()) {
        ShowMsg(*m_state.messages, QStringLiteral("顧客"), Msg::Choose, Box::Exclamation,
                m_state.AppTitle);
        return false;
    }
    if (CheckChar(*m_state.messages, m_state.gUserCode, QString(), false, true))
        return false;
    bool found = false;
    RunGuarded(m_state, [&] {
        m_state.RsWork = m_customers->ReadRecord(m_state.gUserCode);
        found = !m_state.RsWork.isEmpty();
    });
    if (!found) {
        ShowMsg(*m_state.messages, QStringLiteral("顧客"), Msg::Choose, Box::Exclamation,
                m_state.AppTitle);
        return false;
    }
    m_state.gDocType = static_cast<quint8>(docType);
    if (m_documentOpener)
        m_documentOpener(docType);
    return true;
}

void Kivora::PostLookup() {
    const QString part1 = TextSlip[4]->text();
    const QString part2 = TextSlip[5]->text();
    const QString address = TextSlip[6]->text();
    const int mode = PostalLookup::ChooseMode(part1, part2, address);
    if (mode < 0 || PostalLookup::ZipErr(mode, part1, part2, address))
        return;
    QStringList entries;
    const bool ok = RunGuarded(m_state, [&] {
        BusyCursor busy;
        entries = PostalLookup::Search_Zip(*m_state.DbPost, part1, part2, address, mode, [] {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    });
    List_Zip->clear();
    if (!ok)
        return;
    if (entries.isEmpty()) {
        List_Zip->hide();
        ShowText(*m_state.messages, QStringLiteral("見つかりませんでした。"), Box::Information,
                 QStringLiteral("〒<=>住所検索"));
        return;
    }
    List_Zip->addItem(PostalLookup::CancelEntry);
    List_Zip->addItems(entries);
    List_Zip->show();
    List_Zip->setCurrentRow(0);
}

void Kivora::TakeZipEntry(const QString& entry) {
    const PostalLookup::Taken taken = PostalLookup::TakeEntry(entry, TextSlip[6]->text());
    if (taken.setsCode) {
        TextSlip[4]->setText(taken.part1);
        TextSlip[5]->setText(taken.part2);
    }
    if (taken.setsAddress)
        TextSlip[6]->setText(taken.address1);
    if (taken.hideOnly || taken.setsCode || taken.setsAddress)
        List_Zip->hide();
}

void Kivora::openPassword() {
    m_state.gMode = PasswordMode::Change;
    m_state.gCaption = StripParen(MenuTool[4]->text());
    KivoraPassword dialog(m_state, this);
    dialog.exec();
}

void Kivora::openHelp() {
    // Without a help file the request does nothing, as the program promises no more.
    if (m_state.HelpFile.isEmpty() || !m_state.OpenUrl)
        return;
    m_state.OpenUrl(QUrl::fromLocalFile(m_state.HelpFile));
}

void Kivora::openAbout() {
    m_state.gCaption = StripParen(MenuHelp[2]->text());
    const bool before = m_state.FrameStyle;
    KivoraAbout dialog(m_state, this);
    dialog.exec();
    if (m_state.FrameStyle != before)
        DrawFrame();
}

void Kivora::openCompany() {
    m_state.gCaption = StripParen(MenuRegist[0]->text());
    KivoraCompany dialog(m_state, this);
    dialog.exec();
}

void Kivora::openRegistration(int index) {
    // 担当者, 単位, 商品 are kinds 0-2; 顧客分類 is kind 4 (3 is set goods, reached from
    // the goods list).
    m_state.gCaption = StripParen(MenuRegist[index]->text());
    m_state.gMode = static_cast<quint8>(index == 4 ? 4 : index - 1);
    KivoraRegist::OpenUntilDone(m_state, this);
}

void Kivora::openClassSearch() {
    m_state.gMode = FindItemMode::Classes;
    m_state.gCaller = this;
    KivoraFindItem dialog(m_state, this);
    dialog.exec();
    if (m_state.gResult != DialogResult::Ok)
        return;
    TextSlip[17]->setText(m_state.gHandOff);
    FindClass();
    ComboSlip[3]->setFocus();
}

void Kivora::closeEvent(QCloseEvent* event) {
    const int answer = ShowText(*m_state.messages, windowTitle() + QStringLiteral("を終了します。"),
                                Box::QuestionCancel, windowTitle());
    if (answer != MsgOK) {
        event->ignore();
        return;
    }
    event->accept();
    release();
}
