#pragma once

#include <QColor>
#include <QLabel>

class QPainter;

namespace gibbetry {

// A label that paints its ground, its text and its optional single border in colours of its own,
// whatever the palette or a style sheet says, so that its colours read on every desktop theme.
// The border is one device pixel wide at every scale factor, and labels whose outer edges meet
// or overlap by a pixel share one line.
class PaintedLabel : public QLabel {
    Q_OBJECT
public:
    PaintedLabel(QWidget *parent, bool bordered);

    void setColours(const QColor &ground, const QColor &text, const QColor &border = Qt::black);
    QColor groundColour() const { return ground_; }
    QColor textColour() const { return text_; }
    bool isBordered() const { return bordered_; }
    // A text wider than the label is drawn in a smaller size of the same font until it fits, on
    // one line or broken at its spaces into lines the label holds, never below
    // minimumLegiblePoints.
    void setShrinkToFit(bool shrink) { shrinkToFit_ = shrink; }
    QFont drawnFont() const;
    // Whether the text is drawn on more than one line.
    bool isWrapped() const;
    // Whether `text` fits the label in a legible size of its font.
    bool fitsLegibly(const QString &text) const;
    // A diagonal stroke through the text, in the text's colour: a second cue besides colour.
    void setStruckThrough(bool struck);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The size and line breaking the text is drawn with, worked out once for each text, font and
    // box: painting asks for it every time.
    struct Fit {
        bool known = false;
        QString text;
        QFont font;
        QRect room;
        bool shrink = false;
        QFont drawn;
        bool wrapped = false;
    };
    const Fit &fit() const;

    mutable Fit fit_;
    bool bordered_;
    bool shrinkToFit_ = false;
    bool struck_ = false;
    QColor ground_{0xEF, 0xEF, 0xEF};
    QColor text_{Qt::black};
    QColor border_{Qt::black};
};

// Draws a one-device-pixel outline on the outer edge of `widget`, whose painter is `painter`:
// the edges are rounded to device pixels the same way for every widget, so neighbours agree.
void paintDeviceOutline(QPainter &painter, const QWidget &widget, const QColor &colour);

} // namespace gibbetry
