#pragma once

#include <QString>

#include <array>

namespace gibbetry {

// Colours as 24-bit RGB in one integer, red in the low byte; defaultText is the window
// system's own text colour.
using Rgb = int;
namespace colour {
inline constexpr Rgb defaultText = -1;
inline constexpr Rgb black = 0;
inline constexpr Rgb red = 255;
inline constexpr Rgb green = 65280;
inline constexpr Rgb blue = 16711680;
} // namespace colour

// The named elements of the main window. The tile and slot arrays are indexed from 0, the
// numbered elements by their own number (draw1 is index 1), a single element by 0.
enum class Element {
    lblLetters,  // 26 letter tiles
    lblWord,     // 23 word slots
    draw,        // draw1 to draw19, indexed 1 to 19
    lblGameOver,
    shapeGuess,
    lblG,        // lblG1 to lblG3, indexed 1 to 3
    lblGG,       // lblGG1 to lblGG3, indexed 1 to 3
    status,      // status1 to status4, indexed 1 to 4
    lblHint,
};

struct ElementId {
    Element element;
    int index = 0;
    friend bool operator==(const ElementId &, const ElementId &) = default;
};

// Caption, visibility and text colour are the only properties that change while the game runs.
struct ElementState {
    QString caption;
    bool visible = true;
    Rgb colour = colour::defaultText;
};

class BoardObserver {
public:
    virtual ~BoardObserver() = default;
    virtual void elementChanged(ElementId id, const ElementState &state) = 0;
    // Whether `caption` can be shown in the element at a legible size; without a view, it can.
    virtual bool fitsLegibly(ElementId id, const QString &caption) const
    {
        Q_UNUSED(id);
        Q_UNUSED(caption);
        return true;
    }
};

// The board model: every element of the main window, as it is when the window opens.
class Board {
public:
    static constexpr int letterCount = 26;
    static constexpr int slotCount = 23;
    static constexpr int figurePartCount = 19;

    Board();

    const ElementState &operator[](ElementId id) const { return states_[slot(id)]; }
    const QString &caption(ElementId id) const { return (*this)[id].caption; }
    bool isVisible(ElementId id) const { return (*this)[id].visible; }
    Rgb colour(ElementId id) const { return (*this)[id].colour; }

    void setCaption(ElementId id, const QString &caption);
    void setVisible(ElementId id, bool visible);
    void setColour(ElementId id, Rgb colour);

    // Whether the view can show `caption` in the element legibly (true without a view).
    bool fitsLegibly(ElementId id, const QString &caption) const
    {
        return !observer_ || observer_->fitsLegibly(id, caption);
    }

    // The view that mirrors the board; told of every change as it happens.
    void setObserver(BoardObserver *observer) { observer_ = observer; }

private:
    static constexpr int total = letterCount + slotCount + figurePartCount + 1 + 1 + 3 + 3 + 4 + 1;
    static int slot(ElementId id);
    // Changes one property and tells the observer, only when the value differs.
    template <typename T>
    void set(ElementId id, T ElementState::*property, const T &value);
    void changed(ElementId id);

    std::array<ElementState, total> states_;
    BoardObserver *observer_ = nullptr;
};

} // namespace gibbetry
