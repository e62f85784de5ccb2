#pragma once
#include "core/RecordSet.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <array>
#include <functional>

class Database;
class MessageService;
class PrinterService;
class SettingsStore;

// The slots of AppState::DbNames: the main database (customers, documents, masters) and
// the layout database the printing reads; the last two slots are unused.
namespace DbSlot {
enum : int { Main = 0, Layout = 1, Count = 4 };
}

// What a dialog leaves in gResult. Most dialogs answer Ok when the user chose or
// confirmed something and Cancelled when he left without; the code lookups below and the
// sort dialog (SortResult) answer in terms of their own.
namespace DialogResult {
enum : int { Cancelled = -1, Ok = 0 };
}

// What a code lookup (the staff code of a slip, the class of a customer) leaves in
// gResult: Accepted when the code may stand (it was found, or left empty), Refused when
// it holds a forbidden character or names nothing.
namespace LookupResult {
enum : int { Accepted = -1, Refused = 0 };
}

// The values windows hand to each other: the current customer, what a dialog is opened
// for and what it hands back, the open databases and the folders. One object is owned
// by the application and passed to every window by reference, so that each test can
// build its own.
struct AppState {
    // Folders and files, set at start-up.
    QString AppTitle;
    QString InstallFolder; // the program's folder, with no trailing separator
    QString DataFolder;    // InstallFolder + "/DataFile/"
    QString TextFolder;    // InstallFolder + "/TextFile/" (kept for the export's default)
    std::array<QString, DbSlot::Count> DbNames;
    // Where the main database lives when not in DbNames[Main]: a PostgreSQL server, in
    // libpq's "host=... port=... dbname=... user=..." form (settings key Server). The
    // layout and postal files stay local either way.
    QString MainServer;
    QString PostCodePath;
    QString HelpFile; // empty when the program has no help file

    // Databases: opened by the main window on load, released when it unloads.
    Database* DbMain = nullptr;
    Database* DbPost = nullptr;

    // Services: the settings store and the seams to the desktop (message boxes; printers,
    // their set-up, file pickers and the preview).
    SettingsStore* settings = nullptr;
    MessageService* messages = nullptr;
    PrinterService* printers = nullptr;
    // Opens a file or page with the desktop's viewer (the help file); unset in tests.
    std::function<bool(const QUrl&)> OpenUrl;
    // The desktop's folder picker with its prompt; an empty text when the user cancelled.
    // Unset in tests, which set their own.
    std::function<QString(const QString& prompt)> PickFolder;

    // The current customer and its values for the document windows.
    QString gUserCode;
    QString gUserName;
    quint8 gFraction = 0;
    quint8 gPriceFraction = 0;
    double gExcise = 0;
    // The reduced consumption-tax rate in percent (自社情報.ReducedExcise), for lines of
    // the reduced class; the standard rate of a document is the customer's gExcise.
    double gReducedExcise = 8;
    quint8 gClosingDay = 0;
    quint8 gClosingType = 0;

    // Dialog exchange.
    RecordSet RsWork;
    std::array<QString, 6> gWork;
    QString gCaption;
    quint8 gMode = 0;
    qint16 gResult = 0;
    QString gHandOff;
    QPointer<QObject> gCaller;
    quint8 gDocType = 0;
    // The staff list was limited to one department (its display leaves that column out).
    bool ListByDepartment = false;

    // Display preferences, read at start-up.
    quint8 SelText = 0;
    quint8 FindItem = 0;
    quint8 Zero = 0;
    QString NumFormat = QStringLiteral("#,#0.00");

    // Style of the work-bar hover frame; toggled from the about window, never stored.
    bool FrameStyle = false;
};
