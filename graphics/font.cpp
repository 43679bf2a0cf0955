#include "font.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace graphics {

namespace {

std::shared_ptr<const Font::Data> makeData(const LogFont &logFont)
{
    auto data = std::make_shared<Font::Data>();
    data->logFont = logFont;
    QFont &font = data->font;
    font.setFamily(logFont.faceName.isEmpty() ? QStringLiteral("Arial") : logFont.faceName);
    font.setPixelSize(Font::referencePixelSize);
    const int weight = logFont.weight <= 0 ? 400 : std::clamp(logFont.weight, 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(logFont.italic != 0);
    font.setUnderline(logFont.underline != 0);
    font.setStrikeOut(logFont.strikeOut != 0);
    // Outlines at their design shape: measures stay the same at every size.
    font.setHintingPreference(QFont::PreferNoHinting);

    const QFontMetricsF metrics(font);
    data->ascent = metrics.ascent();
    data->lineSpacing = metrics.lineSpacing();
    double em = 12.0;
    if (logFont.height < 0) {
        em = -static_cast<double>(logFont.height);
    } else if (logFont.height > 0) {
        const double cell = metrics.ascent() + metrics.descent();
        em = cell > 0 ? logFont.height * Font::referencePixelSize / cell : logFont.height;
    }
    // A damaged plan may ask for any height; a hundred metres is plenty.
    data->scale = std::min(em, Font::maxEmHeight) / Font::referencePixelSize;
    return data;
}

} // namespace

Font::Font(const LogFont &logFont)
{
    // Plans use a handful of fonts; a drawing makes them thousands of times.
    // Kept for the life of the process: fonts must not outlive the font
    // database at exit.
    static auto *cache = new std::vector<std::shared_ptr<const Data>>;
    const auto it = std::find_if(cache->begin(), cache->end(),
                                 [&](const auto &d) { return d->logFont == logFont; });
    if (it != cache->end()) {
        m_data = *it;
        return;
    }
    if (cache->size() >= 64)
        cache->erase(cache->begin());
    m_data = makeData(logFont);
    cache->push_back(m_data);
}

} // namespace graphics
