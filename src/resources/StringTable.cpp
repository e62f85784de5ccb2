#include "resources/StringTable.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace Res {
namespace {

struct Entry {
    int id;
    const char16_t* text;
};

// Kept sorted by id so a lookup is a binary search; the static_assert below
// refuses a build where an entry was inserted out of order or twice.
constexpr Entry kTable[] = {
    // Product title: message-box titles and the main window caption.
    {1, u"Kivora"},

    // Document names, indexed by document type: 101 + type for types 0-3,
    // 105 the receipt, 107/108 the two bills. 101-106 double as the work-bar
    // tool tips, which is why 106 (receivables) sits between the names.
    {101, u"見積書"},
    {102, u"注文書"},
    {103, u"納品書"},
    {104, u"請求書"},
    {105, u"領収証"},
    {106, u"売掛管理"},
    {107, u"明細請求書"},
    {108, u"合計請求書"},

    // Tool tips of the document windows' image bar (save, print, close).
    {151, u"伝票保存"},
    {152, u"伝票印刷"},
    {153, u"終了"},

    // Tool tips of the receivables window's image bar.
    {161, u"入金"},
    {162, u"修正"},
    {163, u"削除"},
    {164, u"印刷"},
    {165, u"終了"},

    // Main window tool-bar captions, button n = 200 + n; they are also the
    // buttons' tool tips. "-" tells the tool-bar builder to put a separator.
    {201, u"-"},
    {202, u"新規顧客"},
    {203, u"保存"},
    {204, u"-"},
    {205, u"顧客検索"},
    {206, u"-"},
    {207, u"先頭顧客"},
    {208, u"前顧客"},
    {209, u"次顧客"},
    {210, u"最後顧客"},
    {211, u"-"},
    {212, u"終了"},

    // Captions of the "copy from" sub-menu, one per source document type 0-3.
    {401, u"見積書から(&E)"},
    {402, u"注文書から(&O)"},
    {403, u"納品書から(&D)"},
    {404, u"請求書から(&B)"},

    // Copy-menu masks, read as 410 + document type: character k + 1 is "1"
    // when item k is shown, so no document offers to copy from its own type.
    // Receipts (type 6) may copy an amount from any of the four.
    {410, u"0111"},
    {411, u"1011"},
    {412, u"1101"},
    {413, u"1110"},
    {416, u"1111"},

    // Payment kinds, read as 500 + the receivables row's division (1-6).
    {501, u"現金"},
    {502, u"小切手"},
    {503, u"振込"},
    {504, u"手形"},
    {505, u"相殺"},
    {506, u"その他"},

    // Button tool tips; 1009 follows the caption of what is searched
    // ("顧客", "商品", ...), hence it starts with the particle.
    {1009, u"を検索します｡"},
    {1018, u"売掛一覧に戻る｡"},
    {1019, u"伝票番号を管理します｡"},

    // Export samples shown on the options window, 2001 + separator index when
    // fields are quoted, 2011 + separator index when not. Separators in order:
    // comma, tab (drawn as "･" because a label cannot show a tab), blank,
    // semicolon.
    {2001, u"\"100\",\"見本太郎\",\"123-4567\""},
    {2002, u"\"100\"･\"見本太郎\"･\"123-4567\""},
    {2003, u"\"100\" \"見本太郎\" \"123-4567\""},
    {2004, u"\"100\";\"見本太郎\";\"123-4567\""},
    {2011, u"100 , 見本太郎 , 123-4567"},
    {2012, u"100 ･ 見本太郎 ･ 123-4567"},
    {2013, u"100 見本太郎 123-4567"},
    {2014, u"100 ; 見本太郎 ; 123-4567"},
};

constexpr bool strictlyAscending() {
    for (std::size_t i = 1; i < std::size(kTable); ++i) {
        if (kTable[i - 1].id >= kTable[i].id)
            return false;
    }
    return true;
}
static_assert(strictlyAscending(), "string table ids must be unique and ascending");

const Entry* find(int id) {
    const auto end = std::end(kTable);
    const auto it = std::lower_bound(std::begin(kTable), end, id,
                                     [](const Entry& e, int key) { return e.id < key; });
    return (it != end && it->id == id) ? it : nullptr;
}

} // namespace

QString text(int id) {
    const Entry* e = find(id);
    // The texts are static literals, so wrap them without copying.
    return e ? QString::fromRawData(
                   reinterpret_cast<const QChar*>(e->text),
                   static_cast<qsizetype>(std::char_traits<char16_t>::length(e->text)))
             : QString();
}

bool has(int id) {
    return find(id) != nullptr;
}

} // namespace Res
