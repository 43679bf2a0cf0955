// One full paint of the colour field and of the slider, as every repaint while
// dragging does it, at the size the dialog gives them and at two and four
// times that size on each side.
#include "colourpicker/colormode.h"
#include "colourpicker/gtcolordialog.h"
#include "colourpicker/gtcolorselectorwnd.h"
#include "colourpicker/gtcolorsliderwnd.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

QSize defaultSize(int id)
{
    static const GTColorDialog dialog(0xFF0000);
    return dialog.findChild<QWidget *>(QString::number(id))->size();
}

template <typename Control> void paint(benchmark::State &state, int id, int mode, COLORREF color)
{
    const QSize size = defaultSize(id) * static_cast<int>(state.range(0));
    Control control(id, nullptr);
    control.SetMode(colourpicker::modeMaxOnTop + mode);
    if constexpr (std::is_same_v<Control, GTColorSelectorWnd>)
        control.SetColor(color);
    else
        control.SetParam(0, 700), control.SetParam(1, 900);
    control.resize(size);
    QImage target(size, QImage::Format_RGB32);
    for (auto _ : state) {
        control.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["width"] = size.width();
    state.counters["height"] = size.height();
    state.counters["Mpixel/s"] =
        benchmark::Counter(static_cast<double>(size.width()) * size.height() * 1e-6,
                           benchmark::Counter::kIsIterationInvariantRate);
}

void BM_FieldPaintHueMode(benchmark::State &state)
{
    paint<GTColorSelectorWnd>(state, 1000, colourpicker::modeH, 0x2080FF);
}
void BM_FieldPaintValueMode(benchmark::State &state)
{
    paint<GTColorSelectorWnd>(state, 1000, colourpicker::modeV, 0x2080FF);
}
void BM_FieldPaintRedMode(benchmark::State &state)
{
    paint<GTColorSelectorWnd>(state, 1000, colourpicker::modeR, 0x2080FF);
}
void BM_SliderPaintHueMode(benchmark::State &state)
{
    paint<GTColorSliderWnd>(state, 1001, colourpicker::modeH, 0);
}
void BM_SliderPaintSaturationMode(benchmark::State &state)
{
    paint<GTColorSliderWnd>(state, 1001, colourpicker::modeS, 0);
}

} // namespace

BENCHMARK(BM_FieldPaintHueMode)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FieldPaintValueMode)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FieldPaintRedMode)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SliderPaintHueMode)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SliderPaintSaturationMode)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
