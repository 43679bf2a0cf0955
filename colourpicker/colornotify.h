#pragma once

#include <cstdint>

class QWidget;

// What a control tells its neighbours when it changes. The calls go out at
// once and in a fixed order, so a receiver sees the sender's new state.
struct COLORNOTIFY
{
    QWidget *sender = nullptr;
    int senderId = 0;
    // A colour from the colour field, a slider position from the slider.
    std::uint32_t value = 0;
};
