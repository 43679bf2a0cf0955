#include "labelstyle.h"

#include "platform/codepage.h"

#include <algorithm>
#include <cstring>

QString LogFont::face() const
{
    const auto end = std::find(faceName.begin(), faceName.end(), '\0');
    return platform::codepage::decode(
        std::string_view(faceName.data(), static_cast<size_t>(end - faceName.begin())));
}

void LogFont::setFace(const QString &name)
{
    faceName.fill('\0');
    const std::string bytes = platform::codepage::encodeStd(name);
    const size_t n = std::min(bytes.size(), static_cast<size_t>(faceSize - 1));
    std::memcpy(faceName.data(), bytes.data(), n);
}

namespace {

// Built once: every drawing object has captions, and a plan has thousands.
LogFont defaultCaptionFont()
{
    LogFont font;
    font.height = 5 * LabelStyle::screenPixelsPerInch / 72;
    font.weight = 400;
    font.pitchAndFamily = 0x30;
    font.setFace(QStringLiteral("Arial"));
    return font;
}

} // namespace

LabelStyle::LabelStyle()
{
    static const LogFont defaultFont = defaultCaptionFont();
    font = defaultFont;
}
