#pragma once

#include "editor/czoomview.h"
#include "editor/gridguides.h"
#include "model/documentview.h"
#include "toolkit/commandtable.h"

#include <QPointer>

#include <vector>

class CDrawObj;
class DocumentManager;
class PlanDocument;
class QImage;
class QMimeData;
class QPrinter;
class QTimer;
class ViewReadouts;

// The window onto a plan: draws the sheet and its objects, keeps the
// selection, and carries out the zoom, clipboard, print and export commands.
// Objects are selected with a click (Shift adds), moved by dragging, and
// dragged onto another plan's window to copy them there. Every five minutes
// it saves its plan (a plan never saved goes to a recovery copy).
class CDomoraView : public CZoomView, public model::DocumentView, public toolkit::CommandTarget
{
    Q_OBJECT
public:
    // Timer 2004: the automatic save, every five minutes.
    static constexpr int autosaveIntervalMs = 300000;

    CDomoraView(PlanDocument &plan, DocumentManager &documents, ViewReadouts *readouts,
                QWidget *parent = nullptr);
    ~CDomoraView() override;

    [[nodiscard]] PlanDocument &plan() const { return m_plan; }

    // The selection, in selection order.
    [[nodiscard]] const std::vector<CDrawObj *> &selection() const { return m_selection; }
    // Without `add` the selection is emptied first; an object not yet
    // selected is added. With BringToFrontOnClick set, a lone selected room
    // goes to the top of the drawing order.
    void SelectObj(CDrawObj *object, bool add = false);
    void SelectAll();

    // The clipboard commands.
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    void OnEditClear();
    [[nodiscard]] bool canPaste() const;
    // The objects of a native-format block (or a data item made from foreign
    // data) added to the plan and selected; `offsetMm` moves them.
    bool pasteData(const QMimeData *data, QPoint offsetMm = {});
    // What a drop at a point of the window does: plan files go to the frame
    // (filesDropped), objects are added where they were let go, or moved
    // when they come from this view's own selection.
    bool dropData(const QMimeData *data, QPointF windowPos, bool moveWithinView);

    // Export: the dialog, then the picture. Enabled for Printnet pages or
    // with ExportAlways.
    void OnExport();
    [[nodiscard]] bool exportEnabled() const;
    void OnFilePrint();
    void OnFilePrintPreview();

    // The initial zoom: normal plans fit the width, the others the page.
    void applyInitialZoom();

    [[nodiscard]] const GridGuideSettings &gridSettings() const { return m_grid; }
    void setGridSettings(const GridGuideSettings &settings);
    // The printer shared by every view of the program.
    static void setSharedPrinter(QPrinter *printer);
    // The placard's background picture, drawn behind placard sheets.
    static void setPlacardPicture(const QImage *picture);

    // model::DocumentView
    [[nodiscard]] CDomoraDoc *document() const override;
    [[nodiscard]] geokit::Point toDevice(geokit::Point sheetMm) const override;
    [[nodiscard]] geokit::Point toSheet(geokit::Point device) const override;
    void invalidateObject(const CDrawObj *object) override;
    void onUpdate(int hint, const CDrawObj *object) override;
    void setPageSize(geokit::Size sheetMm) override;
    void setPrintableArea(const geokit::Rect &areaMm) override;
    void deselect(const CDrawObj *object) override;
    void clearSelection() override;
    [[nodiscard]] bool isActive() const override { return m_active; }
    [[nodiscard]] bool isSelected(const CDrawObj *object) const override;
    [[nodiscard]] int editMode() const override { return 0; }

    // toolkit::CommandTarget
    bool handleCommand(int id) override;
    bool updateCommand(int id, toolkit::CommandUpdate &update) override;

    // Active while the view is the frame's active view; an inactive view
    // ignores the mouse.
    void setActive(bool active);
    // The plan is closing: the view lets go of it and draws nothing more.
    void detach();

signals:
    // The selection changed (every view of the plan hears it through the plan).
    void selectionChanged();
    // A plan file was dropped on the view.
    void filesDropped(const QStringList &paths);

protected:
    void OnDraw(QPainter &painter, const QRect &dirtyWindowRect) override;
    void OnZoomChanged() override;
    void showPrompt(const QString &prompt) override;

    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void toggleZoomTool(int mode);
    void showCursorReadouts(QPointF logicalMm);
    void showAreaText();
    void drawPage(QPainter &painter, const QRectF &visibleMm);
    [[nodiscard]] std::vector<const CDrawObj *> selectionInOrder() const;
    [[nodiscard]] QMimeData *selectionMimeData(geokit::Point grabMm) const;
    void moveSelection(int dxMm, int dyMm);
    void startDrag();
    [[nodiscard]] QRect windowRectOf(const CDrawObj *object) const;
    [[nodiscard]] static bool isPlanFile(const QString &path);
    [[nodiscard]] static QStringList planFiles(const QMimeData *data);

    PlanDocument &m_plan;
    DocumentManager &m_documents;
    ViewReadouts *m_readouts; // the frame's; may be null
    std::vector<CDrawObj *> m_selection;
    GridGuideSettings m_grid;
    int m_exportAlways = 0;
    int m_pageStyle = 1;
    bool m_active = false;
    bool m_initialZoomDone = false;
    bool m_detached = false;
    QTimer *m_autosave;
    geokit::Rect m_printableArea;

    // Moving the selection with the mouse.
    enum class Drag
    {
        None,
        Pending, // pressed on a selected object, not moved yet
        Moving   // the selection follows the mouse
    };
    Drag m_drag = Drag::None;
    QPoint m_pressWindow;
    QPointF m_pressMm;
    QPoint m_movedMm; // how far the selection has moved so far
};
