#include "customers/Kivora.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/Cp932.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/MessageService.h"
#include "core/SharedRoutines.h"
#include "customers/CustomerStore.h"
#include "customers/KivoraFindItem.h"
#include "customers/KivoraFindUser.h"
#include "customers/NameReadingFilter.h"
#include "customers/PostalLookup.h"
#include "documents/KivoraReceipt.h"
#include "documents/KivoraSlip.h"
#include "documents/KivoraSlipB.h"
#include "documents/Slip.h"
#include "lists/KivoraListC.h"
#include "lists/KivoraListG.h"
#include "lists/KivoraListSR.h"
#include "lists/KivoraListU.h"
#include "masters/CompanyStore.h"
#include "masters/KivoraCompany.h"
#include "masters/KivoraRegist.h"
#include "masters/MasterStore.h"
#include "options/KivoraAbout.h"
#include "options/KivoraOption.h"
#include "options/KivoraPassword.h"
#include "receivables/KivoraSale.h"
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
    new NameReadingFilter(TextSlip[CustomerField::Name], TextSlip[CustomerField::Kana]);
    for (int i : {CustomerField::Name, CustomerField::Kana, CustomerField::Prefix1}) {
        connect(TextSlip[i], &QLineEdit::textChanged, this, [this] {
            if (TextSlip[CustomerField::Name]->text().isEmpty() &&
                !TextSlip[CustomerField::Kana]->text().isEmpty())
                TextSlip[CustomerField::Kana]->clear();
        });
    }
    for (QLineEdit* field : TextSlip)
        AttachSelectOnFocus(field, m_state);
    setTabOrder(TextSlip[CustomerField::Code], ComboSlip[CustomerCombo::Year]);
    setTabOrder(ComboSlip[CustomerCombo::Year], ComboSlip[CustomerCombo::Month]);
    setTabOrder(ComboSlip[CustomerCombo::Month], ComboSlip[CustomerCombo::Day]);
    setTabOrder(ComboSlip[CustomerCombo::Day], TextSlip[CustomerField::Name]);
    setTabOrder(TextSlip[CustomerField::Name], TextSlip[CustomerField::Kana]);
    // The lookup button sits between the postal code and the address, in Tab order too.
    setTabOrder(TextSlip[CustomerField::Zip2], cmd_Post);
    setTabOrder(cmd_Post, TextSlip[CustomerField::Address1]);
    SetDocumentOpener([this](int docType) { openDocumentWindow(docType); });
    resize(780, 600);
}

Kivora::~Kivora() {
    release();
}

void Kivora::Load() {
    CenterForm(this);
    TabStripSlip->setCurrentIndex(CustomerPage::Address);
    auto main = OpenMainDatabase(m_state);
    auto post = std::make_unique<Database>(m_state.PostCodePath, PostDbMarkerTable());
    m_dbMain = std::move(main);
    m_dbPost = std::move(post);
    m_state.DbMain = m_dbMain.get();
    m_state.DbPost = m_dbPost.get();
    m_customers = std::make_unique<CustomerStore>(*m_dbMain);
    LoadExcise(ComboSlip[CustomerCombo::Excise], *m_dbMain);
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
    SetComboText(ComboSlip[CustomerCombo::Year], QString::number(today.year()));
    ComboSlip[CustomerCombo::Month]->setCurrentIndex(today.month() - 1);
    ComboSlip[CustomerCombo::Day]->setCurrentIndex(today.day() - 1);
    OptionSlip[CustomerClosing::ThisMonth]->setChecked(true);
    LabelClass->clear();
    const CompanyRow company = CompanyStore(*m_state.DbMain).Read().value_or(CompanyRow{});
    m_state.gFraction = static_cast<quint8>(company.ExciseFraction);
    m_state.gPriceFraction = static_cast<quint8>(company.PriceFraction);
    m_state.gReducedExcise = company.ReducedExcise;
    m_state.gExcise = company.Excise;
    m_state.gClosingDay = static_cast<quint8>(company.ClosingDay);
    SetComboIndex(ComboSlip[CustomerCombo::Payment], company.Payment - 1);
    SetComboText(ComboSlip[CustomerCombo::Excise], rateText(m_state.gExcise));
    SetComboIndex(ComboSlip[CustomerCombo::Fraction], m_state.gFraction);
    SetComboIndex(ComboSlip[CustomerCombo::ClosingDay], m_state.gClosingDay - 1);
    ComboSlip[CustomerCombo::Mail]->setCurrentIndex(0);
    m_state.gUserCode.clear();
    m_state.gUserName.clear();
    m_state.gClosingType = CustomerClosing::ThisMonth;
    UserNum = m_customers->Count();
    m_read.clear();
}

void Kivora::showRow(const CustomerRow& r) {
    const std::array<const QString*, CustomerField::Count> texts = {
        &r.Code,     &r.Name,      &r.Kana,    &r.Prefix1, nullptr,     nullptr,
        &r.Address1, &r.Address2,  &r.TEL,     &r.FAX,     &r.Portable, &r.Position1,
        &r.Charge1,  &r.Position2, &r.Charge2, &r.Prefix2, &r.Remark,   &r.Class};
    for (int i = 0; i < CustomerField::Count; ++i) {
        if (texts[i])
            TextSlip[i]->setText(*texts[i]);
    }
    const auto [zip1, zip2] = SplitZip(r.ZipCode);
    TextSlip[CustomerField::Zip1]->setText(zip1);
    TextSlip[CustomerField::Zip2]->setText(zip2);
    LabelClass->setText(r.ClassName);
    m_read.set(r.Code, r.Stamp);
    SetComboText(ComboSlip[CustomerCombo::Year], GetDatePart(r.BusinessYMD, DatePart::Year));
    SetComboText(ComboSlip[CustomerCombo::Month], GetDatePart(r.BusinessYMD, DatePart::Month));
    SetComboText(ComboSlip[CustomerCombo::Day], GetDatePart(r.BusinessYMD, DatePart::Day));
    m_state.gFraction = static_cast<quint8>(r.Fraction);
    m_state.gExcise = r.Excise;
    m_state.gClosingDay = static_cast<quint8>(r.ClosingDay);
    m_state.gClosingType = static_cast<quint8>(r.ClosingType);
    SetComboText(ComboSlip[CustomerCombo::Excise], rateText(r.Excise));
    SetComboIndex(ComboSlip[CustomerCombo::Fraction], r.Fraction);
    SetComboIndex(ComboSlip[CustomerCombo::ClosingDay], r.ClosingDay - 1);
    SetComboIndex(ComboSlip[CustomerCombo::Payment], r.Payment - 1);
    SetComboIndex(ComboSlip[CustomerCombo::Mail], r.Mail);
    OptionSlip[r.ClosingType == CustomerClosing::ThisMonth ? CustomerClosing::ThisMonth
                                                           : CustomerClosing::NextMonth]
        ->setChecked(true);
}

bool Kivora::DataRead(int mode, const CustomerRow* row) {
    QString code;
    if (mode == CustomerRead::Typed) {
        code = TextSlip[CustomerField::Code]->text();
        if (CheckChar(*m_state.messages, code, LabelSlip[CustomerField::Code]->text(), true, true))
            return false;
        if (code.isEmpty())
            return true;
    } else if (mode == CustomerRead::Search) {
        m_state.gCaption = StripParen(MenuBusiness[BusinessMenu::Find]->text());
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
            if (mode == CustomerRead::Row && row)
                found = *row;
            else
                found = m_customers->Read(code);
        }
        if (!found) {
            DataNew();
            TextSlip[CustomerField::Code]->setText(code);
            return;
        }
        showRow(*found);
        m_state.gUserCode = TextSlip[CustomerField::Code]->text();
    });
    return true;
}

void Kivora::DataSave() {
    for (int i = 0; i < CustomerField::Count; ++i) {
        if (CheckChar(*m_state.messages, TextSlip[i]->text(), LabelSlip[i]->text(), true,
                      i == CustomerField::Code))
            return;
        const QString text = TextSlip[i]->text();
        const bool digitsOnly =
            i == CustomerField::Code || i == CustomerField::Zip1 || i == CustomerField::Zip2;
        if (digitsOnly && !text.isEmpty() && !IsDigits(text)) {
            ShowMsg(*m_state.messages, LabelSlip[i]->text(), Msg::Digits, Box::Exclamation,
                    m_state.AppTitle);
            return;
        }
    }
    for (int i : {CustomerField::Code, CustomerField::Name}) {
        if (TextSlip[i]->text().isEmpty()) {
            ShowMsg(*m_state.messages, LabelSlip[i]->text(), Msg::Enter, Box::Exclamation,
                    m_state.AppTitle);
            return;
        }
    }
    const QString code = TextSlip[CustomerField::Code]->text();
    const QString subject =
        LabelSlip[CustomerField::Code]->text() + QLatin1Char('[') + code + QLatin1Char(']');
    RunGuarded(m_state, [&] {
        bool exists = false;
        GuardedSave save;
        save.read = m_read.stampFor(code);
        save.current = [&] { return m_customers->Stamp(code); };
        save.ask = [&](bool stored) {
            if (stored)
                return int(ShowMsg(*m_state.messages, subject, Msg::Overwrite,
                                   Box::ExclamationCancel, m_state.AppTitle));
            if (UserNum >= CustomerStore::MaxCustomers) {
                ShowMsg(*m_state.messages, QString(), Msg::Limit, Box::Exclamation,
                        m_state.AppTitle);
                return int(MsgCancel);
            }
            return int(ShowMsg(*m_state.messages, subject, Msg::Save, Box::QuestionCancel,
                               m_state.AppTitle));
        };
        CustomerRow r;
        r.Code = code;
        r.Name = TextSlip[CustomerField::Name]->text();
        r.Kana = TextSlip[CustomerField::Kana]->text();
        r.Prefix1 = TextSlip[CustomerField::Prefix1]->text();
        r.ZipCode =
            JoinZip(TextSlip[CustomerField::Zip1]->text(), TextSlip[CustomerField::Zip2]->text());
        QString* rest[] = {&r.Address1, &r.Address2,  &r.TEL,     &r.FAX,
                           &r.Portable, &r.Position1, &r.Charge1, &r.Position2,
                           &r.Charge2,  &r.Prefix2,   &r.Remark};
        for (int i = 0; i < int(std::size(rest)); ++i)
            *rest[i] = TextSlip[CustomerField::Address1 + i]->text();
        r.BusinessYMD = (ComboSlip[CustomerCombo::Year]->currentText() +
                         ComboSlip[CustomerCombo::Month]->currentText() +
                         ComboSlip[CustomerCombo::Day]->currentText())
                            .toLongLong();
        const QString rate = ComboSlip[CustomerCombo::Excise]->currentText();
        r.Excise = rate.left(rate.indexOf(QLatin1Char('%'))).toDouble();
        r.Fraction = std::max(0, ComboSlip[CustomerCombo::Fraction]->currentIndex());
        r.ClosingDay = ComboSlip[CustomerCombo::ClosingDay]->currentText().toInt();
        r.Payment = ComboSlip[CustomerCombo::Payment]->currentText().toInt();
        r.Mail = std::max(0, ComboSlip[CustomerCombo::Mail]->currentIndex());
        r.ClosingType = OptionSlip[CustomerClosing::ThisMonth]->isChecked()
                            ? CustomerClosing::ThisMonth
                            : CustomerClosing::NextMonth;
        r.Class = LabelClass->text().isEmpty() ? QString() : TextSlip[CustomerField::Class]->text();
        save.save = [&](const Expect& expect) {
            // What the save finds decides whether a customer is added: the seat question
            // replaces the window's own, which is not asked then.
            exists = !expect.absent();
            BusyCursor busy;
            m_read.set(code, m_customers->Save(r, expect));
        };
        if (!SaveAgainstOtherSeats(m_state, m_state.AppTitle, save))
            return;
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
    const QString code = TextSlip[CustomerField::Code]->text();
    if (code.isEmpty())
        return;
    if (CheckChar(*m_state.messages, code, LabelSlip[CustomerField::Code]->text(), true, true))
        return;
    if (!IsDigits(code)) {
        ShowMsg(*m_state.messages, LabelSlip[CustomerField::Code]->text(), Msg::Digits,
                Box::Exclamation, m_state.AppTitle);
        return;
    }
    RunGuarded(m_state, [&] {
        m_state.gResult = MsgOK;
        if (m_customers->Exists(code)) {
            // The question says what stays behind, so that nobody is surprised to find
            // the documents again under a new customer given the same code.
            const CustomerStore::Records kept = m_customers->RecordsOf(code);
            QString text = LabelSlip[CustomerField::Code]->text() + QLatin1Char('[') + code +
                           QLatin1Char(']') + MsgPhrase(Msg::Delete) + QStringLiteral("｡");
            if (kept.documents > 0 || kept.ledgerRows > 0)
                text += QStringLiteral("\r伝票 %1 件と売掛 %2 件は削除されずに残ります"
                                       "(同じコードで登録した顧客に引き継がれます)｡")
                            .arg(kept.documents)
                            .arg(kept.ledgerRows);
            m_state.gResult =
                ShowText(*m_state.messages, text, Box::QuestionCancel, m_state.AppTitle);
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
            QString from = TextSlip[CustomerField::Code]->text();
            if (CheckChar(*m_state.messages, from, QString(), false, true))
                from.clear();
            target = m_customers->Move(static_cast<CustomerStore::Step>(direction), from);
        }
        if (target)
            DataRead(CustomerRead::Row, &*target);
    });
}

void Kivora::FindClass() {
    const QString code = TextSlip[CustomerField::Class]->text();
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
    // Estimates, purchase orders, delivery notes and invoices share the slip window; the
    // two bills share the bill window; receipts and the ledger have their own.
    return (docType >= DocType::Estimate && docType <= DocType::Receipt) ||
           docType == DocType::Receivables;
}

int Kivora::WorkBarDocType(int image) {
    switch (image) {
    case WorkBarImage::Receipt:
        return DocType::Receipt;
    case WorkBarImage::Receivables:
        return DocType::Receivables;
    default:
        return image; // the slips open the type of the same number
    }
}

void Kivora::openDocumentWindow(int docType) {
    if (!HasDocumentWindow(docType))
        return;
    if (docType == DocType::Receipt) {
        KivoraReceipt window(m_state, this);
        window.exec();
        return;
    }
    if (docType == DocType::DetailedBill || docType == DocType::TotalBill) {
        KivoraSlipB window(m_state, this);
        window.exec();
        return;
    }
    if (docType == DocType::Receivables) {
        KivoraSale window(m_state, this);
        window.exec();
        return;
    }
    KivoraSlip window(m_state, this);
    window.exec();
}

void Kivora::SetDocumentOpener(std::function<void(int)> opener) {
    m_documentOpener = std::move(opener);
    const bool any = static_cast<bool>(m_documentOpener);
    const std::array<std::pair<QAction*, int>, 8> items = {
        {{MenuSlip[DocumentMenu::Estimate], DocType::Estimate},
         {MenuSlip[DocumentMenu::Order], DocType::Order},
         {MenuSlip[DocumentMenu::DeliveryNote], DocType::DeliveryNote},
         {MenuBill[BillMenu::Invoice], DocType::Invoice},
         {MenuSlip[DocumentMenu::Receipt], DocType::Receipt},
         {MenuBill[BillMenu::DetailedBill], DocType::DetailedBill},
         {MenuBill[BillMenu::TotalBill], DocType::TotalBill},
         {MenuBusiness[BusinessMenu::Receivables], DocType::Receivables}}};
    for (const auto& [action, type] : items)
        action->setEnabled(any && HasDocumentWindow(type));
    for (int i = 0; i < WorkBarImage::Count; ++i)
        ImageWorkBar[i]->setEnabled(any && HasDocumentWindow(WorkBarDocType(i)));
}

bool Kivora::OpenDocument(int docType, const QString& caption) {
    m_state.gCaption = StripParen(caption);
    m_state.gUserName = TextSlip[CustomerField::Name]->text();
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
    const QString part1 = TextSlip[CustomerField::Zip1]->text();
    const QString part2 = TextSlip[CustomerField::Zip2]->text();
    const QString address = TextSlip[CustomerField::Address1]->text();
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
    List_Zip->setFocus();
}

void Kivora::TakeZipEntry(const QString& entry) {
    const PostalLookup::Taken taken =
        PostalLookup::TakeEntry(entry, TextSlip[CustomerField::Address1]->text());
    if (taken.setsCode) {
        TextSlip[CustomerField::Zip1]->setText(taken.part1);
        TextSlip[CustomerField::Zip2]->setText(taken.part2);
    }
    if (taken.setsAddress && !PlaceAddress(taken.address1))
        return;
    if (taken.hideOnly || taken.setsCode || taken.setsAddress) {
        // On to the address, where the street number is typed next; a cancelled list
        // returns to its button. The focus moves before the list hides, so that hiding
        // does not pass it on along the tab chain.
        if (taken.hideOnly)
            cmd_Post->setFocus();
        else
            TextSlip[CustomerField::Address1]->setFocus();
        List_Zip->hide();
    }
}

bool Kivora::PlaceAddress(const QString& address) {
    // A field of maxLength N keeps N - 1 bytes (LimitLength); what does not fit goes on in
    // 住所２ rather than being cut off.
    QLineEdit* first = TextSlip[CustomerField::Address1];
    QLineEdit* second = TextSlip[CustomerField::Address2];
    const auto [head, rest] = Cp932::splitAtBytes(address, first->maxLength() - 1);
    if (rest.isEmpty()) {
        first->setText(address);
        return true;
    }
    if (!second->text().isEmpty() || Cp932::byteLength(rest) > second->maxLength() - 1) {
        ShowText(*m_state.messages,
                 QStringLiteral("住所が長く住所１に入りきりません｡住所２を空にしてから"
                                "もう一度選んで下さい｡"),
                 Box::Exclamation, m_state.AppTitle);
        return false;
    }
    first->setText(head);
    second->setText(rest);
    return true;
}

void Kivora::openPassword() {
    m_state.gMode = PasswordMode::Change;
    m_state.gCaption = StripParen(MenuTool[ToolMenu::Password]->text());
    KivoraPassword dialog(m_state, this);
    dialog.exec();
}

void Kivora::openOptions() {
    m_state.gMode = 0; // its first page
    m_state.gCaption = StripParen(MenuTool[ToolMenu::Options]->text());
    KivoraOption dialog(m_state, this);
    dialog.exec();
    RunGuarded(m_state, [&] {
        LoadExcise(ComboSlip[CustomerCombo::Excise], *m_state.DbMain);
        // After a restore or an initialisation the customer shown may be gone.
        if (dialog.dataReplaced())
            DataNew();
        else
            SetComboText(ComboSlip[CustomerCombo::Excise], rateText(m_state.gExcise));
    });
}

void Kivora::openHelp() {
    // トピックの検索: the guide's table of contents.
    OpenHelpFile(m_state, QStringLiteral("contents"));
}

void Kivora::openAbout() {
    m_state.gCaption = StripParen(MenuHelp[HelpMenu::About]->text());
    const bool before = m_state.FrameStyle;
    KivoraAbout dialog(m_state, this);
    dialog.exec();
    if (m_state.FrameStyle != before)
        DrawFrame();
}

void Kivora::openCompany() {
    m_state.gCaption = StripParen(MenuRegist[RegistMenu::Company]->text());
    KivoraCompany dialog(m_state, this);
    dialog.exec();
}

void Kivora::openRegistration(int index) {
    // 担当者, 単位, 商品 are the first three kinds, in menu order; 顧客分類 comes after the
    // set goods, which are reached from the goods list.
    m_state.gCaption = StripParen(MenuRegist[index]->text());
    m_state.gMode = static_cast<quint8>(index == RegistMenu::Classes ? int(MasterKind::Class)
                                                                     : index - RegistMenu::Staff);
    KivoraRegist::OpenUntilDone(m_state, this);
}

void Kivora::OpenListWindow(int item) {
    std::unique_ptr<QDialog> window;
    switch (item) {
    case ListMenu::Customers:
        m_state.gMode = CustomerListMode::List;
        window = std::make_unique<KivoraListU>(m_state, this);
        break;
    case ListMenu::Staff:
        window = std::make_unique<KivoraListC>(m_state, this);
        break;
    case ListMenu::Goods:
        window = std::make_unique<KivoraListG>(m_state, this);
        break;
    default:
        m_state.gMode = item == ListMenu::Receipts ? DayListMode::Payments : DayListMode::Sales;
        window = std::make_unique<KivoraListSR>(m_state, this);
        break;
    }
    window->exec();
}

void Kivora::openClassSearch() {
    m_state.gMode = FindItemMode::Classes;
    m_state.gCaller = this;
    KivoraFindItem dialog(m_state, this);
    dialog.exec();
    if (m_state.gResult != DialogResult::Ok)
        return;
    TextSlip[CustomerField::Class]->setText(m_state.gHandOff);
    FindClass();
    ComboSlip[CustomerCombo::Excise]->setFocus();
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
