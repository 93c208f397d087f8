#pragma once

#include <QRect>

// The windows are laid out in twips, 15 to the pixel at 96 dpi; Qt scales the pixels
// on high-density screens.
namespace layout {

struct Twips {
    int left;
    int top;
    int width;
    int height;
    [[nodiscard]] constexpr QRect pixels() const
    {
        return {left / 15, top / 15, width / 15, height / 15};
    }
};

// What a control of a resizable window does with the room beyond the designed size: the
// value boxes and the rule pane take the extra width, the pane the extra height too, and
// what stands right of them moves with them. Everything else keeps its designed place.
enum class Stretch { None, MovesRight, Widens, Grows };

[[nodiscard]] constexpr QRect placed(const Twips &at, Stretch stretch, QSize extra)
{
    QRect shown = at.pixels();
    if (stretch == Stretch::MovesRight)
        shown.translate(extra.width(), 0);
    else if (stretch != Stretch::None)
        shown.setWidth(shown.width() + extra.width());
    if (stretch == Stretch::Grows)
        shown.setHeight(shown.height() + extra.height());
    return shown;
}

inline constexpr Twips mainClient{0, 0, 7575, 5055};
inline constexpr Twips css1Button{240, 240, 855, 255};
inline constexpr Twips css2Button{1320, 240, 855, 255};
// The note on the last read of the pane, in the free space of the left column.
inline constexpr Twips note{240, 600, 1935, 1860};
inline constexpr Twips selectorLabel{240, 2520, 855, 255};
inline constexpr Twips selectorBox{240, 2760, 1935, 345};
inline constexpr Twips onlyChangedCheck{240, 3240, 1935, 495};
inline constexpr Twips rowScrollBar{7200, 120, 255, 3615};
inline constexpr Twips rulePane{120, 3840, 5775, 1095};
inline constexpr Twips resetButton{6000, 3840, 1455, 495};
inline constexpr Twips copyButton{6000, 4440, 1455, 495};

// Rows 0 to 9, one 360-twip step apart.
[[nodiscard]] constexpr Twips rowCheck(int row)
{
    return {2400, 120 + 360 * row, 2295, 375};
}
[[nodiscard]] constexpr Twips valueBox(int row)
{
    return {4680, 120 + 360 * row, 2415, 345};
}

inline constexpr Twips aboutClient{0, 0, 3735, 1935};
inline constexpr Twips aboutPicture{120, 120, 3525, 1725};

} // namespace layout
