#include "customers/NameReading.h"

#include <array>

namespace {

constexpr char16_t FirstKatakana = u'ァ'; // U+30A1
constexpr char16_t LastKatakana = u'ー';  // U+30FC

// Half-width forms of U+30A1..U+30FC, in code order. Letters the half-width set lacks
// fall back to their nearest sound (ヮ -> ﾜ, ヰ -> ｲ, ヵ -> ｶ), as a typed reading would.
const std::array<const char16_t*, LastKatakana - FirstKatakana + 1> HalfWidth = {
    u"ｧ",  u"ｱ",  u"ｨ", u"ｲ",  u"ｩ",  u"ｳ",  u"ｪ",  u"ｴ",  u"ｫ",  u"ｵ",  // ァ..オ
    u"ｶ",  u"ｶﾞ", u"ｷ", u"ｷﾞ", u"ｸ",  u"ｸﾞ", u"ｹ",  u"ｹﾞ", u"ｺ",  u"ｺﾞ", // カ..ゴ
    u"ｻ",  u"ｻﾞ", u"ｼ", u"ｼﾞ", u"ｽ",  u"ｽﾞ", u"ｾ",  u"ｾﾞ", u"ｿ",  u"ｿﾞ", // サ..ゾ
    u"ﾀ",  u"ﾀﾞ", u"ﾁ", u"ﾁﾞ", u"ｯ",  u"ﾂ",  u"ﾂﾞ", u"ﾃ",  u"ﾃﾞ", u"ﾄ",  // タ..ト
    u"ﾄﾞ", u"ﾅ",  u"ﾆ", u"ﾇ",  u"ﾈ",  u"ﾉ",  u"ﾊ",  u"ﾊﾞ", u"ﾊﾟ", u"ﾋ",  // ド..ヒ
    u"ﾋﾞ", u"ﾋﾟ", u"ﾌ", u"ﾌﾞ", u"ﾌﾟ", u"ﾍ",  u"ﾍﾞ", u"ﾍﾟ", u"ﾎ",  u"ﾎﾞ", // ビ..ボ
    u"ﾎﾟ", u"ﾏ",  u"ﾐ", u"ﾑ",  u"ﾒ",  u"ﾓ",  u"ｬ",  u"ﾔ",  u"ｭ",  u"ﾕ",  // ポ..ユ
    u"ｮ",  u"ﾖ",  u"ﾗ", u"ﾘ",  u"ﾙ",  u"ﾚ",  u"ﾛ",  u"ﾜ",  u"ﾜ",  u"ｲ",  // ョ..ヰ
    u"ｴ",  u"ｦ",  u"ﾝ", u"ｳﾞ", u"ｶ",  u"ｹ",  u"ﾜﾞ", u"ｲﾞ", u"ｴﾞ", u"ｦﾞ", // ヱ..ヺ
    u"･",  u"ｰ",                                                         // ・ ー
};

bool isHiragana(char16_t c) {
    return c >= u'ぁ' && c <= u'ゖ';
}
bool isKatakana(char16_t c) {
    return c >= FirstKatakana && c <= LastKatakana;
}
bool isHalfWidthKana(char16_t c) {
    return c >= u'｡' && c <= u'ﾟ';
}
bool isKanaMark(char16_t c) {
    switch (c) {
    case u'゛':
    case u'゜':
    case u'ゝ':
    case u'ゞ':
    case u'ヽ':
    case u'ヾ':
    case u'、':
    case u'。':
    case u'「':
    case u'」':
        return true;
    default:
        return false;
    }
}

QString withoutBlanks(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (!c.isSpace())
            out += c;
    return out;
}

} // namespace

bool NameReading::IsKana(const QString& text) {
    bool anyKana = false;
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (isHiragana(c) || isKatakana(c) || isHalfWidthKana(c) || isKanaMark(c))
            anyKana = true;
        else if (!qc.isSpace())
            return false;
    }
    return anyKana;
}

QString NameReading::ToHalfWidthKatakana(const QString& kana) {
    QString out;
    out.reserve(kana.size() * 2);
    for (const QChar qc : kana) {
        char16_t c = qc.unicode();
        if (isHiragana(c))
            c = static_cast<char16_t>(c + (u'ア' - u'あ'));
        if (isKatakana(c)) {
            out += QString::fromUtf16(HalfWidth[c - FirstKatakana]);
            continue;
        }
        switch (c) {
        case u'゛':
            out += u'ﾞ';
            break;
        case u'゜':
            out += u'ﾟ';
            break;
        case u'、':
            out += u'､';
            break;
        case u'。':
            out += u'｡';
            break;
        case u'「':
            out += u'｢';
            break;
        case u'」':
            out += u'｣';
            break;
        default:
            out += qc;
            break;
        }
    }
    return out;
}

void NameReading::start() {
    m_captured.clear();
    m_kept.clear();
    m_preeditEmpty = true;
}

void NameReading::preedit(const QString& preeditText) {
    if (preeditText.isEmpty()) {
        m_preeditEmpty = true;
        return;
    }
    // A composition starts from nothing; whatever was kept belonged to a word that was
    // taken back (Escape) or already committed.
    if (m_preeditEmpty)
        m_kept.clear();
    m_preeditEmpty = false;

    // The input method shows a trailing "n" as a Latin letter until it knows whether
    // another letter follows; on conversion it becomes "ん".
    QString text = preeditText;
    if (text.endsWith(u'ｎ') || text.endsWith(u'n'))
        text.replace(text.size() - 1, 1, QStringLiteral("ん"));
    // During conversion the pre-edit shows the kanji: the kana seen before stay the reading.
    if (IsKana(text))
        m_kept = text;
}

void NameReading::commit(const QString& commitText) {
    if (!m_kept.isEmpty())
        append(m_kept);
    else if (IsKana(commitText))
        append(commitText); // kana typed without a conversion, or a kana-only word
    // Latin letters, digits or symbols committed directly have no reading.
    m_kept.clear();
    m_preeditEmpty = true;
}

void NameReading::append(const QString& kana) {
    m_captured += withoutBlanks(ToHalfWidthKatakana(kana));
}
