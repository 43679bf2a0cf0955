#include "font.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace graphics {

Font::Font(const LogFont &logFont) : m_logFont(logFont)
{
    m_font.setFamily(logFont.faceName.isEmpty() ? QStringLiteral("Arial") : logFont.faceName);
    m_font.setPixelSize(referencePixelSize);
    const int weight = logFont.weight <= 0 ? 400 : std::clamp(logFont.weight, 1, 1000);
    m_font.setWeight(static_cast<QFont::Weight>(weight));
    m_font.setItalic(logFont.italic != 0);
    m_font.setUnderline(logFont.underline != 0);
    m_font.setStrikeOut(logFont.strikeOut != 0);
    // Outlines at their design shape: measures stay the same at every size.
    m_font.setHintingPreference(QFont::PreferNoHinting);

    const QFontMetricsF metrics(m_font);
    m_ascent = metrics.ascent();
    m_lineSpacing = metrics.lineSpacing();
    double em = 12.0;
    if (logFont.height < 0) {
        em = -static_cast<double>(logFont.height);
    } else if (logFont.height > 0) {
        const double cell = metrics.ascent() + metrics.descent();
        em = cell > 0 ? logFont.height * referencePixelSize / cell : logFont.height;
    }
    m_scale = em / referencePixelSize;
}

} // namespace graphics
