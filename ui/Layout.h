#pragma once

#include <QRect>

// The window is laid out in twips, 15 to the pixel at 96 dpi; Qt scales the pixels
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

inline constexpr Twips mainClient{0, 0, 7575, 5055};
inline constexpr Twips cmdCSS1{240, 240, 855, 255};
inline constexpr Twips cmdCSS2{1320, 240, 855, 255};
inline constexpr Twips lblPopisek{240, 2520, 855, 255};
inline constexpr Twips cmbSelektor{240, 2760, 1935, 345};
inline constexpr Twips chkStyl{240, 3240, 1935, 495};
inline constexpr Twips vscVlastnost{7200, 120, 255, 3615};
inline constexpr Twips rtbStyl{120, 3840, 5775, 1095};
inline constexpr Twips cmdReset{6000, 3840, 1455, 495};
inline constexpr Twips cmdCopy{6000, 4440, 1455, 495};

// Rows 1 to 10, one 360-twip step apart.
[[nodiscard]] constexpr Twips chkPopisek(int row)
{
    return {2400, 120 + 360 * (row - 1), 2295, 375};
}
[[nodiscard]] constexpr Twips cmbHodnota(int row)
{
    return {4680, 120 + 360 * (row - 1), 2415, 345};
}

inline constexpr Twips aboutClient{0, 0, 3735, 1935};
inline constexpr Twips imgInfo{120, 120, 3525, 1725};

} // namespace layout
