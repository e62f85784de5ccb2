#pragma once
#include <QString>
#include <QStringList>
#include <utility>

class MessageService;
class SettingsStore;

// Routines every window shares: the message catalogue, the input character check,
// rounding, dates and the sort clause of the lists. None of them touches a widget.

// The phrases ShowMsg appends to a subject, so that every window words the same
// situation the same way. The codes are those of the original message catalogue.
namespace Msg {
enum : int {
    SubjectOnly = 0, // no phrase: the subject is the whole message
    Enter = 1,       // を入力して下さい
    Save = 2,        // を保存します
    Overwrite = 3,   // は既に存在します､上書きで保存します
    Delete = 4,      // を削除します
    Digits = 5,      // は数字を入力して下さい
    Limit = 6,       // 登録限度を超えました
    Run = 7,         // を行います
    Choose = 8,      // を選択してください
    NotFound = 9,    // 見つかりませんでした
    SaveFirst = 10,  // を保存してください
    Stop = 11,       // を中止します
    Finished = 12    // が終了しました
};
}

// The icon and buttons of a message box. Every icon comes in pairs: the even kind has OK
// only, the odd one after it adds Cancel.
namespace Box {
enum : int {
    Exclamation = 0,
    ExclamationCancel = 1,
    Information = 2,
    InformationCancel = 3,
    Stop = 4,
    StopCancel = 5,
    Question = 6,
    QuestionCancel = 7
};
}

// Phrase appended to a message subject, by code (none for Msg::SubjectOnly and unknown
// codes).
QString MsgPhrase(int code);

// Composes subject + phrase + "｡", picks icon and buttons by kind (Box), asks the
// service. Returns 1 for OK, 2 for Cancel.
quint8 ShowMsg(MessageService& messages, const QString& subject, int code, int kind,
               const QString& title);

// Shows `text` unchanged (no phrase, no closing mark) with the icon and buttons of `kind`;
// for the few messages whose text is a complete sentence of its own.
quint8 ShowText(MessageService& messages, const QString& text, int kind, const QString& title);

// The 16 characters no stored or searched text may contain, in reporting order.
const QStringList& ForbiddenChars();

// True when the text holds a control character (NUL, tab, line breaks …), which no
// code, name or search text may hold: SQLite's LIKE ends a text at a NUL.
bool ContainsControlChar(const QString& text);

// The characters of `text` that CheckChar refuses, each preceded by a blank, in table
// order, plus " 漢字(全角)" when full-width characters are forbidden and one occurs.
// Empty when the text is acceptable.
QString ForbiddenCharList(const QString& text, bool forbidFullWidth);

// True when `text` contains a refused character; with `show`, tells the user which.
bool CheckChar(MessageService& messages, const QString& text, const QString& title, bool show,
               bool forbidFullWidth);

// "顧客一覧(&U)" -> "顧客一覧": a menu caption without its access key.
QString StripParen(const QString& caption);

// True for a non-empty text of ASCII digits only (codes, postal parts, passwords).
bool IsDigits(const QString& text);

// A postal code as stored ("100-0001") from its two typed parts, and back; a code
// without a hyphen is all first part.
QString JoinZip(const QString& first, const QString& second);
std::pair<QString, QString> SplitZip(const QString& zipCode);

// Rounding of amounts, symmetric about zero: 0 truncate, 1 half up, 2 up; other modes
// leave the value as it is.
double RoundFraction(double amount, int mode);

bool IsLeapYear(qint64 year);

// The parts of a date, in the order the date lists and the date texts of a document
// hold them.
namespace DatePart {
enum : int { Year = 0, Month = 1, Day = 2, Count = 3 };
}

// Month, day or year (any other value) of a YYYYMMDD date as "00" text.
QString GetDatePart(qint64 ymd, int part);

// Builds YYYYMMDD from year, month and day with one step of carry over month and year
// ends, and with day 31 and February days clamped to the month's length.
qint64 MakeYMD(int year, int month, int day);

// The lists whose order the sort dialog stores, as gMode opens it for them. The simple
// masters keep the numbers of MasterKind.
namespace ListKind {
enum : int {
    Staff = 0,
    Units = 1,
    Goods = 2,
    Sets = 3,
    Classes = 4,
    History = 9, // the document history: by number or by date
    Customers = 10,
    Sales = 11,
    Receipts = 12
};
}

// " ORDER BY <column>[ DESC]" for a list kind, from the stored Sort/Order choice.
QString OrderClause(const SettingsStore& settings, int kind);
// The settings prefix of a list kind ("Charge", "Goods" ...), empty for unknown kinds.
QString OrderPrefix(int kind);

// Number format of quantities and unit prices for the "Zero" preference.
QString SetNumFormat(quint8 zero);

// Formats a value with one of the program's patterns: "#,#0", "#,#0.00", "#,#0.##",
// "\#,#0" (yen amount, drawn with "¥") and "0/00/00" (a YYYYMMDD date).
QString Format(double value, const QString& pattern);
