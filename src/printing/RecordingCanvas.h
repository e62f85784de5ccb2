#pragma once
#include "printing/Canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QSize>
#include <optional>

// One drawing operation as the recording canvas saw it, in millimetres.
struct RecordedOp {
    enum Kind { Text, Line, Rect, Circle, Picture };
    Kind kind = Text;
    int page = 0;     // 0-based page of the job
    int sequence = 0; // order of the operation within the job
    // Text and picture: top-left corner; line and rectangle: first point; circle: centre.
    double x = 0, y = 0;
    // Line and rectangle: second point.
    double x2 = 0, y2 = 0;
    double radius = 0;
    // Text: its extent in the font it was drawn in; picture: the size it was stretched to.
    double width = 0, height = 0;
    QString text;
    QString fontName;
    double fontSize = 0;
    quint32 color = 0;
    int penWidth = 1;
    int penStyle = 0;
    QSize pictureSize; // pixels of the picture as handed over

    double right() const { return x + width; }
};

// A canvas that draws nothing and remembers everything, so that tests can ask where a
// value went, in which font, on which page. Text extents are those of the real fonts
// (PrintFont), so positions computed from textWidth() agree with what paper shows.
class RecordingCanvas : public Canvas {
public:
    RecordingCanvas();

    // What paperSize() reports (A4 unless a test wants otherwise).
    void setPaperSize(QPageSize::PageSizeId id) { m_paper = id; }
    // What endJob() answers, to play a printer that refuses the job.
    void setEndResult(bool ok) { m_endResult = ok; }

    QPageSize::PageSizeId paperSize() const override { return m_paper; }
    int orientation() const override { return m_orientation; }
    void setOrientation(int orientation) override { m_orientation = orientation; }
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    QString fontName() const override { return m_fontName; }
    double fontSize() const override { return m_fontSize; }
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;
    void drawText(double x, double y, const QString& text) override;
    void setPen(int widthDots, int style) override;
    void drawLine(double x1, double y1, double x2, double y2, quint32 color) override;
    void drawRect(double x1, double y1, double x2, double y2, quint32 color) override;
    void drawCircle(double cx, double cy, double radius, quint32 color) override;
    void drawPicture(double x, double y, double width, double height,
                     const QImage& picture) override;
    void newPage() override;
    bool endJob() override;
    void discardJob() override;

    // The pages of the job so far: a page exists once something was drawn on it or a new
    // page was started after it. A discarded job has none.
    const QList<QList<RecordedOp>>& pages() const { return m_pages; }
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    // Every operation of the job in drawing order.
    QList<RecordedOp> operations() const;
    // The operations of one kind on a page (-1: on every page).
    QList<RecordedOp> ops(RecordedOp::Kind kind, int page = -1) const;
    QList<RecordedOp> texts(int page = -1) const { return ops(RecordedOp::Text, page); }
    // The drawn strings of a page, in drawing order.
    QStringList textStrings(int page = -1) const;
    // The first text equal to `text` (on `page`, or anywhere for -1).
    std::optional<RecordedOp> findText(const QString& text, int page = -1) const;
    // Every text equal to `text`, on every page.
    QList<RecordedOp> findTexts(const QString& text) const;

    int endCount() const { return m_endCount; }
    int discardCount() const { return m_discardCount; }
    // True once the job was ended and not discarded since.
    bool ended() const { return m_endCount > 0 && !m_discarded; }
    bool discarded() const { return m_discarded; }

private:
    RecordedOp& record(RecordedOp::Kind kind);
    void updateFont();

    QList<QList<RecordedOp>> m_pages;
    QPageSize::PageSizeId m_paper = QPageSize::A4;
    int m_orientation = PageOrientation::Portrait;
    QString m_fontName;
    double m_fontSize = 10;
    QFont m_font;
    QFontMetricsF m_metrics;
    int m_penWidth = 1;
    int m_penStyle = 0;
    int m_sequence = 0;
    int m_endCount = 0;
    int m_discardCount = 0;
    bool m_discarded = false;
    bool m_endResult = true;
};
