#pragma once
#include <QFont>
#include <QImage>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;
class QPicture;

// One page of the printer canvas, kept as the painter calls that draw it, in page units
// (PrintFont). Keeping the calls rather than a QPicture keeps recording down to storing a
// few values per text and playing back down to the same calls a painter drawing straight
// onto the paper would make: a QPicture stores the whole font with every text and, played
// back, resolves that font again and lays the text out as a formatted paragraph, which
// costs more than drawing the text did.
//
// Fonts and pens are kept once per page and set on the painter only when they change
// from one step to the next.
//
// Texts are drawn with a smaller copy of their font under a painter scaled up by the same
// factor: page units make a 10.5-point font about a thousand pixels tall, and at such
// sizes the font engine caches nothing and lays out every text at twice the cost. The
// fonts have no hinting, so the smaller copy has exactly the scaled advances and the
// text lands where the canvas measured it.
class RecordedPage {
public:
    // A text with its baseline starting at `origin`.
    void addText(const QPointF& origin, const QString& text, const QFont& font);
    // A text turned a quarter anticlockwise about `centre`, its baseline starting at
    // `origin` relative to that centre before the turn (a character of vertical writing).
    void addTurnedText(const QPointF& centre, const QPointF& origin, const QString& text,
                       const QFont& font);
    void addLine(const QPointF& from, const QPointF& to, const QPen& pen);
    void addRect(const QRectF& rect, const QPen& pen);
    void addEllipse(const QRectF& rect, const QPen& pen);
    void addImage(const QRectF& rect, const QImage& image);

    bool isEmpty() const { return m_steps.isEmpty(); }
    qsizetype stepCount() const { return m_steps.size(); }

    // Draws the page with `painter`, whose coordinates are page units; the painter's
    // state is as before afterwards.
    void play(QPainter& painter) const;
    // The page as a picture in page units.
    QPicture picture() const;

private:
    enum class Kind : quint8 { Text, TurnedText, Line, Rect, Ellipse, Image };
    struct Step {
        Kind kind;
        int style; // index of the font (texts) or pen (shapes); -1 for an image
        QPointF a, b;
        QString text;
        QImage image;
    };
    int fontIndex(const QFont& font);
    int penIndex(const QPen& pen);

    // A font as the canvas gave it, and the copy and scale it is drawn with.
    struct DrawingFont {
        QFont font;
        QFont drawn;
        double scale;
    };

    QList<Step> m_steps;
    QList<DrawingFont> m_fonts;
    QList<QPen> m_pens;
};
