#pragma once

// The numbers the layout database and the stored print choices hold, named for the code
// that reads them. They are stored data: a value never changes its meaning.

// Item codes of the document layouts (伝票位置.ItemNo and the block item lists): which
// value prints at a position. Slips, receipts and bills share the numbering; each window
// prints the codes it knows and nothing for the others.
namespace LayoutItem {
enum : int {
    Title = 0, // the text in the layout name's brackets, in the other font
    Date = 1,  // the issue date as one text (bills: the closing date as YYYYMMDD)
    Year = 2,  // and its parts
    Month = 3,
    Day = 4,
    Number = 5,
    StaffName = 6,
    CustomerZip = 7, // the customer items, CustomerZip to CustomerCode
    CustomerAddress1 = 8,
    CustomerAddress2 = 9,
    CustomerName = 10,
    CustomerContact = 11,
    CustomerPhone = 12,
    CustomerCode = 13,
    CompanyName = 14, // the company items, CompanyName to CompanyBank
    CompanyZip = 15,
    CompanyAddress1 = 16,
    CompanyAddress2 = 17,
    CompanyPhone = 18,
    CompanyBank = 19,
    GoodsCode = 20, // the line items of slips, GoodsCode to LineRemark
    Goods = 21,
    Quantity = 22,
    Unit = 23,
    UnitPrice = 24,
    Price = 25,
    LineRemark = 26,
    Remark = 27,
    Subtotal = 28, // the totals; receipts print their total as "#,#0" and in the yen form
    Tax = 29,
    Total = 30,
    Page = 31,
    TermYear = 32, // estimates: the validity date
    TermMonth = 33,
    TermDay = 34,
    FixYear = 35, // estimates: the delivery date
    FixMonth = 36,
    FixDay = 37,
    Deliver = 38,
    Business = 39,
    StaffPosition = 40,
    FirstAmount = 41, // receipts: 現金 … その他, 但し, 手形No, FirstAmount to LastAmount
    LastAmount = 48,
    DueDate = 49,  // receipts: the bill's due date
    LineDate = 50, // the line items of bills, with Goods to LineRemark
    LineNumber = 51,
    PreviousBilled = 52, // bills: 前回請求額, 入金額, 繰越金額
    Received = 53,
    CarriedOver = 54,
    Billed = 55,
    SlipCount = 56,
    RegistNumber = 57,  // "登録番号 T…" with the company items; nothing while not registered
    FirstRateLine = 58, // amount and tax per rate, one line each, packed from the first
    LastRateLine = 60,  // (printed when the lines mix rates or the company is registered)
    ReducedNote = 61,   // "※は軽減税率対象" when a reduced-rate line is there
    LineTaxMark = 62    // line items: "※" on a reduced-rate line, "非" on one without tax
};
}

// How a position formats its value (DataType).
namespace ValueKind {
enum : int {
    Text = 0,
    Amount = 1,   // "#,#0"
    Yen = 2,      // "\#,#0", drawn with "¥"
    Quantity = 3, // the quantity format of the Zero preference
    YmdDate = 4   // "0/00/00"; a date of 0 prints nothing
};
}

// Where a text sits in its box (Align); any other value continues after the last text.
namespace TextAlign {
enum : int { Left = 0, Right = 1, Centre = 2 };
}

// What a layout line draws (Type); any other value is a circle.
namespace LineShape {
enum : int { Line = 0, Rectangle = 1 };
}

// The print dialog's choices as the settings store them ("S" + type + name): the
// position of the chosen option.
namespace FontChoice { // Font: the body font; titles and fixed texts take the other
enum : int { Mincho = 0, Gothic = 1, Count = 2 };
}
namespace ContactChoice { // Charge: which contact prints under the customer's name
enum : int {
    Contact1 = 0,
    Contact2 = 1,
    None = 2, // and the name takes " 御中" instead of the honorific
    Count = 3
};
}
namespace CopyChoice { // Duplicate: the copy set (控え) of a layout that has one
enum : int {
    WithCopy = 0, // the document, then its copy
    CopyOnly = 1,
    NoCopy = 2,
    Count = 3
};
}
namespace BankChoice { // Bank: the company's bank account printed
enum : int { Bank1 = 0, Bank2 = 1, Count = 2 };
}

// Item codes of the list layouts (一覧位置.ItemNo and the block item lists). Header codes
// print once per block; row codes once per list row, from the row's columns or from what
// the list printing computes for the row.
namespace ListItem {
enum : int {
    Title = 0,       // the layout's name, in the other font
    PrintedAt = 1,   // date and time of the run, when the user asked for it
    Page = 2,        // "p/N", only on a list of more than one page
    CompanyName = 3, // the own company, smaller than the body, when asked for
    Code = 4,        // the row codes, Code to SaleYMD
    Name = 5,
    Kana = 6,
    ZipCode = 7,
    Address1 = 8,
    Address2 = 9,
    Phone = 10,
    Fax = 11,
    Position1 = 12,
    Charge1 = 13,
    Position2 = 14,
    Charge2 = 15,
    BusinessYMD = 16,
    Excise = 17,
    Fraction = 18, // the rounding as a word
    ClosingDay = 19,
    Payment = 20,
    ClassName = 21,
    UserCode = 22, // header: the current customer (one customer's transactions)
    UserName = 23,
    Position = 24, // department; a repeated value prints as a ditto mark
    Unit = 25,
    UnitPrice = 26,
    DocNumber = 27,
    Price = 28,
    Receive = 29,
    Sales = 30,          // a month's sales (staff with sales: the row's PriceTotal)
    Receipts = 31,       // a month's payments
    RunningBalance = 32, // one customer's balance after the row
    CarriedOver = 33,    // balance brought into the month
    Balance = 34,        // balance at the month's end
    Division = 35,       // payment kind; a repeated value prints as a ditto mark
    SaleYMD = 36,
    FirstSubtitle = 37, // header: the list's subtitle, at up to four places
    LastSubtitle = 40
};
}
