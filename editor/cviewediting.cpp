#include "editor/cviewediting.h"

#include "editor/cautoformatwizard.h"
#include "editor/cdoctypedlg.h"
#include "editor/cdomoraview.h"
#include "editor/clibraryimagedlg.h"
#include "editor/cnumberdlg.h"
#include "editor/commandids.h"
#include "editor/copeningsheet.h"
#include "editor/croomtypedlg.h"
#include "editor/editoroptions.h"
#include "editor/plandocument.h"
#include "editor/tools/autoformat.h"
#include "editor/tools/documenttype.h"
#include "editor/tools/roomcreation.h"
#include "editor/tools/roomedits.h"
#include "editor/tools/roompresets.h"
#include "editor/tools/selectionedits.h"
#include "editor/viewreadouts.h"
#include "model/cdomoradoc.h"
#include "model/cdrawimage.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawpoly.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"
#include "model/coordinates.h"
#include "model/modelhooks.h"
#include "platform/messagebox.h"
#include "platform/registry.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

using editing::Tool;
using geokit::Point;
using geokit::PointF;
namespace clickmode = editing::clickmode;

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CViewEditing", text);
}

PointF toF(Point p)
{
    return {float(p.x), float(p.y)};
}

Point sheetPoint(const CDomoraView &view, const QMouseEvent &event)
{
    const QPointF mm = view.toLogical(event.position());
    return {int(std::floor(mm.x())), int(std::floor(mm.y()))};
}

// What each click mode asks the user to do.
QString modePrompt(int mode)
{
    switch (mode) {
    case clickmode::insertOpening:
        return tr("Fai click sul muro evidenziato, poi nel punto d'inizio e in quello di fine "
                  "della porta o della finestra (Maiusc+click per scegliere un altro muro).");
    case clickmode::splitSegment:
        return tr("Fai click sul segmento da suddividere.");
    case clickmode::deleteSegment:
        return tr("Fai click sul segmento da eliminare.");
    case clickmode::moveOpening:
        return tr("Trascina la porta o la finestra lungo il suo muro.");
    case clickmode::deleteOpening:
        return tr("Fai click sulla porta o sulla finestra da eliminare.");
    case clickmode::invertOpening:
        return tr("Fai click sulla porta o sulla finestra di cui invertire il verso.");
    case clickmode::flipAlongWall:
    case clickmode::flipHorizontally:
        return tr("Fai click sulla porta o sulla finestra da ribaltare.");
    case clickmode::openingProperties:
        return tr("Fai click sulla porta o sulla finestra di cui vedere le proprietà.");
    case clickmode::rotateRoom:
        return tr("Trascina il mouse attorno al centro della stanza per ruotarla.");
    case clickmode::scaleRoom:
        return tr("Trascina il mouse verso il centro della stanza o lontano da esso per "
                  "ridimensionarla.");
    case clickmode::resizeOpening:
        return tr("Trascina un'estremità della porta o della finestra.");
    case clickmode::splitAtPoint:
        return tr("Fai click sul punto del segmento in cui aggiungere un vertice.");
    default:
        return {};
    }
}

std::unique_ptr<CDrawRect> shapeObject(Tool tool, Point p0, Point p1)
{
    using Shape = CDrawRect::Shape;
    const Shape shape = tool == Tool::Line        ? Shape::Line
                        : tool == Tool::Dimension ? Shape::DimensionLine
                        : tool == Tool::RoundRect ? Shape::RoundRectangle
                        : tool == Tool::Ellipse   ? Shape::Ellipse
                        : tool == Tool::Comment   ? Shape::Note
                                                  : Shape::Rectangle;
    auto object = std::make_unique<CDrawRect>(geokit::Rect{p0, p1}, shape);
    if (shape == Shape::Line || shape == Shape::DimensionLine)
        object->setPosition({p0, p1}); // a line keeps its direction
    if (shape == Shape::Note) {
        LabelStyle text = object->label2();
        text.text = tr("Nuovo commento");
        object->setLabel2(text);
    }
    return object;
}

} // namespace

CViewEditing::CViewEditing(CDomoraView &view, ViewReadouts *readouts)
    : m_view(view), m_readouts(readouts)
{
}

CViewEditing::~CViewEditing() = default;

CDomoraDoc &CViewEditing::doc() const
{
    return m_view.plan().doc();
}

QWidget *CViewEditing::window() const
{
    return &m_view;
}

void CViewEditing::setSpacing(bool on, double spacingMm)
{
    m_spacing = on;
    m_spacingMm = spacingMm;
}

CDrawPoly *CViewEditing::selectedRoom() const
{
    const auto &selection = m_view.selection();
    return selection.size() == 1 ? dynamic_cast<CDrawPoly *>(selection.front()) : nullptr;
}

bool CViewEditing::roomStillThere() const
{
    return m_modeRoom && doc().indexOf(m_modeRoom) >= 0;
}

void CViewEditing::repaint()
{
    m_view.viewport()->update();
}

void CViewEditing::prompt(const QString &text)
{
    if (m_readouts)
        m_readouts->setPrompt(text);
}

// ---- commands ------------------------------------------------------------------------

bool CViewEditing::handleCommand(int id)
{
    if (editing::toolForCommand(id))
        return chooseTool(id);
    if (const auto preset = editing::presetForCommand(id)) {
        presetCommand(id);
        return true;
    }
    if (const auto mode = editing::clickModeForCommand(id)) {
        if (CDrawPoly *room = selectedRoom()) {
            doc().CheckPoint();
            startClickMode(*mode, room);
        }
        return true;
    }
    switch (id) {
    case cmd::EditUndo:
    case cmd::EditRedo:
    case cmd::EditCut:
    case cmd::EditClear:
    case cmd::EditPaste:
        // These replace or remove objects: nothing may hold on to them. The
        // view carries the command out.
        cancelEverything();
        return false;
    case cmd::InsertOpening:
        insertOpening();
        return true;
    case cmd::SplitSegment:
        splitSegmentCommand();
        return true;
    case cmd::AlignHorizontally:
    case cmd::AlignVertically:
        alignCommand(id == cmd::AlignHorizontally);
        return true;
    case cmd::AlignToGrid:
        if (CDrawPoly *room = selectedRoom()) {
            endClickMode();
            editing::alignRoomToGrid(doc(), *room, m_view.gridSettings().spacingMm);
        }
        return true;
    case cmd::PredefinedStyles:
        predefinedStyles();
        return true;
    case cmd::MoveDown:
        moveCommand(0, editing::moveStepMm);
        return true;
    case cmd::MoveUp:
        moveCommand(0, -editing::moveStepMm);
        return true;
    case cmd::MoveLeft:
        moveCommand(-editing::moveStepMm, 0);
        return true;
    case cmd::MoveRight:
        moveCommand(editing::moveStepMm, 0);
        return true;
    case cmd::NudgeDown:
        moveCommand(0, editing::nudgeStepMm);
        return true;
    case cmd::NudgeUp:
        moveCommand(0, -editing::nudgeStepMm);
        return true;
    case cmd::NudgeLeft:
        moveCommand(-editing::nudgeStepMm, 0);
        return true;
    case cmd::NudgeRight:
        moveCommand(editing::nudgeStepMm, 0);
        return true;
    case cmd::Clone:
    case cmd::Duplicate:
        cloneCommand(id == cmd::Duplicate);
        return true;
    case cmd::OrderBackOne:
    case cmd::OrderForwardOne:
    case cmd::OrderToBack:
    case cmd::OrderToFront: {
        const editing::Order order = id == cmd::OrderBackOne      ? editing::Order::BackOne
                                     : id == cmd::OrderForwardOne ? editing::Order::ForwardOne
                                     : id == cmd::OrderToBack     ? editing::Order::ToBack
                                                                  : editing::Order::ToFront;
        if (editing::changeOrder(doc(), m_view.selection(), order))
            repaint();
        return true;
    }
    case cmd::DocumentType:
        documentType();
        return true;
    case cmd::FillColour:
    case cmd::BorderColour:
        if (doc().GetDocType() != CDomoraDoc::printnet)
            colourCommand(id == cmd::FillColour);
        return true;
    case cmd::AutoFormat:
        if (doc().GetDocType() != CDomoraDoc::printnet)
            autoFormat();
        return true;
    default:
        return false;
    }
}

bool CViewEditing::updateCommand(int id, toolkit::CommandUpdate &update)
{
    const editing::ToolState &state = editing::toolState();
    if (const auto tool = editing::toolForCommand(id)) {
        bool on = state.tool == *tool;
        if (*tool == Tool::Picture)
            on = on && state.pictureCommand == id;
        if (*tool == Tool::Select)
            on = on && m_view.GetZoomTool() == CZoomView::ZoomNone;
        update.checked = on;
        return true;
    }
    if (editing::isRoomCommand(id)) {
        update.enabled = selectedRoom() != nullptr;
        return true;
    }
    if (editing::presetForCommand(id)) {
        const auto &selection = m_view.selection();
        update.enabled = std::any_of(selection.begin(), selection.end(), [](CDrawObj *o) {
            return dynamic_cast<CDrawPoly *>(o) != nullptr;
        });
        return true;
    }
    switch (id) {
    case cmd::MoveDown:
    case cmd::MoveUp:
    case cmd::MoveLeft:
    case cmd::MoveRight:
    case cmd::NudgeDown:
    case cmd::NudgeUp:
    case cmd::NudgeLeft:
    case cmd::NudgeRight:
    case cmd::Clone:
    case cmd::Duplicate:
    case cmd::OrderBackOne:
    case cmd::OrderForwardOne:
    case cmd::OrderToBack:
    case cmd::OrderToFront:
        update.enabled = !m_view.selection().empty();
        return true;
    case cmd::DocumentType:
        return true;
    case cmd::FillColour:
    case cmd::BorderColour:
        update.enabled = !m_view.selection().empty() && doc().GetDocType() != CDomoraDoc::printnet;
        return true;
    case cmd::AutoFormat:
        // Printnet pages keep their fixed styles.
        update.enabled = doc().GetDocType() != CDomoraDoc::printnet;
        return true;
    default:
        return false;
    }
}

bool CViewEditing::chooseTool(int id)
{
    const Tool tool = *editing::toolForCommand(id);
    if (tool == Tool::Picture) {
        const editing::PictureSource source = *editing::pictureSourceForCommand(id);
        m_view.SetZoomTool(CZoomView::ZoomNone);
        CLibraryImageDlg picker(window());
        picker.setCaption(source.caption);
        picker.setLibraryFolder(source.folder);
        picker.setAllowSizeChoice(true);
        picker.setFoldableDetails(true);
        if (platform::ui::execDialog(picker) != QDialog::Accepted ||
            picker.selectedPath().isEmpty())
            return true;
        editing::ToolState &state = editing::toolState();
        state.picturePath = picker.selectedPath();
        state.keepPictureSize = picker.keepSourceSize();
        doc().CheckPoint();
        setTool(Tool::Picture, id);
        prompt(state.keepPictureSize
                   ? tr("Fai click nel punto in cui inserire l'immagine.")
                   : tr("Trascina il mouse per dare all'immagine la dimensione voluta."));
        return true;
    }
    if (tool == Tool::RegularPolygon) {
        CNumberDlg dialog(tr("Inserisci poligono regolare"),
                          tr("&Seleziona il numero di lati della figura:"), 3, 3, 30, window());
        if (platform::ui::execDialog(dialog) != QDialog::Accepted)
            return true;
        editing::toolState().count = dialog.value();
    }
    setTool(tool, id);
    return true;
}

void CViewEditing::setTool(Tool tool, int command)
{
    if (m_drawing)
        finishDrawing();
    endClickMode();
    m_dragging = false;
    editing::ToolState &state = editing::toolState();
    state.tool = tool;
    state.pictureCommand = tool == Tool::Picture ? command : 0;
    if (tool != Tool::Picture)
        state.picturePath.clear();
    m_view.SetZoomTool(CZoomView::ZoomNone);
    m_view.viewport()->setCursor(tool == Tool::Select ? Qt::ArrowCursor : Qt::CrossCursor);
    repaint();
}

void CViewEditing::startClickMode(int mode, CDrawPoly *room)
{
    endClickMode();
    if (m_drawing)
        finishDrawing();
    m_mode = mode;
    m_modeRoom = room;
    prompt(modePrompt(mode));
    repaint();
}

void CViewEditing::endClickMode()
{
    if (m_mode == clickmode::none)
        return;
    if (roomStillThere()) {
        if (m_insertion)
            m_insertion->cancel();
        if (m_mover && m_mover->isDragging())
            m_mover->release();
        clearHighlights();
        if (m_modeRoom->document())
            m_modeRoom->Invalidate();
    }
    m_insertion.reset();
    m_mover.reset();
    m_original.reset();
    m_modeRoom = nullptr;
    m_mode = clickmode::none;
    m_dragText.clear();
    prompt({});
    repaint();
}

void CViewEditing::cancelEverything()
{
    endClickMode();
    if (m_drawing)
        finishDrawing();
    m_dragging = false;
}

void CViewEditing::objectRemoved(const CDrawObj *object)
{
    if (object && object == m_modeRoom) {
        // Leaving the plan: let go without touching it.
        m_insertion.reset();
        m_mover.reset();
        m_original.reset();
        m_modeRoom = nullptr;
        m_mode = clickmode::none;
        prompt({});
    }
    if (object && object == m_drawing)
        m_drawing = nullptr;
}

void CViewEditing::insertOpening()
{
    CDrawPoly *room = selectedRoom();
    if (!room)
        return;
    COpeningSheet sheet(COpeningSheet::Purpose::Insert, {}, window());
    if (platform::ui::execDialog(sheet) != QDialog::Accepted)
        return;
    doc().CheckPoint();
    endClickMode();
    editing::toolState().opening = sheet.properties();
    // The room to the front, so that its walls can be picked.
    doc().moveObject(room, std::ssize(doc().objects()) - 1);
    startClickMode(clickmode::insertOpening, room);
    m_insertion =
        std::make_unique<model::OpeningInsertion>(doc(), *room, editing::toolState().opening);
}

void CViewEditing::splitSegmentCommand()
{
    CDrawPoly *room = selectedRoom();
    if (!room)
        return;
    CNumberDlg dialog(tr("Suddividi segmento"),
                      tr("&Seleziona il numero di vertici da aggiungere:"), 1, 1, 30, window());
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return;
    doc().CheckPoint();
    endClickMode();
    editing::toolState().count = dialog.value();
    startClickMode(clickmode::splitSegment, room);
}

void CViewEditing::alignCommand(bool horizontal)
{
    CDrawPoly *room = selectedRoom();
    if (!room)
        return;
    CNumberDlg dialog(horizontal ? tr("Allinea i segmenti orizzontalmente")
                                 : tr("Allinea i segmenti verticalmente"),
                      tr("&Numero di pixel di tolleranza (+/-):"), 5, 1, 30, window());
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return;
    endClickMode();
    doc().CheckPoint();
    editing::alignRoom(doc(), *room, horizontal, dialog.value());
}

void CViewEditing::presetCommand(int id)
{
    endClickMode();
    if (editing::applyPresetToRooms(doc(), m_view.selection(), *editing::presetForCommand(id)) > 0)
        repaint();
}

void CViewEditing::predefinedStyles()
{
    if (!selectedRoom())
        return;
    CRoomTypeDlg dialog(window());
    if (platform::ui::execDialog(dialog) != QDialog::Accepted || !dialog.preset())
        return;
    endClickMode();
    editing::applyPresetToRooms(doc(), m_view.selection(), *dialog.preset());
    repaint();
}

void CViewEditing::moveCommand(int dxMm, int dyMm)
{
    endClickMode();
    if (editing::moveObjects(doc(), m_view.selection(), dxMm, dyMm, &m_view))
        repaint();
}

void CViewEditing::cloneCommand(bool offset)
{
    endClickMode();
    const std::vector<CDrawObj *> copies = editing::cloneObjects(doc(), m_view.selection(), offset);
    if (copies.empty())
        return;
    m_view.SelectObj(copies.front());
    for (size_t i = 1; i < copies.size(); ++i)
        m_view.SelectObj(copies[i], true);
    repaint();
}

void CViewEditing::colourCommand(bool fill)
{
    const std::vector<CDrawObj *> &selection = m_view.selection();
    if (selection.empty())
        return;
    const quint32 initial = fill ? editing::fillColourOf(*selection.front())
                                 : editing::borderColourOf(*selection.front());
    QColorDialog dialog(QColor::fromRgba(initial), window());
    dialog.setWindowTitle(fill ? tr("Colore di riempimento") : tr("Colore del bordo"));
    dialog.setOption(QColorDialog::ShowAlphaChannel);
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return;
    endClickMode();
    const quint32 argb = dialog.selectedColor().rgba();
    const int changed = fill ? editing::applyFillColour(doc(), selection, argb)
                             : editing::applyBorderColour(doc(), selection, argb);
    if (changed > 0)
        repaint();
}

void CViewEditing::documentType()
{
    CDocTypeDlg dialog(window());
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return;
    endClickMode();
    editing::applyDocumentType(doc(), dialog.choice());
}

void CViewEditing::autoFormat()
{
    platform::Registry registry(QStringLiteral("Domora"));
    CAutoFormatWizard wizard(registry, window());
    if (platform::ui::execDialog(wizard) != QDialog::Accepted || wizard.style() < 0)
        return;
    endClickMode();
    if (editing::applyAutoFormat(doc(), wizard.style(), wizard.options()) > 0)
        repaint();
}

// ---- mouse and keys -------------------------------------------------------------------

bool CViewEditing::mousePress(QMouseEvent &event)
{
    const Point p = sheetPoint(m_view, event);
    const bool shift = event.modifiers() & Qt::ShiftModifier;
    if (event.button() == Qt::RightButton) {
        if (m_mode != clickmode::none || m_drawing || m_dragging) {
            cancelEverything();
            return true;
        }
        return false;
    }
    if (event.button() != Qt::LeftButton)
        return m_mode != clickmode::none;
    if (m_mode != clickmode::none) {
        clickModePress(p, shift);
        return true;
    }
    switch (editing::toolState().tool) {
    case Tool::Select:
        return false;
    case Tool::PolyRoom:
    case Tool::OpenPath:
        addDrawingVertex(p, shift);
        return true;
    default:
        m_dragging = true;
        m_dragStart = m_dragNow = p;
        return true;
    }
}

bool CViewEditing::mouseMove(QMouseEvent &event)
{
    const Point p = sheetPoint(m_view, event);
    if (m_mode != clickmode::none) {
        clickModeMove(p, event.buttons() & Qt::LeftButton, event.modifiers() & Qt::ShiftModifier);
        return true;
    }
    const Tool tool = editing::toolState().tool;
    if (tool == Tool::PolyRoom || tool == Tool::OpenPath) {
        m_mouse = p;
        if (m_drawing)
            showDrawingReadouts(p);
        repaint();
        return true;
    }
    if (m_dragging) {
        m_dragNow = p;
        repaint();
        return true;
    }
    return tool != Tool::Select;
}

bool CViewEditing::mouseRelease(QMouseEvent &event)
{
    const Point p = sheetPoint(m_view, event);
    if (m_mode != clickmode::none) {
        if (event.button() == Qt::LeftButton)
            clickModeRelease(p);
        return true;
    }
    if (m_dragging && event.button() == Qt::LeftButton) {
        m_dragging = false;
        finishDrag(p);
        return true;
    }
    return editing::toolState().tool != Tool::Select;
}

bool CViewEditing::mouseDoubleClick(QMouseEvent &)
{
    if (m_drawing) {
        finishDrawing();
        return true;
    }
    return m_mode != clickmode::none || editing::toolState().tool != Tool::Select;
}

bool CViewEditing::keyPress(QKeyEvent &event)
{
    if (event.key() != Qt::Key_Escape)
        return false;
    if (m_drawing) {
        finishDrawing();
        return true;
    }
    if (m_mode != clickmode::none || m_dragging) {
        cancelEverything();
        return true;
    }
    if (editing::toolState().tool != Tool::Select) {
        setTool(Tool::Select);
        return true;
    }
    return false;
}

// ---- the drawing tools ------------------------------------------------------------------

void CViewEditing::finishDrag(Point end)
{
    const Tool tool = editing::toolState().tool;
    const Point start = m_dragStart;
    repaint();
    switch (tool) {
    case Tool::RectRoom:
    case Tool::RegularPolygon:
        if (!editing::hasArea(start, end)) {
            platform::ui::warning(window(), editing::zeroSizeRoomMessage());
            return;
        }
        createRoom(tool == Tool::RectRoom
                       ? editing::rectangleVertices(start, end)
                       : editing::regularPolygonVertices(start, end, editing::toolState().count));
        return;
    case Tool::Picture: {
        editing::ToolState &state = editing::toolState();
        geokit::Rect rect{start, end};
        rect.normalize();
        if (state.keepPictureSize || rect.isEmpty()) {
            const auto size = editing::pictureSizeMm(state.picturePath);
            if (!size) {
                platform::ui::warning(
                    window(), tr("Impossibile leggere l'immagine \"%1\".").arg(state.picturePath));
                setTool(Tool::Select);
                return;
            }
            rect = {start.x, start.y, start.x + size->cx, start.y + size->cy};
        }
        doc().CheckPoint();
        CDrawObj *picture = doc().AddObject(std::make_unique<CDrawImage>(rect, state.picturePath));
        m_view.SelectObj(picture);
        picture->Invalidate();
        setTool(Tool::Select);
        prompt({});
        return;
    }
    case Tool::Line:
    case Tool::Dimension:
        if (start == end)
            return;
        break;
    default: {
        geokit::Rect rect{start, end};
        rect.normalize();
        if (rect.isEmpty())
            return;
        break;
    }
    }
    doc().CheckPoint();
    std::unique_ptr<CDrawObj> object;
    if (tool == Tool::Text) {
        object = std::make_unique<CDrawText>(geokit::Rect{start, end});
    } else {
        object = shapeObject(tool, start, end);
    }
    CDrawObj *added = doc().AddObject(std::move(object));
    m_view.SelectObj(added);
    added->Invalidate();
    setTool(Tool::Select);
}

void CViewEditing::createRoom(const std::vector<PointF> &vertices)
{
    doc().CheckPoint();
    CDrawObj *room = doc().AddObject(editing::makeRoom(vertices));
    m_view.SelectObj(room);
    room->Invalidate();
    setTool(Tool::Select);
    // The new room takes a room type at once; Annulla leaves it plain.
    CRoomTypeDlg dialog(window());
    if (platform::ui::execDialog(dialog) == QDialog::Accepted && dialog.preset() &&
        doc().indexOf(room) >= 0) {
        editing::applyPreset(static_cast<CDrawPoly &>(*room), *dialog.preset());
        room->Invalidate();
        doc().SetModifiedFlag();
    }
}

void CViewEditing::addDrawingVertex(Point point, bool shiftHeld)
{
    const geokit::Size sheet = doc().paperSize();
    const bool onSheet = point.x >= 1 && point.x < sheet.cx && point.y >= 1 && point.y < sheet.cy;
    if (editorOptions().ForceInside && !shiftHeld && !onSheet)
        return;
    const PointF vertex = toF(point);
    if (!m_drawing) {
        doc().CheckPoint();
        std::unique_ptr<CDrawObj> object;
        if (editing::toolState().tool == Tool::PolyRoom) {
            auto room = std::make_unique<CDrawPoly>(geokit::Rect{point, point});
            editing::addRoomVertex(*room, vertex);
            object = std::move(room);
        } else {
            auto wall = std::make_unique<CDrawOpenPath>(geokit::Rect{point, point});
            editing::addWallVertex(*wall, vertex);
            object = std::move(wall);
        }
        m_drawing = doc().AddObject(std::move(object));
        m_view.SelectObj(m_drawing);
    } else {
        auto *room = dynamic_cast<CDrawPoly *>(m_drawing);
        auto *wall = dynamic_cast<CDrawOpenPath *>(m_drawing);
        const std::vector<PointF> &points = room ? room->points() : wall->points();
        if (m_spacing && !points.empty() && editing::tooClose(points.back(), vertex, m_spacingMm))
            return;
        m_drawing->Invalidate();
        if (room)
            editing::addRoomVertex(*room, vertex);
        else
            editing::addWallVertex(*wall, vertex);
        doc().SetModifiedFlag();
    }
    m_drawing->Invalidate();
    showDrawingReadouts(point);
    repaint();
}

void CViewEditing::finishDrawing()
{
    CDrawObj *object = m_drawing;
    m_drawing = nullptr;
    m_mouse.reset();
    if (object && doc().indexOf(object) >= 0) {
        auto *room = dynamic_cast<CDrawPoly *>(object);
        auto *wall = dynamic_cast<CDrawOpenPath *>(object);
        const int count = room ? room->pointCount() : wall->pointCount();
        if (count < (room ? 3 : 2)) {
            // Too few vertices for a room or a wall: it goes again.
            object->Invalidate();
            (void)doc().RemoveObject(object);
        } else {
            if (room)
                room->setFresh(0);
            object->Invalidate();
            doc().SetModifiedFlag();
        }
    }
    if (m_readouts) {
        const editing::DrawingReadouts r = editing::finishedReadouts();
        m_readouts->setInfoText(ViewReadouts::drawPointControl, r.pointMm);
        m_readouts->setInfoText(ViewReadouts::drawPointRealControl, r.pointM);
        m_readouts->setInfoText(ViewReadouts::drawLengthControl, r.lengthMm);
        m_readouts->setInfoText(ViewReadouts::drawLengthRealControl, r.lengthM);
        m_readouts->setInfoText(ViewReadouts::positionControl, editing::finishedPosition());
        m_readouts->setPrompt({});
    }
    repaint();
}

void CViewEditing::showDrawingReadouts(Point mouse)
{
    if (!m_readouts)
        return;
    std::optional<PointF> previous;
    if (const auto *room = dynamic_cast<const CDrawPoly *>(m_drawing); room && room->pointCount())
        previous = room->points().back();
    if (const auto *wall = dynamic_cast<const CDrawOpenPath *>(m_drawing);
        wall && wall->pointCount())
        previous = wall->points().back();
    const editing::DrawingReadouts r = editing::drawingReadouts(mouse, previous, doc().scale());
    m_readouts->setInfoText(ViewReadouts::drawPointControl, r.pointMm);
    m_readouts->setInfoText(ViewReadouts::drawPointRealControl, r.pointM);
    m_readouts->setInfoText(ViewReadouts::drawLengthControl, r.lengthMm);
    m_readouts->setInfoText(ViewReadouts::drawLengthRealControl, r.lengthM);
    m_readouts->setPrompt(r.status);
}

void CViewEditing::drawOverlay(QPainter &painter)
{
    painter.save();
    QPen pen(QColor(0x1E, 0x4E, 0x8C), 0, Qt::DashLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const Tool tool = editing::toolState().tool;
    if (m_dragging && m_mode == clickmode::none) {
        const QPointF a(m_dragStart.x, m_dragStart.y), b(m_dragNow.x, m_dragNow.y);
        const QRectF rect = QRectF(a, b).normalized();
        switch (tool) {
        case Tool::Line:
        case Tool::Dimension:
            painter.drawLine(a, b);
            break;
        case Tool::Ellipse:
            painter.drawEllipse(rect);
            break;
        case Tool::RegularPolygon: {
            QPolygonF outline;
            for (const PointF &v : editing::regularPolygonVertices(m_dragStart, m_dragNow,
                                                                   editing::toolState().count))
                outline << QPointF(v.x, v.y);
            painter.drawPolygon(outline);
            break;
        }
        default:
            painter.drawRect(rect);
            break;
        }
    }
    if (m_drawing && m_mouse) {
        std::optional<PointF> last;
        std::optional<PointF> first;
        if (const auto *room = dynamic_cast<const CDrawPoly *>(m_drawing);
            room && room->pointCount()) {
            last = room->points().back();
            first = room->points().front();
        }
        if (const auto *wall = dynamic_cast<const CDrawOpenPath *>(m_drawing);
            wall && wall->pointCount())
            last = wall->points().back();
        const QPointF mouse(m_mouse->x, m_mouse->y);
        if (last)
            painter.drawLine(QPointF(last->x, last->y), mouse);
        if (first && first != last)
            painter.drawLine(mouse, QPointF(first->x, first->y));
    }
    if ((m_mode == clickmode::rotateRoom || m_mode == clickmode::scaleRoom) && m_original) {
        const QPointF c(m_centre.x, m_centre.y);
        painter.drawLine(c - QPointF(3, 0), c + QPointF(3, 0));
        painter.drawLine(c - QPointF(0, 3), c + QPointF(0, 3));
        if (!m_dragText.isEmpty()) {
            painter.save();
            const QPointF at = painter.transform().map(QPointF(m_pressMm.x, m_pressMm.y));
            painter.resetTransform();
            painter.setPen(Qt::black);
            painter.drawText(at + QPointF(12, -8), m_dragText);
            painter.restore();
        }
    }
    painter.restore();
}

// ---- the click modes ---------------------------------------------------------------------

std::optional<editing::SegmentHit> CViewEditing::wallAt(Point point) const
{
    if (!roomStillThere())
        return std::nullopt;
    return editing::segmentAt(editing::shapeOf(*m_modeRoom), point);
}

model::OpeningRef CViewEditing::openingAt(Point point) const
{
    const auto hit = wallAt(point);
    if (!hit)
        return {};
    const auto &segments = m_modeRoom->segmentStyles();
    if (static_cast<size_t>(hit->segment) >= segments.size())
        return {};
    const int index = editing::openingAt(segments[static_cast<size_t>(hit->segment)], hit->along);
    if (index < 0)
        return {};
    return {m_modeRoom, hit->segment, index};
}

void CViewEditing::highlightWall(int segment)
{
    if (!roomStillThere())
        return;
    bool changed = false;
    for (size_t i = 0; i < m_modeRoom->segmentStyles().size(); ++i) {
        const qint32 wanted = static_cast<int>(i) == segment ? 1 : 0;
        if (m_modeRoom->segmentStyles()[i].highlighted != wanted) {
            SegmentStyle s = m_modeRoom->segmentStyles()[i];
            s.highlighted = wanted;
            m_modeRoom->setSegmentStyle(i, std::move(s));
            changed = true;
        }
    }
    if (changed)
        m_modeRoom->Invalidate();
}

void CViewEditing::highlightOpening(const model::OpeningRef &ref)
{
    if (!roomStillThere())
        return;
    bool changed = false;
    const auto &segments = m_modeRoom->segmentStyles();
    for (size_t i = 0; i < segments.size(); ++i) {
        SegmentStyle s = segments[i];
        bool segmentChanged = false;
        for (size_t k = 0; k < s.openings.size(); ++k) {
            const qint32 wanted =
                static_cast<int>(i) == ref.segment && static_cast<int>(k) == ref.index ? 1 : 0;
            if (s.openings[k].highlighted != wanted) {
                s.openings[k].highlighted = wanted;
                segmentChanged = true;
            }
        }
        if (segmentChanged) {
            m_modeRoom->setSegmentStyle(i, std::move(s));
            changed = true;
        }
    }
    if (changed)
        m_modeRoom->Invalidate();
}

void CViewEditing::clearHighlights()
{
    highlightWall(-1);
    highlightOpening({});
}

void CViewEditing::clickModeMove(Point point, bool buttonHeld, bool shiftHeld)
{
    if (!roomStillThere()) {
        endClickMode();
        return;
    }
    switch (m_mode) {
    case clickmode::insertOpening:
        if (m_insertion && m_insertion->mouseMove(point, shiftHeld))
            repaint();
        return;
    case clickmode::splitSegment:
    case clickmode::deleteSegment:
    case clickmode::splitAtPoint: {
        const auto hit = wallAt(point);
        highlightWall(hit ? hit->segment : -1);
        return;
    }
    case clickmode::moveOpening: {
        if (m_mover && m_mover->isDragging()) {
            if (buttonHeld)
                m_mover->drag(point);
            return;
        }
        const auto hit = wallAt(point);
        if (!hit) {
            highlightOpening({});
            return;
        }
        // A mover for the wall under the mouse; it highlights the door there.
        highlightOpening({});
        m_mover = std::make_unique<model::OpeningMover>(doc(), *m_modeRoom, hit->segment);
        m_mover->hover(point);
        return;
    }
    case clickmode::rotateRoom:
    case clickmode::scaleRoom:
    case clickmode::resizeOpening:
        if (m_original && buttonHeld)
            turnOrScale(point);
        else if (m_mode == clickmode::resizeOpening && !m_original)
            highlightOpening(openingAt(point));
        return;
    default:
        if (editing::picksOpening(m_mode))
            highlightOpening(openingAt(point));
        return;
    }
}

void CViewEditing::clickModePress(Point point, bool shiftHeld)
{
    if (!roomStillThere()) {
        endClickMode();
        return;
    }
    CDrawPoly &room = *m_modeRoom;
    switch (m_mode) {
    case clickmode::insertOpening:
        if (m_insertion && m_insertion->click(point, shiftHeld)) {
            repaint();
            if (m_insertion->state() == model::OpeningInsertion::State::Finished) {
                m_insertion.reset();
                endClickMode();
            }
        }
        return;
    case clickmode::splitSegment:
    case clickmode::deleteSegment:
    case clickmode::splitAtPoint: {
        const auto hit = wallAt(point);
        const int mode = m_mode;
        highlightWall(-1);
        endClickMode();
        if (!hit)
            return;
        if (mode == clickmode::splitSegment) {
            editing::splitSegment(doc(), room, hit->segment, editing::toolState().count);
        } else if (mode == clickmode::splitAtPoint) {
            editing::splitSegmentAtPoint(doc(), room, hit->segment, point);
        } else if (!editing::deleteSegment(doc(), room, hit->segment)) {
            platform::ui::warning(window(), tr("Una stanza deve avere almeno tre muri: il "
                                               "segmento non può essere eliminato."));
        }
        repaint();
        return;
    }
    case clickmode::moveOpening:
        if (!m_mover || !m_mover->press(point))
            endClickMode();
        return;
    case clickmode::rotateRoom:
    case clickmode::scaleRoom:
        m_original = editing::shapeOf(room);
        m_centre = editing::boundsOf(m_original->points).centre();
        m_pressMm = toF(point);
        return;
    case clickmode::resizeOpening: {
        const model::OpeningRef ref = openingAt(point);
        const auto hit = wallAt(point);
        if (!ref.room || !hit) {
            endClickMode();
            return;
        }
        highlightOpening(ref);
        m_original = editing::shapeOf(room);
        m_resizeSegment = ref.segment;
        m_resizeOpening = ref.index;
        m_resizeEnd = editing::nearerEnd(m_original->segments[static_cast<size_t>(ref.segment)]
                                             .openings[static_cast<size_t>(ref.index)],
                                         hit->along);
        m_pressMm = toF(point);
        return;
    }
    default:
        if (editing::picksOpening(m_mode)) {
            const model::OpeningRef ref = openingAt(point);
            actOnOpening(ref);
        }
        return;
    }
}

void CViewEditing::clickModeRelease(Point point)
{
    switch (m_mode) {
    case clickmode::moveOpening:
        if (m_mover && m_mover->isDragging()) {
            m_mover->release();
            endClickMode();
        }
        return;
    case clickmode::rotateRoom:
    case clickmode::scaleRoom:
    case clickmode::resizeOpening:
        if (m_original) {
            turnOrScale(point);
            if (roomStillThere())
                doc().SetModifiedFlag();
            endClickMode();
        }
        return;
    default:
        return;
    }
}

void CViewEditing::turnOrScale(Point point)
{
    if (!roomStillThere() || !m_original)
        return;
    editing::RoomShape shape = *m_original;
    const PointF to = toF(point);
    if (m_mode == clickmode::rotateRoom) {
        const double angle = editing::dragAngleDeg(m_centre, m_pressMm, to);
        editing::rotateShape(shape, m_centre, angle);
        m_dragText = QString::asprintf("%.1f°", angle);
    } else if (m_mode == clickmode::scaleRoom) {
        const auto factor = editing::dragFactor(m_centre, m_pressMm, to);
        if (!factor)
            return;
        editing::scaleShape(shape, m_centre, *factor);
        m_dragText = QString::asprintf("%.0f%%", *factor * 100.0);
    } else {
        const geokit::Point a{model::truncToInt(shape.start(m_resizeSegment).x),
                              model::truncToInt(shape.start(m_resizeSegment).y)};
        const geokit::Point b{model::truncToInt(shape.end(m_resizeSegment).x),
                              model::truncToInt(shape.end(m_resizeSegment).y)};
        Point foot;
        double along = 0.0;
        if (!geokit::ptIntersectsLine(point, a, b, model::OpeningInsertion::toleranceMm, foot,
                                      along))
            return;
        Opening &o = shape.segments[static_cast<size_t>(m_resizeSegment)]
                         .openings[static_cast<size_t>(m_resizeOpening)];
        if (!editing::resizeOpening(o, m_resizeEnd, along, shape.lengthMm(m_resizeSegment)))
            return;
        o.highlighted = 1;
        m_dragText = QString::asprintf("%d mm", std::abs(o.size));
    }
    if (model::modelOptions().placementEnforced() && editing::onSheet(doc(), m_original->points) &&
        !editing::onSheet(doc(), shape.points))
        return;
    m_modeRoom->Invalidate();
    editing::applyShape(*m_modeRoom, std::move(shape));
    m_modeRoom->Invalidate();
    prompt(m_dragText);
    repaint();
}

void CViewEditing::actOnOpening(const model::OpeningRef &ref)
{
    const int mode = m_mode;
    if (!model::openingAt(ref)) {
        endClickMode();
        return;
    }
    switch (mode) {
    case clickmode::deleteOpening:
        model::deleteOpening(doc(), ref);
        break;
    case clickmode::invertOpening:
        model::invertOpeningOrientation(doc(), ref);
        break;
    case clickmode::flipAlongWall:
        model::flipOpeningAlongWall(doc(), ref);
        break;
    case clickmode::flipHorizontally:
        model::flipOpeningHorizontally(doc(), ref);
        break;
    case clickmode::openingProperties: {
        COpeningSheet sheet(COpeningSheet::Purpose::Edit,
                            model::openingProperties(*model::openingAt(ref)), window());
        if (platform::ui::execDialog(sheet) == QDialog::Accepted)
            model::setOpeningProperties(doc(), ref, sheet.properties());
        break;
    }
    default:
        break;
    }
    endClickMode();
}
