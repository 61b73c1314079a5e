#pragma once

#include <QRect>

namespace veltrano {

// Window coordinates are kept in twips, as the layouts were drawn; Qt works
// in logical pixels (15 twips each) and scales those for the screen itself.
constexpr int twipsToPixels(int twips)
{
    return (twips + 7) / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace veltrano
