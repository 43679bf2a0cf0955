#include "editor/cdomoraview.h"

#include "editor/cexportdlg.h"
#include "editor/cgridguidespage.h"
#include "editor/commandids.h"
#include "editor/czoomdlg.h"
#include "editor/documentmanager.h"
#include "editor/editoroptions.h"
#include "editor/planclipboard.h"
#include "editor/plandocument.h"
#include "editor/planprinter.h"
#include "editor/vieweditinghook.h"
#include "editor/viewreadouts.h"
#include "graphics/context.h"
#include "model/cdomoradoc.h"
#include "model/cdrawitem.h"
#include "model/cdrawobj.h"
#include "model/cdrawoleobj.h"
#include "model/cdrawpoly.h"
#include "model/renderdocument.h"
#include "model/renderexport.h"
#include "platform/messagebox.h"
#include "platform/registry.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

QPrinter *&sharedPrinter()
{
    static QPrinter *printer = nullptr;
    return printer;
}

const QImage *&placardPicture()
{
    static const QImage *picture = nullptr;
    return picture;
}

CDomoraView::EditingHookFactory &editingHookFactory()
{
    static CDomoraView::EditingHookFactory factory;
    return factory;
}

int screenDepth()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 32;
}

QColor fromColorRef(quint32 colorRef)
{
    return QColor(int(colorRef & 0xFF), int((colorRef >> 8) & 0xFF), int((colorRef >> 16) & 0xFF));
}

} // namespace

CDomoraView::CDomoraView(PlanDocument &plan, DocumentManager &documents, ViewReadouts *readouts,
                         QWidget *parent)
    : CZoomView(parent), m_plan(plan), m_documents(documents), m_readouts(readouts),
      m_grid(gridGuideDefaults()), m_autosave(new QTimer(this))
{
    const platform::Registry reg(QStringLiteral("Domora"));
    m_exportAlways = reg.readInt(QStringLiteral("Settings"), QStringLiteral("ExportAlways"), 0);
    m_pageStyle = reg.readInt(QStringLiteral("Settings"), QStringLiteral("PageStyle"), 1);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    CDomoraDoc &doc = m_plan.doc();
    doc.addView(this);
    SetZoomExtent({doc.paperSize().cx, doc.paperSize().cy});
    if (doc.GetDocType() == CDomoraDoc::placard)
        m_printableArea = doc.printableArea();
    m_autosave->setInterval(autosaveIntervalMs);
    connect(m_autosave, &QTimer::timeout, this, [this] { m_documents.autosave(&m_plan); });
    m_autosave->start();
    if (editingHookFactory())
        m_editing = editingHookFactory()(*this, m_readouts);
}

CDomoraView::~CDomoraView()
{
    detach();
}

void CDomoraView::detach()
{
    if (m_detached)
        return;
    m_detached = true;
    m_autosave->stop();
    m_editing.reset();
    m_selection.clear();
    m_plan.doc().removeView(this);
}

void CDomoraView::setSharedPrinter(QPrinter *printer)
{
    sharedPrinter() = printer;
}

void CDomoraView::setPlacardPicture(const QImage *picture)
{
    placardPicture() = picture;
}

void CDomoraView::setEditingHookFactory(EditingHookFactory factory)
{
    editingHookFactory() = std::move(factory);
}

int CDomoraView::editMode() const
{
    return m_editing ? m_editing->editMode() : 0;
}

CDomoraDoc *CDomoraView::document() const
{
    return &m_plan.doc();
}

// --- drawing ------------------------------------------------------------------

void CDomoraView::OnDraw(QPainter &painter, const QRect &dirtyWindowRect)
{
    if (m_detached)
        return;
    const QRectF visibleMm = painter.transform().inverted().mapRect(QRectF(dirtyWindowRect));
    drawPage(painter, visibleMm);
    const double pxPerMm = zoomScale();
    planprinter::drawGridAndGuides(painter, m_plan.doc(), m_grid, visibleMm, pxPerMm, true, true);
    {
        graphics::Context g(&painter);
        graphics::DeviceInfo device;
        device.bitsPerPixel = screenDepth();
        g.setDevice(device);
        model::drawDocument(g, m_plan.doc(), this, false, editorOptions().Performance);
    }
    if (m_editing)
        m_editing->drawOverlay(painter);
}

void CDomoraView::drawPage(QPainter &painter, const QRectF &visibleMm)
{
    const CDomoraDoc &doc = m_plan.doc();
    const QRectF sheet(0, 0, doc.paperSize().cx, doc.paperSize().cy);
    // Around the sheet: a grey desk with the sheet's shadow (page style 1) or
    // the window colour and a plain frame (0).
    painter.save();
    painter.resetTransform();
    const QRect window = viewport()->rect();
    const QRect page = sheetRectInWindow();
    const QColor desk =
        m_pageStyle != 0 ? QColor(0x80, 0x80, 0x86) : palette().color(QPalette::Base);
    QRegion around(window);
    around -= QRegion(page);
    for (const QRect &r : around)
        painter.fillRect(r, desk);
    if (m_pageStyle != 0) {
        const int shadow = std::clamp(int(3 * zoomScale()), 2, 8);
        painter.fillRect(page.translated(shadow, shadow).intersected(window),
                         QColor(0x40, 0x40, 0x48));
    }
    painter.restore();

    painter.fillRect(sheet.intersected(visibleMm.adjusted(-1, -1, 1, 1)),
                     fromColorRef(doc.paperColor()));
    if (doc.GetDocType() == CDomoraDoc::placard && placardPicture() &&
        !placardPicture()->isNull()) {
        // The sign's artwork over the sheet, the free area left for the plan.
        painter.drawImage(sheet, *placardPicture());
        const geokit::Rect free = doc.printableArea();
        painter.fillRect(QRectF(free.left, free.top, free.width(), free.height()),
                         fromColorRef(doc.paperColor()));
    }
    if (m_pageStyle == 0) {
        painter.save();
        QPen frame(Qt::darkGray, 0);
        frame.setCosmetic(true);
        painter.setPen(frame);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(sheet);
        painter.restore();
    }
}

void CDomoraView::setGridSettings(const GridGuideSettings &settings)
{
    m_grid = settings;
    viewport()->update();
}

void CDomoraView::OnZoomChanged()
{
    viewport()->update();
}

void CDomoraView::applyInitialZoom()
{
    const CDomoraDoc &doc = m_plan.doc();
    SetZoomExtent({doc.paperSize().cx, doc.paperSize().cy});
    if (doc.GetDocType() == CDomoraDoc::normal) {
        ZoomFitSide(true, size());
        // A new window starts at the top of the sheet.
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
    } else {
        ZoomFitPage();
    }
    m_initialZoomDone = true;
}

void CDomoraView::showEvent(QShowEvent *event)
{
    CZoomView::showEvent(event);
    if (!m_initialZoomDone)
        applyInitialZoom();
}

// --- model::DocumentView ---------------------------------------------------------

geokit::Point CDomoraView::toDevice(geokit::Point sheetMm) const
{
    const QPointF p = toWindow(QPointF(sheetMm.x, sheetMm.y));
    return {int(std::lround(p.x())), int(std::lround(p.y()))};
}

geokit::Point CDomoraView::toSheet(geokit::Point device) const
{
    const QPointF p = toLogical(QPointF(device.x, device.y));
    return {int(std::floor(p.x())), int(std::floor(p.y()))};
}

QRect CDomoraView::windowRectOf(const CDrawObj *object) const
{
    geokit::Rect r = object->position();
    r.normalize();
    // Wall bands, captions, door swings and selection marks stay within a
    // few millimetres of the position.
    constexpr int marginMm = 8;
    const QPointF a = toWindow(QPointF(r.left - marginMm, r.top - marginMm));
    const QPointF b = toWindow(QPointF(r.right + marginMm, r.bottom + marginMm));
    return QRectF(a, b).normalized().toAlignedRect().adjusted(-4, -4, 4, 4);
}

void CDomoraView::invalidateObject(const CDrawObj *object)
{
    if (object)
        viewport()->update(windowRectOf(object));
}

void CDomoraView::onUpdate(int hint, const CDrawObj *object)
{
    if (hint == 1 && object)
        invalidateObject(object);
    else
        viewport()->update();
}

void CDomoraView::setPageSize(geokit::Size sheetMm)
{
    SetZoomExtent({sheetMm.cx, sheetMm.cy});
    viewport()->update();
    if (hasFocus())
        showAreaText();
}

void CDomoraView::setPrintableArea(const geokit::Rect &areaMm)
{
    m_printableArea = areaMm;
    ZoomToRect(QRect(QPoint(areaMm.left, areaMm.top), QPoint(areaMm.right, areaMm.bottom)));
}

bool CDomoraView::isSelected(const CDrawObj *object) const
{
    return std::find(m_selection.begin(), m_selection.end(), object) != m_selection.end();
}

void CDomoraView::deselect(const CDrawObj *object)
{
    if (m_editing)
        m_editing->objectRemoved(object);
    const auto it = std::find(m_selection.begin(), m_selection.end(), object);
    if (it == m_selection.end())
        return;
    invalidateObject(object);
    m_selection.erase(it);
    emit selectionChanged();
}

void CDomoraView::clearSelection()
{
    if (m_selection.empty())
        return;
    for (const CDrawObj *object : m_selection)
        invalidateObject(object);
    m_selection.clear();
    emit selectionChanged();
}

void CDomoraView::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    for (const CDrawObj *object : m_selection)
        invalidateObject(object);
}

// --- selection ----------------------------------------------------------------

void CDomoraView::SelectObj(CDrawObj *object, bool add)
{
    if (!add)
        clearSelection();
    if (object && !isSelected(object)) {
        m_selection.push_back(object);
        invalidateObject(object);
        emit selectionChanged();
    }
    if (editorOptions().BringToFrontOnClick && m_selection.size() == 1 &&
        dynamic_cast<CDrawPoly *>(m_selection.front())) {
        CDomoraDoc &doc = m_plan.doc();
        doc.moveObject(m_selection.front(), std::ssize(doc.objects()) - 1);
        doc.UpdateAllViews(nullptr, 1, m_selection.front());
        invalidateObject(m_selection.front());
    }
}

void CDomoraView::SelectAll()
{
    clearSelection();
    for (const auto &object : m_plan.doc().objects())
        SelectObj(object.get(), true);
}

std::vector<const CDrawObj *> CDomoraView::selectionInOrder() const
{
    return {m_selection.begin(), m_selection.end()};
}

// --- clipboard -------------------------------------------------------------------

QMimeData *CDomoraView::selectionMimeData(geokit::Point grabMm) const
{
    const std::vector<const CDrawObj *> objects = selectionInOrder();
    auto *data = new QMimeData;
    data->setData(planclipboard::nativeFormat(), planclipboard::encodeObjects(objects));
    data->setData(planclipboard::descriptorFormat(),
                  planclipboard::encodeDescriptor({planclipboard::boundsOf(objects), grabMm}));
    // A lone data item also goes out in its own format, for other programs.
    if (objects.size() == 1) {
        if (const auto *ole = dynamic_cast<const CDrawOleObj *>(objects.front());
            ole && ole->item() && !ole->item()->isBlank()) {
            const CDrawItem *item = ole->item();
            data->setData(item->mimeType(), item->data());
            if (item->mimeType().startsWith(QLatin1String("text/plain")))
                data->setText(QString::fromUtf8(item->data()));
            const QImage picture = QImage::fromData(item->data());
            if (!picture.isNull())
                data->setImageData(picture);
        }
    }
    return data;
}

void CDomoraView::OnEditCopy()
{
    if (m_selection.empty())
        return;
    m_plan.doc().CheckPoint();
    const geokit::Rect bounds = planclipboard::boundsOf(selectionInOrder());
    QGuiApplication::clipboard()->setMimeData(selectionMimeData(bounds.topLeft()));
}

void CDomoraView::OnEditCut()
{
    if (m_selection.empty())
        return;
    OnEditCopy();
    const std::vector<CDrawObj *> doomed = m_selection;
    for (CDrawObj *object : doomed)
        (void)m_plan.doc().RemoveObject(object);
    m_plan.doc().UpdateAllViews(nullptr);
}

void CDomoraView::OnEditClear()
{
    if (m_selection.empty())
        return;
    m_plan.doc().CheckPoint();
    const std::vector<CDrawObj *> doomed = m_selection;
    for (CDrawObj *object : doomed)
        (void)m_plan.doc().RemoveObject(object);
    m_plan.doc().UpdateAllViews(nullptr);
}

bool CDomoraView::canPaste() const
{
    return planclipboard::canPaste(QGuiApplication::clipboard()->mimeData());
}

bool CDomoraView::pasteData(const QMimeData *data, QPoint offsetMm)
{
    if (!planclipboard::canPaste(data))
        return false;
    CDomoraDoc &doc = m_plan.doc();
    std::vector<std::unique_ptr<CDrawObj>> objects;
    if (data->hasFormat(planclipboard::nativeFormat())) {
        QString error;
        objects = planclipboard::decodeObjects(data->data(planclipboard::nativeFormat()), &error);
        if (objects.empty()) {
            if (!error.isEmpty())
                platform::ui::error(this, tr("Impossibile incollare gli oggetti: %1").arg(error));
            return false;
        }
    } else {
        const geokit::Point topLeft{doc.borderLeft() + offsetMm.x(),
                                    doc.borderTop() + offsetMm.y()};
        auto item = planclipboard::dataItemFrom(data, topLeft, doc.paperSize());
        if (!item)
            return false;
        objects.push_back(std::move(item));
        offsetMm = {};
    }
    doc.CheckPoint();
    clearSelection();
    for (auto &object : objects) {
        if (!offsetMm.isNull()) {
            geokit::Rect r = object->position();
            r.offset(offsetMm.x(), offsetMm.y());
            object->MoveTo(r, nullptr);
        }
        SelectObj(doc.AddObject(std::move(object)), true);
    }
    doc.UpdateAllViews(nullptr);
    viewport()->update();
    return true;
}

void CDomoraView::OnEditPaste()
{
    pasteData(QGuiApplication::clipboard()->mimeData());
}

// --- export and printing --------------------------------------------------------------

bool CDomoraView::exportEnabled() const
{
    return m_plan.doc().GetDocType() == CDomoraDoc::printnet || m_exportAlways != 0;
}

void CDomoraView::OnExport()
{
    // The plan's title without the plan extension, so that the picture can
    // never be written over the plan itself.
    QString title = m_plan.title();
    if (title.endsWith(QLatin1String(".fpd"), Qt::CaseInsensitive))
        title.chop(4);
    CExportDlg dialog(title, this);
    dialog.setPercentage(75);
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return;
    const QString path = dialog.fileName();
    const platform::Registry reg(QStringLiteral("Domora"));
    const model::ExportResult result = model::exportDocument(
        m_plan.doc(), path, dialog.percentage(), dialog.trim(),
        reg.readInt(QStringLiteral("Layout"), QStringLiteral("ImageDPI"), 300));
    // Exports draw at the highest quality, and the option stays there.
    editorOptions().Performance = 5;
    applyEditorOptionsToModel();
    if (!result.ok)
        platform::ui::error(
            this, tr("Impossibile salvare l'immagine '%1'.\n\n%2").arg(path, result.error));
}

void CDomoraView::OnFilePrint()
{
    QPrinter *printer = sharedPrinter();
    if (!printer)
        return;
    QPrintDialog dialog(printer, this);
    dialog.setWindowTitle(tr("Stampa"));
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return;
    if (!planprinter::printDocument(m_plan.doc(), *printer, &m_grid))
        platform::ui::error(this, tr("Impossibile stampare sulla stampante scelta."));
}

void CDomoraView::OnFilePrintPreview()
{
    QPrinter *printer = sharedPrinter();
    if (!printer)
        return;
    QPrintPreviewDialog preview(printer, this);
    preview.setWindowTitle(tr("Anteprima di stampa - %1").arg(m_plan.title()));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *p) { planprinter::printDocument(m_plan.doc(), *p, &m_grid); });
    preview.resize(900, 700);
    platform::ui::execDialog(preview);
}

// --- commands -------------------------------------------------------------------------

void CDomoraView::toggleZoomTool(int mode)
{
    if (GetZoomTool() == mode) {
        SetZoomTool(ZoomNone);
        showPrompt({});
        return;
    }
    SetZoomTool(mode);
    showPrompt(mode == ZoomInTool
                   ? tr("Fai click nel punto che desideri ingrandire o seleziona una zona.")
                   : tr("Fai click in un punto per diminuire il fattore di zoom."));
}

bool CDomoraView::handleCommand(int id)
{
    if (m_editing && m_editing->handleCommand(id))
        return true;
    CDomoraDoc &doc = m_plan.doc();
    const QSize sheet(doc.paperSize().cx, doc.paperSize().cy);
    switch (id) {
    case cmd::ZoomIn:
        toggleZoomTool(ZoomInTool);
        return true;
    case cmd::ZoomOut:
        toggleZoomTool(ZoomOutTool);
        return true;
    case cmd::ZoomCustom: {
        CZoomDlg dialog(zoomScale(), this);
        if (platform::ui::execDialog(dialog) == QDialog::Accepted)
            SetZoomScale(dialog.percent() * 0.01f);
        return true;
    }
    case cmd::ZoomFitPage:
        ZoomFitPage();
        return true;
    case cmd::ZoomActualSize:
        ZoomActualSize();
        return true;
    case cmd::ZoomFitWidth:
    case cmd::ZoomFitHeight:
        SetZoomExtent(sheet);
        ZoomFitSide(id == cmd::ZoomFitWidth, size());
        return true;
    case cmd::EditCopy:
        OnEditCopy();
        return true;
    case cmd::EditCut:
        OnEditCut();
        return true;
    case cmd::EditPaste:
        OnEditPaste();
        return true;
    case cmd::EditClear:
        OnEditClear();
        return true;
    case cmd::EditSelectAll:
        SelectAll();
        return true;
    case cmd::EditUndo:
    case cmd::EditRedo:
        clearSelection();
        if (id == cmd::EditUndo ? doc.Undo() : doc.Redo())
            doc.SetModifiedFlag();
        doc.UpdateAllViews(nullptr);
        return true;
    case cmd::Export:
        if (exportEnabled())
            OnExport();
        return true;
    case cmd::FilePrint:
        OnFilePrint();
        return true;
    case cmd::FilePrintPreview:
        OnFilePrintPreview();
        return true;
    case cmd::GridGuides:
        if (editGridGuides(this, m_grid))
            viewport()->update();
        return true;
    case cmd::ShowCornerIds:
    case cmd::ShowWallIds:
    case cmd::ShowRotationCenter: {
        EditorOptions &o = editorOptions();
        int &flag = id == cmd::ShowCornerIds ? o.ShowCornerID
                    : id == cmd::ShowWallIds ? o.ShowWallID
                                             : o.ShowRotationCenter;
        flag = flag ? 0 : 1;
        applyEditorOptionsToModel();
        doc.UpdateAllViews(nullptr);
        return true;
    }
    default:
        return false;
    }
}

bool CDomoraView::updateCommand(int id, toolkit::CommandUpdate &update)
{
    if (m_editing && m_editing->updateCommand(id, update))
        return true;
    const CDomoraDoc &doc = m_plan.doc();
    switch (id) {
    case cmd::ZoomIn:
        update.checked = GetZoomTool() == ZoomInTool;
        return true;
    case cmd::ZoomOut:
        update.checked = GetZoomTool() == ZoomOutTool;
        return true;
    case cmd::ZoomCustom:
    case cmd::ZoomFitPage:
    case cmd::ZoomActualSize:
    case cmd::ZoomFitWidth:
    case cmd::ZoomFitHeight:
    case cmd::FilePrint:
    case cmd::FilePrintPreview:
    case cmd::GridGuides:
        return true;
    case cmd::EditCopy:
    case cmd::EditCut:
    case cmd::EditClear:
        update.enabled = !m_selection.empty();
        return true;
    case cmd::EditPaste:
        update.enabled = canPaste();
        return true;
    case cmd::EditSelectAll:
        update.enabled = !doc.objects().empty();
        return true;
    case cmd::EditUndo:
        update.enabled = doc.CanUndo();
        return true;
    case cmd::EditRedo:
        update.enabled = doc.CanRedo();
        return true;
    case cmd::Export:
        update.enabled = exportEnabled();
        return true;
    case cmd::ShowCornerIds:
        update.checked = editorOptions().ShowCornerID != 0;
        return true;
    case cmd::ShowWallIds:
        update.checked = editorOptions().ShowWallID != 0;
        return true;
    case cmd::ShowRotationCenter:
        update.checked = editorOptions().ShowRotationCenter != 0;
        return true;
    case cmd::FillColour:
    case cmd::BorderColour:
    case cmd::AutoFormat:
        // Printnet pages keep their fixed styles.
        if (doc.GetDocType() != CDomoraDoc::printnet)
            return false;
        update.enabled = false;
        return true;
    default:
        return false;
    }
}

// --- read-outs ----------------------------------------------------------------------

void CDomoraView::showPrompt(const QString &prompt)
{
    if (m_readouts)
        m_readouts->setPrompt(prompt);
}

void CDomoraView::showCursorReadouts(QPointF logicalMm)
{
    if (!m_readouts)
        return;
    const int x = int(std::floor(logicalMm.x()));
    const int y = int(std::floor(logicalMm.y()));
    m_readouts->setInfoText(ViewReadouts::positionControl, QString::asprintf("(%d, %d)", x, y));
    m_readouts->setInfoText(ViewReadouts::distanceControl,
                            QString::asprintf("%5.2f", std::sqrt(double(x) * x + double(y) * y)));
}

void CDomoraView::showAreaText()
{
    if (!m_readouts)
        return;
    const geokit::Size sheet = m_plan.doc().paperSize();
    m_readouts->setPaneText(ViewReadouts::areaPane,
                            tr("Area disponibile: %1x%2 [mm]").arg(sheet.cx).arg(sheet.cy));
}

void CDomoraView::focusInEvent(QFocusEvent *event)
{
    CZoomView::focusInEvent(event);
    showAreaText();
    viewport()->update();
}

// --- mouse ------------------------------------------------------------------------------

void CDomoraView::mousePressEvent(QMouseEvent *event)
{
    if (zoomToolActive() || !m_active) {
        CZoomView::mousePressEvent(event);
        return;
    }
    if (m_editing && m_editing->mousePress(*event))
        return;
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF mm = toLogical(event->position());
    CDrawObj *hit = m_plan.doc().ObjectAt({int(std::floor(mm.x())), int(std::floor(mm.y()))});
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (!hit) {
        if (!shift)
            clearSelection();
        return;
    }
    if (shift && isSelected(hit)) {
        deselect(hit);
        return;
    }
    if (!isSelected(hit))
        SelectObj(hit, shift);
    m_drag = Drag::Pending;
    m_pressWindow = event->position().toPoint();
    m_pressMm = mm;
    m_movedMm = {};
}

void CDomoraView::mouseMoveEvent(QMouseEvent *event)
{
    if (zoomToolActive() || !m_active) {
        CZoomView::mouseMoveEvent(event);
        return;
    }
    const QPointF mm = toLogical(event->position());
    showCursorReadouts(mm);
    if (m_editing && m_editing->mouseMove(*event))
        return;
    if (m_drag == Drag::None || !(event->buttons() & Qt::LeftButton))
        return;
    if (m_drag == Drag::Pending) {
        if ((event->position().toPoint() - m_pressWindow).manhattanLength() <
            QApplication::startDragDistance())
            return;
        m_drag = Drag::Moving;
        m_plan.doc().CheckPoint();
    }
    // Out of the window: the objects travel as data to wherever they are dropped.
    if (!viewport()->rect().contains(event->position().toPoint())) {
        startDrag();
        return;
    }
    const QPoint target(int(std::lround(mm.x() - m_pressMm.x())),
                        int(std::lround(mm.y() - m_pressMm.y())));
    if (target != m_movedMm) {
        moveSelection(target.x() - m_movedMm.x(), target.y() - m_movedMm.y());
        m_movedMm = target;
    }
}

void CDomoraView::mouseReleaseEvent(QMouseEvent *event)
{
    if (zoomToolActive() || !m_active) {
        CZoomView::mouseReleaseEvent(event);
        return;
    }
    if (m_editing && m_editing->mouseRelease(*event))
        return;
    if (m_drag == Drag::Moving && !m_movedMm.isNull())
        m_plan.doc().UpdateAllViews(this);
    m_drag = Drag::None;
}

void CDomoraView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // With a zoom tool a quick second click is a second zoom.
    if (zoomToolActive()) {
        CZoomView::mousePressEvent(event);
        return;
    }
    if (!m_active || (m_editing && m_editing->mouseDoubleClick(*event)) ||
        event->button() != Qt::LeftButton)
        return;
    const QPointF mm = toLogical(event->position());
    if (CDrawObj *hit = m_plan.doc().ObjectAt({int(std::floor(mm.x())), int(std::floor(mm.y()))}))
        hit->OnOpen(this);
}

void CDomoraView::keyPressEvent(QKeyEvent *event)
{
    if (!zoomToolActive() && m_editing && m_editing->keyPress(*event))
        return;
    if (event->key() == Qt::Key_Escape && zoomToolActive()) {
        SetZoomTool(ZoomNone);
        showPrompt({});
        return;
    }
    CZoomView::keyPressEvent(event);
}

void CDomoraView::moveSelection(int dxMm, int dyMm)
{
    if (dxMm == 0 && dyMm == 0)
        return;
    for (CDrawObj *object : m_selection) {
        geokit::Rect r = object->position();
        r.offset(dxMm, dyMm);
        object->MoveTo(r, this);
    }
    m_plan.doc().SetModifiedFlag();
}

void CDomoraView::startDrag()
{
    // Back where they were: the drop decides where they go.
    moveSelection(-m_movedMm.x(), -m_movedMm.y());
    m_movedMm = {};
    m_drag = Drag::None;
    auto *drag = new QDrag(this);
    drag->setMimeData(
        selectionMimeData({int(std::floor(m_pressMm.x())), int(std::floor(m_pressMm.y()))}));
    const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    if (action == Qt::MoveAction && drag->target() && drag->target() != viewport() &&
        !m_selection.empty()) {
        m_plan.doc().CheckPoint();
        const std::vector<CDrawObj *> doomed = m_selection;
        for (CDrawObj *object : doomed)
            (void)m_plan.doc().RemoveObject(object);
        m_plan.doc().UpdateAllViews(nullptr);
    }
}

// --- drag and drop ---------------------------------------------------------------------------

bool CDomoraView::isPlanFile(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("fpd"), Qt::CaseInsensitive) == 0;
}

QStringList CDomoraView::planFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile() && isPlanFile(url.toLocalFile()))
            files << url.toLocalFile();
    }
    return files;
}

void CDomoraView::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (!planFiles(data).isEmpty() || (data && data->hasFormat(planclipboard::nativeFormat())))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CDomoraView::dragMoveEvent(QDragMoveEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (!planFiles(data).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    if (data && data->hasFormat(planclipboard::nativeFormat()) &&
        sheetRectInWindow().contains(event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CDomoraView::dropEvent(QDropEvent *event)
{
    if (dropData(event->mimeData(), event->position(),
                 event->source() == this && event->dropAction() == Qt::MoveAction))
        event->acceptProposedAction();
    else
        event->ignore();
}

bool CDomoraView::dropData(const QMimeData *data, QPointF windowPos, bool moveWithinView)
{
    const QStringList files = planFiles(data);
    if (!files.isEmpty()) {
        emit filesDropped(files);
        return true;
    }
    if (!data || !data->hasFormat(planclipboard::nativeFormat()))
        return false;
    const QPointF at = toLogical(windowPos);
    QPoint offset;
    if (const auto descriptor =
            planclipboard::decodeDescriptor(data->data(planclipboard::descriptorFormat())))
        offset = QPoint(int(std::lround(at.x())) - descriptor->grabMm.x,
                        int(std::lround(at.y())) - descriptor->grabMm.y);
    if (moveWithinView) {
        // Dropped back where it came from: a move.
        m_plan.doc().CheckPoint();
        moveSelection(offset.x(), offset.y());
        m_plan.doc().UpdateAllViews(nullptr);
        return true;
    }
    return pasteData(data, offset);
}
