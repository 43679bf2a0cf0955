#include "tools/fpdtool/planjson.h"

#include "model/cdomoradoc.h"
#include "model/cdrawimage.h"
#include "model/cdrawitem.h"
#include "model/cdrawoleobj.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawpoly.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"
#include "model/classregistry.h"
#include "model/coordinates.h"
#include "model/persistent.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <charconv>
#include <cmath>
#include <limits>

using geokit::PointF;
using geokit::Rect;

namespace fpdtool {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("fpdtool", text);
}

// A float written with the fewest digits that read back to the same float.
QJsonValue floatValue(float f)
{
    if (!std::isfinite(f))
        return QJsonValue(static_cast<double>(f)); // JSON has no such numbers: null
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, f);
    return QJsonValue(std::strtod(std::string(buffer, result.ptr).c_str(), nullptr));
}

// --------------------------------------------------------------- to JSON

QJsonObject toJson(const BrushStyle &b)
{
    return {{"solidColor", double(b.solidColor)},
            {"color1", double(b.color1)},
            {"color2", double(b.color2)},
            {"fillKind", b.fillKind},
            {"gradientMode", b.gradientMode},
            {"hatchStyle", b.hatchStyle},
            {"texturePath", b.texturePath},
            {"textureAngle", floatValue(b.textureAngle)},
            {"textureScale", floatValue(b.textureScale)}};
}

QJsonObject toJson(const Opening &o)
{
    return {{"offset", o.offset},
            {"size", o.size},
            {"reserved", o.reserved},
            {"angle", o.angle},
            {"flipped", o.flipped},
            {"type", o.type},
            {"strokeColor", double(o.strokeColor)},
            {"arcColor", double(o.arcColor)},
            {"strokeDash", o.strokeDash},
            {"arcDash", o.arcDash},
            {"arcKind", o.arcKind},
            {"opensInwards", o.opensInwards}};
}

QJsonObject toJson(const SegmentStyle &s)
{
    QJsonArray openings;
    for (const Opening &o : s.openings)
        openings.append(toJson(o));
    return {{"enabled", s.enabled},
            {"width", floatValue(s.width)},
            {"brush", toJson(s.brush)},
            {"description", s.description},
            {"openings", openings}};
}

QJsonObject toJson(const LogFont &f)
{
    return {{"height", f.height},
            {"width", f.width},
            {"escapement", f.escapement},
            {"orientation", f.orientation},
            {"weight", f.weight},
            {"italic", f.italic},
            {"underline", f.underline},
            {"strikeOut", f.strikeOut},
            {"charSet", f.charSet},
            {"outPrecision", f.outPrecision},
            {"clipPrecision", f.clipPrecision},
            {"quality", f.quality},
            {"pitchAndFamily", f.pitchAndFamily},
            {"faceName", f.face()}};
}

QJsonObject toJson(const LabelStyle &l)
{
    return {{"visible", l.visible},
            {"lineAlign", l.lineAlign},
            {"align", l.align},
            {"noKerning", l.noKerning},
            {"noLigatures", l.noLigatures},
            {"trimming", l.trimming},
            {"font", toJson(l.font)},
            {"shadow", l.shadow},
            {"textCase", l.textCase},
            {"textBrush", toJson(l.textBrush)},
            {"text", l.text}};
}

QJsonObject toJson(const Rect &r)
{
    return {{"left", r.left}, {"top", r.top}, {"right", r.right}, {"bottom", r.bottom}};
}

QJsonArray toJson(const std::vector<PointF> &points)
{
    QJsonArray out;
    for (const PointF &p : points)
        out.append(QJsonArray{floatValue(p.x), floatValue(p.y)});
    return out;
}

QJsonObject toJson(const CDrawObj &o)
{
    QJsonObject j{{"class", QLatin1String(o.className())},
                  {"position", toJson(o.position())},
                  {"objectFlag", o.objectFlag()},
                  {"objectWord", o.objectWord()},
                  {"fill", toJson(o.fill())},
                  {"label", toJson(o.label())},
                  {"flippedX", o.flippedX()},
                  {"flippedY", o.flippedY()},
                  {"rotation", o.rotation()},
                  {"typeName", o.typeName()}};
    QJsonArray segments;
    for (const SegmentStyle &s : o.segmentStyles())
        segments.append(toJson(s));
    j["segmentStyles"] = segments;
    for (int i = 1; i <= CDrawObj::extraCount; ++i)
        j[QStringLiteral("extra%1").arg(i)] = o.extra(i);

    if (const auto *r = dynamic_cast<const CDrawRect *>(&o)) {
        j["shape"] = static_cast<int>(r->shape());
        j["roundness"] = QJsonArray{r->roundness().x, r->roundness().y};
        j["stroke"] = toJson(r->stroke());
        j["penWidth"] = floatValue(r->penWidth());
        j["outlined"] = r->outlined();
        j["label2"] = toJson(r->label2());
    } else if (const auto *p = dynamic_cast<const CDrawPoly *>(&o)) {
        j["points"] = toJson(p->points());
        j["name"] = p->name();
        j["polyValueA"] = floatValue(p->polyValueA());
        j["polyValueB"] = p->polyValueB();
        j["polyValueC"] = floatValue(p->polyValueC());
        j["fresh"] = p->fresh();
    } else if (const auto *w = dynamic_cast<const CDrawOpenPath *>(&o)) {
        j["points"] = toJson(w->points());
        j["pathValue"] = w->pathValue();
    } else if (const auto *t = dynamic_cast<const CDrawText *>(&o)) {
        j["textValue"] = t->textValue();
        j["borderWidth"] = floatValue(t->borderWidth());
        j["outlined"] = t->outlined();
        j["borderColor"] = double(t->borderColor());
        j["text"] = toJson(t->text());
    } else if (const auto *i = dynamic_cast<const CDrawImage *>(&o)) {
        j["imagePath"] = i->imagePath();
    } else if (const auto *e = dynamic_cast<const CDrawOleObj *>(&o)) {
        j["extent"] = QJsonArray{e->extent().cx, e->extent().cy};
        if (const CDrawItem *item = e->item()) {
            j["item"] = QJsonObject{{"name", item->name()},
                                    {"mimeType", item->mimeType()},
                                    {"data", QString::fromLatin1(item->data().toBase64())}};
        } else {
            j["item"] = QJsonValue::Null;
        }
    }
    return j;
}

QJsonValue timeValue(const QDateTime &t)
{
    return t.isValid() ? QJsonValue(t.toUTC().toString(Qt::ISODateWithMs)) : QJsonValue::Null;
}

QJsonObject toJson(const model::SummaryInformation &s)
{
    return {{"title", s.title},
            {"subject", s.subject},
            {"author", s.author},
            {"keywords", s.keywords},
            {"comments", s.comments},
            {"template", s.templateName},
            {"lastAuthor", s.lastAuthor},
            {"revisionNumber", s.revisionNumber},
            {"editingTimeMs", double(s.editingTimeMs)},
            {"lastPrinted", timeValue(s.lastPrinted)},
            {"created", timeValue(s.created)},
            {"lastSaved", timeValue(s.lastSaved)},
            {"pageCount", s.pageCount},
            {"wordCount", s.wordCount},
            {"charCount", s.charCount},
            {"applicationName", s.applicationName},
            {"extraCount", s.extraCount}};
}

// ------------------------------------------------------------- from JSON

// Reads fields from one JSON object and remembers the first problem, with
// the path of the field that caused it.
class Reader
{
public:
    Reader(const QJsonObject &object, QString path) : m_object(object), m_path(std::move(path)) {}

    template <class Int> void integer(const char *key, Int &out)
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (v.isUndefined())
            return;
        const double d = v.toDouble(std::nan(""));
        // max() + 1 is a power of two, exact as a double for every type here.
        if (!v.isDouble() || d != std::floor(d) ||
            d < static_cast<double>(std::numeric_limits<Int>::min()) ||
            d >= static_cast<double>(std::numeric_limits<Int>::max()) + 1.0) {
            fail(key, tr("un numero intero compreso tra %1 e %2")
                          .arg(static_cast<qlonglong>(std::numeric_limits<Int>::min()))
                          .arg(static_cast<qlonglong>(std::numeric_limits<Int>::max())));
            return;
        }
        out = static_cast<Int>(d);
    }
    void real(const char *key, float &out)
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (v.isUndefined())
            return;
        if (!v.isDouble() || !std::isfinite(v.toDouble()) ||
            std::abs(v.toDouble()) > std::numeric_limits<float>::max()) {
            fail(key, tr("un numero"));
            return;
        }
        out = static_cast<float>(v.toDouble());
    }
    void real(const char *key, double &out)
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (v.isUndefined())
            return;
        if (!v.isDouble()) {
            fail(key, tr("un numero"));
            return;
        }
        out = v.toDouble();
    }
    void text(const char *key, QString &out)
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (v.isUndefined())
            return;
        if (!v.isString()) {
            fail(key, tr("un testo"));
            return;
        }
        out = v.toString();
    }
    void time(const char *key, QDateTime &out)
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull()) {
            if (v.isNull())
                out = QDateTime();
            return;
        }
        const QDateTime t = QDateTime::fromString(v.toString(), Qt::ISODateWithMs);
        if (!v.isString() || !t.isValid()) {
            fail(key, tr("una data ISO 8601 o null"));
            return;
        }
        out = t.toUTC();
    }
    // A nested object, or nothing when the key is absent.
    std::optional<Reader> object(const char *key)
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (v.isUndefined())
            return std::nullopt;
        if (!v.isObject()) {
            fail(key, tr("un oggetto"));
            return std::nullopt;
        }
        return Reader(v.toObject(), m_path + QLatin1Char('.') + QLatin1String(key));
    }
    std::optional<QJsonArray> array(const char *key)
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (v.isUndefined())
            return std::nullopt;
        if (!v.isArray()) {
            fail(key, tr("un elenco"));
            return std::nullopt;
        }
        return v.toArray();
    }
    [[nodiscard]] QString path(const char *key) const
    {
        return m_path + QLatin1Char('.') + QLatin1String(key);
    }
    void fail(const char *key, const QString &expected) { failAt(path(key), expected); }
    void failAt(const QString &path, const QString &expected)
    {
        if (m_error->isEmpty())
            *m_error = tr("il campo \"%1\" deve essere %2.").arg(path, expected);
    }
    void adopt(const Reader &child)
    {
        if (m_error->isEmpty())
            *m_error = *child.m_error;
    }
    [[nodiscard]] bool ok() const { return m_error->isEmpty(); }
    [[nodiscard]] QString error() const { return *m_error; }
    [[nodiscard]] const QJsonObject &json() const { return m_object; }

private:
    QJsonObject m_object;
    QString m_path;
    std::shared_ptr<QString> m_error = std::make_shared<QString>();
};

void read(Reader &&r, Reader &parent, BrushStyle &b)
{
    quint32 solid = b.solidColor, c1 = b.color1, c2 = b.color2;
    r.integer("solidColor", solid);
    r.integer("color1", c1);
    r.integer("color2", c2);
    b.solidColor = solid;
    b.color1 = c1;
    b.color2 = c2;
    r.integer("fillKind", b.fillKind);
    r.integer("gradientMode", b.gradientMode);
    r.integer("hatchStyle", b.hatchStyle);
    r.text("texturePath", b.texturePath);
    r.real("textureAngle", b.textureAngle);
    r.real("textureScale", b.textureScale);
    parent.adopt(r);
}

void read(Reader &&r, Reader &parent, Opening &o)
{
    r.integer("offset", o.offset);
    r.integer("size", o.size);
    r.integer("reserved", o.reserved);
    r.integer("angle", o.angle);
    r.integer("flipped", o.flipped);
    r.integer("type", o.type);
    r.integer("strokeColor", o.strokeColor);
    r.integer("arcColor", o.arcColor);
    quint16 strokeDash = static_cast<quint16>(o.strokeDash),
            arcDash = static_cast<quint16>(o.arcDash);
    r.integer("strokeDash", strokeDash);
    r.integer("arcDash", arcDash);
    o.strokeDash = strokeDash;
    o.arcDash = arcDash;
    r.integer("arcKind", o.arcKind);
    r.integer("opensInwards", o.opensInwards);
    parent.adopt(r);
}

template <class T> bool readObjectArray(Reader &r, const char *key, std::vector<T> &out)
{
    const auto list = r.array(key);
    if (!list)
        return r.ok();
    out.assign(static_cast<size_t>(list->size()), T());
    for (qsizetype i = 0; i < list->size(); ++i) {
        const QString path = r.path(key) + QStringLiteral("[%1]").arg(i);
        if (!list->at(i).isObject()) {
            r.failAt(path, tr("un oggetto"));
            return false;
        }
        read(Reader(list->at(i).toObject(), path), r, out[static_cast<size_t>(i)]);
    }
    return r.ok();
}

void read(Reader &&r, Reader &parent, SegmentStyle &s)
{
    r.integer("enabled", s.enabled);
    r.real("width", s.width);
    if (auto brush = r.object("brush"))
        read(std::move(*brush), r, s.brush);
    r.text("description", s.description);
    readObjectArray(r, "openings", s.openings);
    parent.adopt(r);
}

void read(Reader &&r, Reader &parent, LogFont &f)
{
    r.integer("height", f.height);
    r.integer("width", f.width);
    r.integer("escapement", f.escapement);
    r.integer("orientation", f.orientation);
    r.integer("weight", f.weight);
    r.integer("italic", f.italic);
    r.integer("underline", f.underline);
    r.integer("strikeOut", f.strikeOut);
    r.integer("charSet", f.charSet);
    r.integer("outPrecision", f.outPrecision);
    r.integer("clipPrecision", f.clipPrecision);
    r.integer("quality", f.quality);
    r.integer("pitchAndFamily", f.pitchAndFamily);
    QString face = f.face();
    r.text("faceName", face);
    if (face != f.face())
        f.setFace(face);
    parent.adopt(r);
}

void read(Reader &&r, Reader &parent, LabelStyle &l)
{
    r.integer("visible", l.visible);
    r.integer("lineAlign", l.lineAlign);
    r.integer("align", l.align);
    r.integer("noKerning", l.noKerning);
    r.integer("noLigatures", l.noLigatures);
    r.integer("trimming", l.trimming);
    if (auto font = r.object("font"))
        read(std::move(*font), r, l.font);
    r.integer("shadow", l.shadow);
    r.integer("textCase", l.textCase);
    if (auto brush = r.object("textBrush"))
        read(std::move(*brush), r, l.textBrush);
    r.text("text", l.text);
    parent.adopt(r);
}

// Two numbers [a, b].
template <class T> bool readPair(Reader &r, const char *key, T &a, T &b)
{
    const auto list = r.array(key);
    if (!list)
        return false;
    const auto isNumber = [](const QJsonValue &v) { return v.isDouble(); };
    if (list->size() != 2 || !isNumber(list->at(0)) || !isNumber(list->at(1))) {
        r.fail(key, tr("un elenco di due numeri"));
        return false;
    }
    QJsonObject pair{{"a", list->at(0)}, {"b", list->at(1)}};
    Reader inner(pair, r.path(key));
    inner.integer("a", a);
    inner.integer("b", b);
    r.adopt(inner);
    return r.ok();
}

bool readPoints(Reader &r, std::vector<PointF> &out)
{
    const auto list = r.array("points");
    if (!list)
        return r.ok();
    out.clear();
    for (qsizetype i = 0; i < list->size(); ++i) {
        const QJsonArray p = list->at(i).toArray();
        if (p.size() != 2 || !model::isValidCoordinate(p.at(0).toDouble(std::nan(""))) ||
            !model::isValidCoordinate(p.at(1).toDouble(std::nan("")))) {
            r.failAt(r.path("points") + QStringLiteral("[%1]").arg(i),
                     tr("una coppia di coordinate [x, y] sul foglio"));
            return false;
        }
        out.push_back(
            {static_cast<float>(p.at(0).toDouble()), static_cast<float>(p.at(1).toDouble())});
    }
    return true;
}

std::unique_ptr<CDrawObj> readObject(const QJsonValue &value, const QString &path, Reader &parent)
{
    if (!value.isObject()) {
        parent.failAt(path, tr("un oggetto"));
        return nullptr;
    }
    Reader r(value.toObject(), path);
    const QString className = r.json().value(QLatin1String("class")).toString();
    const model::ClassInfo *cls = model::findClass(className.toStdString());
    std::unique_ptr<model::Persistent> created = cls ? cls->create() : nullptr;
    auto *raw = dynamic_cast<CDrawObj *>(created.get());
    if (!raw) {
        r.fail("class", tr("il nome di una classe di oggetti di disegno (\"CDrawPoly\", ...)"));
        parent.adopt(r);
        return nullptr;
    }
    (void)created.release();
    std::unique_ptr<CDrawObj> o(raw);

    if (auto pos = r.object("position")) {
        Rect p;
        pos->integer("left", p.left);
        pos->integer("top", p.top);
        pos->integer("right", p.right);
        pos->integer("bottom", p.bottom);
        r.adopt(*pos);
        for (const int v : {p.left, p.top, p.right, p.bottom}) {
            if (!model::isValidCoordinate(v))
                r.fail("position", tr("un rettangolo sul foglio"));
        }
        o->setPosition(p);
    }
    qint32 v = o->objectFlag();
    r.integer("objectFlag", v);
    o->setObjectFlag(v);
    quint16 word = static_cast<quint16>(o->objectWord());
    r.integer("objectWord", word);
    o->setObjectWord(word);
    BrushStyle fill = o->fill();
    if (auto f = r.object("fill"))
        read(std::move(*f), r, fill);
    o->setFill(fill);
    LabelStyle label = o->label();
    if (auto l = r.object("label"))
        read(std::move(*l), r, label);
    o->setLabel(label);
    qint32 fx = o->flippedX(), fy = o->flippedY(), rotation = o->rotation();
    r.integer("flippedX", fx);
    r.integer("flippedY", fy);
    r.integer("rotation", rotation);
    o->setFlipped(fx, fy);
    o->setRotation(rotation);
    QString typeName = o->typeName();
    r.text("typeName", typeName);
    o->setTypeName(typeName);
    std::vector<SegmentStyle> segments = o->segmentStyles();
    readObjectArray(r, "segmentStyles", segments);
    if (segments.size() > 0xFFFF)
        r.fail("segmentStyles", tr("un elenco di al massimo 65535 muri"));
    o->setSegmentStyles(std::move(segments));
    for (int i = 1; i <= CDrawObj::extraCount; ++i) {
        qint32 extra = o->extra(i);
        r.integer(QStringLiteral("extra%1").arg(i).toLatin1().constData(), extra);
        o->setExtra(i, extra);
    }

    if (auto *rect = dynamic_cast<CDrawRect *>(o.get())) {
        quint16 shape = static_cast<quint16>(rect->shape());
        r.integer("shape", shape);
        rect->setShape(static_cast<CDrawRect::Shape>(shape));
        geokit::Point round = rect->roundness();
        if (readPair(r, "roundness", round.x, round.y))
            rect->setRoundness(round);
        BrushStyle stroke = rect->stroke();
        if (auto s = r.object("stroke"))
            read(std::move(*s), r, stroke);
        rect->setStroke(stroke);
        float penWidth = rect->penWidth();
        r.real("penWidth", penWidth);
        rect->setPenWidth(penWidth);
        qint32 outlined = rect->outlined();
        r.integer("outlined", outlined);
        rect->setOutlined(outlined);
        LabelStyle label2 = rect->label2();
        if (auto l = r.object("label2"))
            read(std::move(*l), r, label2);
        rect->setLabel2(label2);
    } else if (auto *room = dynamic_cast<CDrawPoly *>(o.get())) {
        std::vector<PointF> points;
        const Rect position = room->position();
        if (readPoints(r, points))
            room->setPoints(std::move(points));
        room->setPosition(position); // the stored box, as a file keeps it
        QString name = room->name();
        r.text("name", name);
        room->setName(name);
        float a = room->polyValueA(), c = room->polyValueC();
        qint32 b = room->polyValueB(), fresh = room->fresh();
        r.real("polyValueA", a);
        r.integer("polyValueB", b);
        r.real("polyValueC", c);
        r.integer("fresh", fresh);
        room->setPolyValues(a, b, c);
        room->setFresh(fresh);
    } else if (auto *wall = dynamic_cast<CDrawOpenPath *>(o.get())) {
        std::vector<PointF> points;
        const Rect position = wall->position();
        if (readPoints(r, points))
            wall->setPoints(std::move(points));
        wall->setPosition(position);
        qint32 pathValue = wall->pathValue();
        r.integer("pathValue", pathValue);
        wall->setPathValue(pathValue);
    } else if (auto *text = dynamic_cast<CDrawText *>(o.get())) {
        qint32 textValue = text->textValue(), outlined = text->outlined();
        quint32 borderColor = text->borderColor();
        float borderWidth = text->borderWidth();
        r.integer("textValue", textValue);
        r.real("borderWidth", borderWidth);
        r.integer("outlined", outlined);
        r.integer("borderColor", borderColor);
        text->setTextValue(textValue);
        text->setBorderWidth(borderWidth);
        text->setOutlined(outlined);
        text->setBorderColor(borderColor);
        LabelStyle t = text->text();
        if (auto l = r.object("text"))
            read(std::move(*l), r, t);
        text->setText(t);
    } else if (auto *picture = dynamic_cast<CDrawImage *>(o.get())) {
        QString imagePath = picture->imagePath();
        r.text("imagePath", imagePath);
        picture->setImagePath(imagePath);
    } else if (auto *ole = dynamic_cast<CDrawOleObj *>(o.get())) {
        geokit::Size extent = ole->extent();
        if (readPair(r, "extent", extent.cx, extent.cy))
            ole->setExtent(extent);
        if (auto item = r.object("item")) {
            QString name, mime, data;
            item->text("name", name);
            item->text("mimeType", mime);
            item->text("data", data);
            r.adopt(*item);
            const auto decoded = QByteArray::fromBase64Encoding(
                data.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
            if (!decoded)
                r.fail("item", tr("un oggetto con \"data\" in base64"));
            ole->setItem(std::make_unique<CDrawItem>(name, mime, *decoded));
        }
    }
    parent.adopt(r);
    return o;
}

} // namespace

QJsonObject planToJson(const CDomoraDoc &doc)
{
    QJsonArray objects;
    for (const auto &o : doc.objects())
        objects.append(toJson(*o));
    const QJsonObject document{
        {"docType", doc.GetDocType()},
        {"paperSize", QJsonObject{{"width", doc.paperSize().cx}, {"height", doc.paperSize().cy}}},
        {"paperColor", double(doc.paperColor())},
        {"borderLeft", doc.borderLeft()},
        {"borderRight", doc.borderRight()},
        {"borderTop", doc.borderTop()},
        {"borderBottom", doc.borderBottom()},
        {"scale", doc.scale()},
        {"docValue", doc.docValue()},
        {"objects", objects}};
    return {{"document", document}, {"summary", toJson(doc.summary())}};
}

bool planFromJson(const QJsonObject &json, CDomoraDoc &doc, QString &error)
{
    Reader root(json, QString());
    const auto document = root.object("document");
    if (!document) {
        if (root.ok())
            root.fail("document", tr("presente"));
        error = root.error();
        return false;
    }
    Reader d = *document;
    qint32 docType = 0, docValue = doc.docValue(), left = doc.borderLeft(),
           right = doc.borderRight(), top = doc.borderTop(), bottom = doc.borderBottom();
    quint32 paperColor = doc.paperColor();
    double scale = doc.scale();
    geokit::Size paper = doc.paperSize();
    d.integer("docType", docType);
    d.integer("docValue", docValue);
    d.integer("paperColor", paperColor);
    d.integer("borderLeft", left);
    d.integer("borderRight", right);
    d.integer("borderTop", top);
    d.integer("borderBottom", bottom);
    d.real("scale", scale);
    if (auto p = d.object("paperSize")) {
        p->integer("width", paper.cx);
        p->integer("height", paper.cy);
        d.adopt(*p);
    }
    if (docType < CDomoraDoc::normal || docType > CDomoraDoc::printnet)
        d.fail("docType", tr("0 (normale), 1 (cartello) o 2 (Printnet)"));
    if (!(scale > 0.0) || !std::isfinite(scale))
        d.fail("scale", tr("un numero maggiore di zero"));
    if (paper.cx <= 0 || paper.cy <= 0 || paper.cx > model::maxCoordinateMm ||
        paper.cy > model::maxCoordinateMm)
        d.fail("paperSize", tr("un foglio di larghezza e altezza positive"));
    for (const int v : {left, right, top, bottom}) {
        if (!model::isValidCoordinate(v))
            d.fail("borderLeft", tr("margini sul foglio"));
    }

    std::vector<std::unique_ptr<CDrawObj>> objects;
    if (const auto list = d.array("objects")) {
        for (qsizetype i = 0; i < list->size() && d.ok(); ++i) {
            auto o = readObject(list->at(i), d.path("objects") + QStringLiteral("[%1]").arg(i), d);
            if (o)
                objects.push_back(std::move(o));
        }
    }
    model::SummaryInformation summary;
    if (auto s = root.object("summary")) {
        s->text("title", summary.title);
        s->text("subject", summary.subject);
        s->text("author", summary.author);
        s->text("keywords", summary.keywords);
        s->text("comments", summary.comments);
        s->text("template", summary.templateName);
        s->text("lastAuthor", summary.lastAuthor);
        s->text("revisionNumber", summary.revisionNumber);
        s->integer("editingTimeMs", summary.editingTimeMs);
        s->time("lastPrinted", summary.lastPrinted);
        s->time("created", summary.created);
        s->time("lastSaved", summary.lastSaved);
        s->integer("pageCount", summary.pageCount);
        s->integer("wordCount", summary.wordCount);
        s->integer("charCount", summary.charCount);
        s->text("applicationName", summary.applicationName);
        s->integer("extraCount", summary.extraCount);
        root.adopt(*s);
    }
    root.adopt(d);
    if (!root.ok()) {
        error = root.error();
        return false;
    }

    doc.DeleteContents();
    doc.setDocType(docType);
    doc.setBorders(left, top, right, bottom);
    doc.SetPaperSize(paper);
    doc.setScale(scale);
    doc.setDocValue(docValue);
    doc.setPaperColor(paperColor);
    for (auto &o : objects)
        doc.AddObject(std::move(o));
    doc.setSummary(summary);
    doc.SetModifiedFlag(false);
    return true;
}

} // namespace fpdtool
