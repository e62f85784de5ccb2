#pragma once
#include <QString>

// The reading of a name typed through the input method, gathered while the name field
// has the focus. The input method hands us no reading of its own: we see the kana of
// the pre-edit while a word is typed, then the kanji once it is converted, then the
// commit. So the last all-kana pre-edit of each composition is the word's reading, and
// it is appended, as half-width katakana, when the composition is committed.
class NameReading {
public:
    // The name field got the focus: forget everything captured so far.
    void start();
    // An input-method event with this pre-edit text (empty when nothing is composed).
    void preedit(const QString& preeditText);
    // An input-method event that commits text into the field.
    void commit(const QString& commitText);
    // The reading captured since start(), half-width katakana without blanks.
    QString captured() const { return m_captured; }

    // True when `text` holds at least one kana and nothing but kana, the kana marks and
    // punctuation, and blanks (hiragana, full- and half-width katakana).
    static bool IsKana(const QString& text);
    // Hiragana and full-width katakana to half-width katakana, voiced marks split off
    // (ダ -> ﾀﾞ); anything else is kept as it is.
    static QString ToHalfWidthKatakana(const QString& kana);

private:
    void append(const QString& kana);

    QString m_captured;
    QString m_kept;             // reading of the composition under way
    bool m_preeditEmpty = true; // the previous pre-edit was empty
};
