#pragma once

#include <array>
#include <cstdint>

namespace colourpicker {

// The slider beside the colour field: a value along the bar, top = minimum,
// and the two components the field holds, which shape the bar's gradient.
// With the flag 0x80 on the mode the largest component sits at the top, so the
// value is the maximum minus the component.
class SliderModel
{
public:
    // Style bits of the slider: gradient drawn from the bottom, arrows on both
    // sides, vertical.
    static constexpr std::uint32_t styleGradientFromBottom = 0x4000;
    static constexpr std::uint32_t styleHorizontal = 0x8000;
    static constexpr std::uint32_t styleCreated = 0x50017280;

    // A mode above 5 (flag masked off) is ignored. Sets range and steps, puts
    // the value at the component 0 and clears both gradient components.
    bool setMode(int mode);
    // Moves to a component value; false when the stored value stays.
    bool setValue(int z);
    // Index 0 or 1; a negative value is ignored. False when nothing changed.
    bool setParam(int index, int value);

    // Tracks the pointer: y is clamped to the bar (top and bottom rows given,
    // inclusive) and the value rounded to the nearest step of one.
    bool moveToY(int y, int barTop, int barBottom);
    // Page Up/Down by a page step, Home/End to minimum/maximum, Left/Up and
    // Right/Down by a small step. False when the key is not one of these or the
    // value stays.
    bool moveByKey(int key);
    // The row the arrows point at.
    [[nodiscard]] int arrowY(int barTop, int barBottom) const;
    // Whether the gradient is turned around so that the component's minimum
    // is drawn at the top, where the value's minimum lies without the flag.
    [[nodiscard]] bool gradientReversed() const;

    // The component for a slider value.
    [[nodiscard]] int componentOf(int value) const;
    [[nodiscard]] int component() const { return componentOf(m_value); }

    [[nodiscard]] int mode() const { return m_mode; }
    [[nodiscard]] int minimum() const { return m_minimum; }
    [[nodiscard]] int maximum() const { return m_maximum; }
    [[nodiscard]] int value() const { return m_value; }
    [[nodiscard]] int smallStep() const { return m_smallStep; }
    [[nodiscard]] int pageStep() const { return m_pageStep; }
    [[nodiscard]] int param(int index) const
    {
        return m_params.at(static_cast<std::size_t>(index));
    }

private:
    bool moveTo(int value);
    [[nodiscard]] bool maxOnTop() const;

    int m_mode = 1;
    int m_minimum = 0;
    int m_maximum = 255;
    int m_value = 0;
    int m_smallStep = 1;
    int m_pageStep = 10;
    std::array<int, 2> m_params{};
};

} // namespace colourpicker
