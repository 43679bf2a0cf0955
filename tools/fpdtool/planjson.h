#pragma once

#include <QJsonObject>
#include <QString>

class CDomoraDoc;

// The plan as JSON for people who script plans: {"document": {...},
// "summary": {...}}. Field names are those of the drawing model in
// lowerCamelCase, colours are integers (ARGB, the paper a COLORREF), each
// object of the list is one entry in list order with its "class". Values
// that are never stored (highlights, cached bounds, the gap colour) are left
// out.
namespace fpdtool {

[[nodiscard]] QJsonObject planToJson(const CDomoraDoc &doc);

// Fills an empty document from such JSON; fields left out keep the values a
// newly read object has. Returns false with the reason in `error`.
[[nodiscard]] bool planFromJson(const QJsonObject &json, CDomoraDoc &doc, QString &error);

} // namespace fpdtool
