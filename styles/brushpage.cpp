#include "brushpage.h"

#include "model/brushstyle.h"

#include <QCoreApplication>

#include <cmath>

namespace styles {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("styles::BrushPage", text);
}

} // namespace

int alphaOf(quint32 argb)
{
    return static_cast<int>(argb >> 24);
}

QRgb rgbOf(quint32 argb)
{
    return argb & 0x00FFFFFFu;
}

quint32 joinAlpha(int alpha, QRgb rgb)
{
    return (static_cast<quint32>(alpha & 0xFF) << 24) | (rgb & 0x00FFFFFFu);
}

BrushPageValues brushPageValues(const BrushStyle &style)
{
    BrushPageValues v;
    v.fillKind = style.fillKind;
    v.solidRgb = rgbOf(style.solidColor);
    v.solidAlpha = alphaOf(style.solidColor);
    v.startRgb = rgbOf(style.color1);
    v.startAlpha = alphaOf(style.color1);
    v.endRgb = rgbOf(style.color2);
    v.endAlpha = alphaOf(style.color2);
    v.gradientMode = style.gradientMode;
    v.texturePath = style.texturePath;
    v.angleDeg = std::isfinite(style.textureAngle) ? static_cast<int>(style.textureAngle) : 0;
    // A hair over the stored fraction, so that 0.29f shows as 29 and not 28
    // and a scale does not shrink each time the page is opened.
    const double percent = static_cast<double>(style.textureScale) * 100.0 + 1e-4;
    v.scalePercent = std::isfinite(percent) ? static_cast<int>(percent) : 0;
    return v;
}

BrushPageControls enabledControls(int fillKind)
{
    switch (fillKind) {
    case BrushStyle::fillSolid:
        return {true, false, false};
    case BrushStyle::fillGradient:
        return {false, true, false};
    case BrushStyle::fillTexture:
        return {false, false, true};
    default:
        return {};
    }
}

std::optional<QString> validateBrushPage(const BrushPageValues &values)
{
    if (values.angleDeg < minAngleDeg || values.angleDeg > maxAngleDeg)
        return tr("Immettere un numero intero compreso tra 0 e 360.");
    if (values.scalePercent < minScalePercent || values.scalePercent > maxScalePercent)
        return tr("Immettere un numero intero compreso tra 1 e 500.");
    return std::nullopt;
}

void afterTextureBrowse(BrushPageValues &values, bool confirmed, const QString &chosenPath,
                        const YesNoQuestion &ask)
{
    if (!confirmed)
        return;
    if (!chosenPath.isEmpty()) {
        values.texturePath = chosenPath;
        return;
    }
    if (ask(tr("Non hai selezionato nessuna texture (o motivo di riempimento). Desideri "
               "applicare uno sfondo trasparente all'oggetto selezionato?\n\nPremi Sì per "
               "rendere trasparente l'oggetto oppure No per lasciarlo immutato.")))
        values.fillKind = BrushStyle::fillNone;
}

void beforeLeaving(BrushPageValues &values, int kindOnEntry, const YesNoQuestion &ask)
{
    if (values.fillKind != BrushStyle::fillTexture || !values.texturePath.isEmpty())
        return;
    if (ask(tr("Non hai selezionato nessuna texture (o motivo di riempimento) per l'oggetto. "
               "Per applicare una texture occorre anche specificare un'immagine. Desideri "
               "applicare uno sfondo trasparente all'oggetto selezionato?\n\nPremi Sì per "
               "rendere trasparente l'oggetto oppure No per lasciarlo immutato.")))
        values.fillKind = BrushStyle::fillNone;
    else
        values.fillKind = kindOnEntry;
}

std::optional<QString> storeBrushPage(const BrushPageValues &values, BrushStyle &style)
{
    if (auto why = validateBrushPage(values))
        return why;
    style.solidColor = joinAlpha(values.solidAlpha, values.solidRgb);
    style.color1 = joinAlpha(values.startAlpha, values.startRgb);
    style.color2 = joinAlpha(values.endAlpha, values.endRgb);
    style.gradientMode = values.gradientMode;
    style.texturePath = values.texturePath;
    style.textureAngle = static_cast<float>(values.angleDeg);
    style.textureScale = static_cast<float>(values.scalePercent * 0.01);
    style.fillKind = values.fillKind;
    return std::nullopt;
}

} // namespace styles
