// Builds a small main window of the editor in the Vantorie Horizon look and
// saves a 360 x 300 picture of it: the skin's preview, made at build time.
//   horizonskin_preview <output.png>
#include "vantoriehorizon.h"

#include "toolkit/commandids.h"
#include "toolkit/mdiframe.h"
#include "toolkit/menubar.h"
#include "toolkit/popupmenu.h"
#include "toolkit/statusbar.h"
#include "toolkit/toolbarcombobox.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPainterPath>

using namespace toolkit;

namespace {

constexpr QSize previewSize(360, 300);

// Toolbar images drawn for the picture: page, folder, disk, scissors, pages,
// clipboard, printer, magnifier, room, wall, door, text.
QIcon image(int kind)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen ink(QColor(0x30, 0x40, 0x50), 1);
    p.setPen(ink);
    switch (kind) {
    case 0: // new page
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{3.5, 1.5}, {10.5, 1.5}, {13.5, 4.5}, {13.5, 14.5}, {3.5, 14.5}}));
        break;
    case 1: // folder
        p.setBrush(QColor(0xf0, 0xc8, 0x50));
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        p.drawRect(QRectF(1.5, 3.5, 5, 2));
        break;
    case 2: // disk
        p.setBrush(QColor(0x40, 0x60, 0xb0));
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        p.fillRect(QRectF(5, 3, 6, 4), Qt::white);
        break;
    case 3: // scissors
        p.drawEllipse(QRectF(2.5, 10.5, 4, 4));
        p.drawEllipse(QRectF(9.5, 10.5, 4, 4));
        p.drawLine(QPointF(5, 11), QPointF(11, 2));
        p.drawLine(QPointF(11, 11), QPointF(5, 2));
        break;
    case 4: // copy
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 1.5, 8, 10));
        p.drawRect(QRectF(6.5, 4.5, 8, 10));
        break;
    case 5: // paste
        p.setBrush(QColor(0xc0, 0x90, 0x50));
        p.drawRect(QRectF(2.5, 2.5, 11, 12));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 5.5, 6, 7));
        break;
    case 6: // printer
        p.setBrush(QColor(0xd0, 0xd0, 0xd0));
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        break;
    case 7: // magnifier
        p.setPen(QPen(QColor(0x30, 0x40, 0x50), 2));
        p.drawEllipse(QRectF(2, 2, 8, 8));
        p.drawLine(QPointF(9, 9), QPointF(14, 14));
        break;
    case 8: // room
        p.setPen(QPen(QColor(0x20, 0x50, 0x30), 2));
        p.setBrush(QColor(0xb8, 0xe0, 0xc0));
        p.drawRect(QRectF(2, 3, 12, 10));
        break;
    case 9: // wall
        p.setPen(QPen(QColor(0x50, 0x40, 0x30), 3));
        p.drawPolyline(QPolygonF({{2, 13}, {2, 3}, {14, 3}}));
        break;
    case 10: // door
        p.drawLine(QPointF(3, 14), QPointF(3, 3));
        p.drawArc(QRectF(-8, 3, 22, 22), 0, 90 * 16);
        break;
    default: // text
        p.setFont(QFont(QStringLiteral("DejaVu Serif"), 11, QFont::Bold));
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("A"));
        break;
    }
    return QIcon(pm);
}

// A plan of a small flat on a sheet, as the editor shows it.
class PlanSketch : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), QColor(0x80, 0x80, 0x80));
        const QRect sheet = rect().adjusted(10, 8, -10, -8);
        p.fillRect(sheet.translated(2, 2), QColor(0x50, 0x50, 0x50));
        p.fillRect(sheet, Qt::white);
        const QRectF flat = QRectF(sheet).adjusted(14, 12, -14, -12);
        const double w = flat.width(), h = flat.height();
        p.setBrush(QColor(0xf4, 0xec, 0xd8));
        p.setPen(QPen(Qt::black, 3));
        p.drawRect(flat);
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(QPointF(flat.left() + w * 0.55, flat.top()),
                   QPointF(flat.left() + w * 0.55, flat.bottom()));
        p.drawLine(QPointF(flat.left(), flat.top() + h * 0.5),
                   QPointF(flat.left() + w * 0.55, flat.top() + h * 0.5));
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(flat.left() + w * 0.55 - 14, flat.top() + h * 0.62, 28, 28), 90 * 16,
                  90 * 16);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 6));
        p.drawText(QRectF(flat.left(), flat.top(), w * 0.55, h * 0.5), Qt::AlignCenter,
                   QStringLiteral("Cucina\n12,4 m²"));
        p.drawText(QRectF(flat.left(), flat.top() + h * 0.5, w * 0.55, h * 0.5), Qt::AlignCenter,
                   QStringLiteral("Camera\n14,0 m²"));
        p.drawText(QRectF(flat.left() + w * 0.55, flat.top(), w * 0.45, h), Qt::AlignCenter,
                   QStringLiteral("Soggiorno\n24,8 m²"));
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
    VisualManager::setDefaultManager(std::make_unique<CVantorieHorizon>());

    MdiFrame frame;
    frame.setWindowTitle(QStringLiteral("Domora"));
    CommandTable &c = frame.commands();
    const int ids[] = {cmd::FileNew,  cmd::FileOpen,  cmd::FileSave,  cmd::EditCut,
                       cmd::EditCopy, cmd::EditPaste, cmd::FilePrint, 32800,
                       33001,         33002,          33003,          33004};
    for (int i = 0; i < 12; ++i)
        c.add({ids[i], QStringLiteral("%1").arg(ids[i]), {}, image(i)});
    MenuBar *bar = frame.createMenuBar();
    for (const char *title : {"&File", "&Modifica", "&Visualizza", "&Disegno", "S&trumenti", "&?"})
        bar->addPopup(QString::fromUtf8(title));
    ToolBar *standard = frame.createToolBar(59392, QStringLiteral("Standard"),
                                            {{cmd::FileNew},
                                             {cmd::FileOpen},
                                             {cmd::FileSave},
                                             {0},
                                             {cmd::EditCut},
                                             {cmd::EditCopy},
                                             {cmd::EditPaste},
                                             {0},
                                             {cmd::FilePrint},
                                             {32800}});
    ToolBar *drawing = frame.createToolBar(32823, QStringLiteral("Strumenti di disegno"),
                                           {{33001}, {33002}, {33003}, {33004}});
    frame.dockToolBar(standard, Qt::TopToolBarArea);
    frame.dockToolBar(drawing, Qt::LeftToolBarArea);
    StatusBar *status = frame.createStatusBar({0, 0xE710, cmd::IndicatorCaps, cmd::IndicatorNum});
    status->setPaneText(0, QStringLiteral("Pronto"));
    status->setPaneText(1, QStringLiteral("210x297"));
    frame.enableMdiTabs(true, true, TabLocation::Bottom);
    for (const char *name : {"Pianta1", "Pianta2"}) {
        QMdiSubWindow *window = frame.mdiArea()->addSubWindow(new PlanSketch);
        window->setWindowTitle(QString::fromUtf8(name));
        window->setWindowIcon(image(8));
        window->show();
    }
    frame.mdiArea()->setActiveSubWindow(frame.mdiArea()->subWindowList().first());
    frame.resize(previewSize);
    frame.show();
    QCoreApplication::processEvents();
    frame.resize(previewSize);
    QCoreApplication::processEvents();
    QImage picture = frame.grab().toImage().convertToFormat(QImage::Format_RGB888);
    if (picture.size() != previewSize)
        picture = picture.copy(QRect(QPoint(0, 0), previewSize));
    return picture.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
