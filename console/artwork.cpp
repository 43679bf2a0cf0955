#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace artwork {

namespace {

const QColor ink(40, 52, 70);
const QColor accent(33, 110, 178);
const QColor warm(222, 120, 40);

QPixmap blank(int w, int h)
{
    QPixmap p(w, h);
    p.fill(Qt::transparent);
    return p;
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

// A sheet of paper with a folded corner and ruled lines.
void drawSheet(QPainter &p, const QRectF &r, const QColor &lines)
{
    const qreal fold = r.width() * 0.25;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(226, 232, 240));
    p.setPen(QPen(ink, r.width() / 24.0));
    p.setBrush(g);
    p.drawPath(sheet);
    p.setBrush(QColor(205, 212, 222));
    p.drawPolygon(
        QPolygonF({QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                   QPointF(r.right(), r.top() + fold)}));
    p.setPen(QPen(lines, r.width() / 20.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal y = r.top() + r.height() * (0.38 + 0.14 * i);
        p.drawLine(QPointF(r.left() + r.width() * 0.18, y),
                   QPointF(r.right() - r.width() * (i == 3 ? 0.45 : 0.18), y));
    }
}

void drawMagnifier(QPainter &p, const QPointF &centre, qreal radius)
{
    p.setPen(QPen(ink, radius * 0.28, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(radius * 0.7, radius * 0.7),
               centre + QPointF(radius * 1.7, radius * 1.7));
    QRadialGradient glass(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.2);
    glass.setColorAt(0, QColor(255, 255, 255, 230));
    glass.setColorAt(1, QColor(170, 205, 235, 200));
    p.setPen(QPen(ink, radius * 0.22));
    p.setBrush(glass);
    p.drawEllipse(centre, radius, radius);
}

void drawGear(QPainter &p, const QPointF &c, qreal r, const QColor &fill)
{
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal a0 = M_PI * i / teeth;
        const qreal a1 = M_PI * (i + 1) / teeth;
        const qreal rr = i % 2 == 0 ? r : r * 0.78;
        const QPointF p0 = c + QPointF(std::cos(a0) * rr, std::sin(a0) * rr);
        const QPointF p1 = c + QPointF(std::cos(a1) * rr, std::sin(a1) * rr);
        if (i == 0)
            gear.moveTo(p0);
        else
            gear.lineTo(p0);
        gear.lineTo(p1);
    }
    gear.closeSubpath();
    gear.addEllipse(c, r * 0.3, r * 0.3);
    gear.setFillRule(Qt::OddEvenFill);
    p.setPen(QPen(ink, r / 10.0));
    p.setBrush(fill);
    p.drawPath(gear);
}

QPixmap reportButton()
{
    QPixmap pix = blank(64, 64);
    QPainter p(&pix);
    prepare(p);
    drawSheet(p, QRectF(10, 6, 38, 50), QColor(150, 160, 175));
    // a red warning sign over the sheet
    QPainterPath sign;
    sign.moveTo(44, 30);
    sign.lineTo(60, 58);
    sign.lineTo(28, 58);
    sign.closeSubpath();
    p.setPen(QPen(QColor(120, 20, 20), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(226, 62, 50));
    p.drawPath(sign);
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(44, 39), QPointF(44, 49));
    p.drawPoint(QPointF(44, 54));
    return pix;
}

QPixmap checkButton()
{
    QPixmap pix = blank(64, 64);
    QPainter p(&pix);
    prepare(p);
    drawSheet(p, QRectF(6, 4, 36, 48), QColor(150, 160, 175));
    drawMagnifier(p, QPointF(36, 36), 12);
    p.setPen(QPen(QColor(30, 150, 60), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(30, 36), QPointF(35, 41), QPointF(43, 30)}));
    return pix;
}

QPixmap manageButton()
{
    QPixmap pix = blank(64, 64);
    QPainter p(&pix);
    prepare(p);
    drawGear(p, QPointF(24, 26), 18, QColor(150, 176, 205));
    drawGear(p, QPointF(44, 44), 13, QColor(236, 176, 90));
    return pix;
}

QPixmap editorsButton()
{
    QPixmap pix = blank(64, 64);
    QPainter p(&pix);
    prepare(p);
    // a palette with colour wells
    QPainterPath palette;
    palette.addEllipse(QRectF(4, 12, 46, 38));
    palette.addEllipse(QRectF(14, 34, 9, 8));
    palette.setFillRule(Qt::OddEvenFill);
    p.setPen(QPen(ink, 2));
    p.setBrush(QColor(236, 214, 170));
    p.drawPath(palette);
    const QColor wells[] = {QColor(220, 40, 40), QColor(40, 90, 210), QColor(40, 160, 70),
                            QColor(250, 200, 30)};
    const QPointF at[] = {QPointF(16, 24), QPointF(28, 19), QPointF(40, 24), QPointF(40, 36)};
    p.setPen(QPen(ink, 1));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(wells[i]);
        p.drawEllipse(at[i], 4.5, 4.5);
    }
    // a pencil across it
    p.save();
    p.translate(44, 40);
    p.rotate(-45);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(QColor(250, 190, 60));
    p.drawRect(QRectF(-20, -4, 30, 8));
    p.setBrush(QColor(240, 130, 150));
    p.drawRect(QRectF(-26, -4, 6, 8));
    p.setBrush(QColor(245, 222, 180));
    p.drawPolygon(QPolygonF({QPointF(10, -4), QPointF(20, 0), QPointF(10, 4)}));
    p.restore();
    return pix;
}

// A small floor plan: the suite's subject, used in the large pictures.
void drawFloorPlan(QPainter &p, const QRectF &r, const QColor &wall, qreal wallWidth)
{
    p.setPen(QPen(wall, wallWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    const qreal x1 = r.left() + r.width() * 0.55;
    const qreal y1 = r.top() + r.height() * 0.45;
    p.drawLine(QPointF(x1, r.top()), QPointF(x1, y1 - r.height() * 0.12));
    p.drawLine(QPointF(x1, y1 + r.height() * 0.05), QPointF(x1, r.bottom()));
    p.drawLine(QPointF(r.left(), y1), QPointF(r.left() + r.width() * 0.3, y1));
    p.drawLine(QPointF(r.left() + r.width() * 0.42, y1), QPointF(x1, y1));
    p.drawLine(QPointF(x1, r.top() + r.height() * 0.7),
               QPointF(r.right(), r.top() + r.height() * 0.7));
    // door swings
    QPen thin(wall, wallWidth / 3.0);
    p.setPen(thin);
    const qreal d = r.width() * 0.12;
    p.drawArc(QRectF(r.left() + r.width() * 0.3 - d, y1 - d, 2 * d, 2 * d), 0, 90 * 16);
    p.drawArc(QRectF(x1 - d, y1 - r.height() * 0.12 - d, 2 * d, 2 * d), 270 * 16, 90 * 16);
}

QPixmap wizardWatermark()
{
    QPixmap pix(164, 440);
    QPainter p(&pix);
    prepare(p);
    QLinearGradient g(0, 0, 0, 440);
    g.setColorAt(0, QColor(28, 78, 140));
    g.setColorAt(1, QColor(92, 156, 212));
    p.fillRect(pix.rect(), g);
    drawFloorPlan(p, QRectF(22, 40, 120, 100), QColor(255, 255, 255, 170), 4);
    QPixmap bug = reportButton();
    p.drawPixmap(QRectF(50, 200, 64, 64), bug, bug.rect());
    return pix;
}

QPixmap wizardHeader()
{
    QPixmap pix = blank(49, 49);
    QPainter p(&pix);
    prepare(p);
    const QPixmap bug = reportButton();
    p.drawPixmap(QRectF(0, 0, 49, 49), bug, bug.rect());
    return pix;
}

QPixmap wizardWelcome()
{
    QPixmap pix = blank(96, 96);
    QPainter p(&pix);
    prepare(p);
    drawSheet(p, QRectF(14, 8, 52, 70), QColor(150, 160, 175));
    // an envelope: the report goes out by mail
    const QRectF env(38, 52, 50, 34);
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(252, 246, 226));
    p.drawRect(env);
    p.drawPolyline(QPolygonF({env.topLeft(), env.center() + QPointF(0, 4), env.topRight()}));
    return pix;
}

} // namespace

QPixmap picture(Picture which)
{
    switch (which) {
    case Picture::ReportButton:
        return reportButton();
    case Picture::CheckButton:
        return checkButton();
    case Picture::ManageButton:
        return manageButton();
    case Picture::EditorsButton:
        return editorsButton();
    case Picture::WizardWelcome:
        return wizardWelcome();
    case Picture::WizardWatermark:
        return wizardWatermark();
    case Picture::WizardHeader:
        return wizardHeader();
    }
    return {};
}

QPixmap background(QSize size)
{
    QPixmap pix(size);
    pix.fill(Qt::white);
    QPainter p(&pix);
    prepare(p);
    // a band along the top with the product name
    QLinearGradient band(0, 0, size.width(), 0);
    band.setColorAt(0, QColor(28, 78, 140));
    band.setColorAt(1, QColor(120, 176, 222));
    p.fillRect(QRect(0, 0, size.width(), 64), band);
    QFont title(QStringLiteral("DejaVu Sans"), 17, QFont::Bold);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(20, 0, size.width() - 40, 64), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Domora Management Console"));
    p.setPen(QColor(255, 255, 255, 140));
    drawFloorPlan(p, QRectF(size.width() - 96, 10, 80, 44), QColor(255, 255, 255, 150), 2);
    // a faint plan in the lower right corner
    drawFloorPlan(p, QRectF(size.width() - 190, size.height() - 170, 170, 130),
                  QColor(33, 110, 178, 28), 6);
    return pix;
}

QIcon programIcon()
{
    QIcon icon;
    for (const int s : {16, 32, 48, 64}) {
        QPixmap pix = blank(s, s);
        QPainter p(&pix);
        prepare(p);
        const qreal k = s / 64.0;
        p.scale(k, k);
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
        drawFloorPlan(p, QRectF(12, 12, 40, 34), Qt::white, 4);
        drawGear(p, QPointF(46, 46), 12, warm);
        icon.addPixmap(pix);
    }
    return icon;
}

QIcon editIcon(EditIcon which)
{
    QPixmap pix = blank(20, 20);
    QPainter p(&pix);
    prepare(p);
    const QPen pen(ink, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    switch (which) {
    case EditIcon::Cut:
        p.drawEllipse(QPointF(6, 15), 3, 3);
        p.drawEllipse(QPointF(14, 15), 3, 3);
        p.drawLine(QPointF(7.5, 12.5), QPointF(14, 2));
        p.drawLine(QPointF(12.5, 12.5), QPointF(6, 2));
        break;
    case EditIcon::Copy:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 2, 9, 11));
        p.drawRect(QRectF(8, 7, 9, 11));
        break;
    case EditIcon::Paste:
        p.setBrush(QColor(214, 176, 120));
        p.drawRoundedRect(QRectF(3, 3, 12, 15), 1.5, 1.5);
        p.setBrush(QColor(180, 180, 180));
        p.drawRect(QRectF(6, 1.5, 6, 3));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 8, 8, 10));
        break;
    case EditIcon::Delete:
        p.setPen(QPen(QColor(200, 40, 40), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(15, 15));
        p.drawLine(QPointF(15, 5), QPointF(5, 15));
        break;
    case EditIcon::Revert: {
        p.setPen(QPen(accent, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(4, 4, 12, 12), 90 * 16, -270 * 16);
        p.setBrush(accent);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(10, 0.5), QPointF(10, 7.5), QPointF(5.5, 4)}));
        break;
    }
    case EditIcon::Find:
        drawMagnifier(p, QPointF(8, 8), 5);
        break;
    }
    return QIcon(pix);
}

} // namespace artwork
