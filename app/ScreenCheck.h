#pragma once

class QScreen;
class UserMessages;

// The window is laid out in twips at 15 per logical pixel: it runs only where the screen works at
// 96 logical DPI. High-density screens qualify (Qt maps them to 96 logical DPI with a device
// pixel ratio); a screen whose logical density differs does not.
class ScreenCheck
{
public:
    static constexpr double RequiredDpi = 96;

    static bool isUsable(const QScreen& screen);
    // Says "DPI<>96!" and returns false when the screen is not usable.
    static bool confirm(const QScreen& screen, UserMessages& messages);
};
