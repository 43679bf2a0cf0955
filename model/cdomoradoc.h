#pragma once

#include "geokit/geokit.h"
#include "model/cundohistory.h"
#include "model/objectrecycler.h"
#include "model/safesave.h"
#include "model/summaryinfo.h"

#include <QElapsedTimer>
#include <QString>

#include <memory>
#include <vector>

class CDrawObj;

namespace graphics {
class Context;
}
namespace model {
class ArchiveReader;
class CompoundFile;
class ArchiveWriter;
class DocumentView;
} // namespace model

// The values a new document is made from: its kind, and what the
// new-document wizard chose when it made the document.
struct NewDocumentOptions
{
    qint32 docType = 0;
    bool fromWizard = false;
    float scale = 0.5f;
    QString summaryTitle;
    QString summarySubject;
};

// A floor plan: the sheet, its drawing objects and its scale. The object
// list is the drawing order: the head (index 0) lies at the bottom, the tail
// on top. The document owns its objects.
class CDomoraDoc : public CUndoHistory
{
public:
    // Document kinds.
    static constexpr qint32 normal = 0;
    static constexpr qint32 placard = 1;
    static constexpr qint32 printnet = 2;

    // An empty document: no objects, scale 0.5, white paper.
    CDomoraDoc();
    ~CDomoraDoc() override;

    // The main stream of a plan file, holding the document archive.
    static constexpr const char *contentsStreamName = "Contents";
    // "\nDomora\nDocumento Domora\nDocumenti di Domora (*.fpd)\n.fpd\nfpd\nDocumento Domora"
    [[nodiscard]] static QString documentTemplate();
    // The file dialogs' filter: "Documenti di Domora (*.fpd)".
    [[nodiscard]] static QString fileFilter();

    // Sets the document up for its kind: paper and margins from the
    // "Layout" settings, a fresh summary, the wizard's scale and texts, then
    // the first undo snapshot.
    void OnNewDocument(const NewDocumentOptions &options);
    // Reads a plan file (a compound file with the archive in "Contents" and
    // the summary beside it). On failure the document is unchanged and the
    // error says why.
    [[nodiscard]] model::FileError OnOpenDocument(const QString &path);
    // Writes the plan file with its summary statistics brought up to date.
    // The old file stays as it was until the new one is complete on disk.
    [[nodiscard]] model::FileError OnSaveDocument(const QString &path);
    // The plan file's bytes with the summary as it stands (saving also brings
    // its statistics up to date); throws ArchiveException when the plan
    // cannot be encoded.
    [[nodiscard]] QByteArray fileBytes() const;
    // As OnOpenDocument, from the file's bytes.
    [[nodiscard]] model::FileError loadFileBytes(const QByteArray &bytes);

    // Appends the object on top of all others and takes ownership.
    CDrawObj *AddObject(std::unique_ptr<CDrawObj> object);
    // Takes the object out of the list and out of every view's selection and
    // hands it back; nullptr when it is not in the list.
    std::unique_ptr<CDrawObj> RemoveObject(CDrawObj *object);
    // The topmost object at the point, pictures read from a file first.
    [[nodiscard]] CDrawObj *ObjectAt(geokit::Point point) const;
    void SetPaperSize(geokit::Size sizeMm);
    [[nodiscard]] qint32 GetDocType() const { return m_docType; }
    // Metres of the building to sheet millimetres and back.
    [[nodiscard]] double ToSheet(double metres) const { return metres / m_scale; }
    [[nodiscard]] double ToReal(double millimetres) const { return millimetres * m_scale; }
    // Destroys every object.
    void DeleteContents();
    // Draws every object in the drawing order, with the selection marks of
    // the view when it is active and this is not printing.
    void Draw(graphics::Context &g, model::DocumentView *view, bool printing);
    // Notifies every view but `sender`.
    void UpdateAllViews(model::DocumentView *sender, int hint = 0, CDrawObj *object = nullptr);

    // The whole document in the archive layout.
    void Serialize(model::ArchiveWriter &ar) const;
    // Replaces the contents with what the archive holds; throws
    // ArchiveException and leaves the document unchanged on damaged input.
    void Serialize(model::ArchiveReader &ar);

    [[nodiscard]] const std::vector<std::unique_ptr<CDrawObj>> &objects() const
    {
        return m_objects;
    }
    [[nodiscard]] qsizetype indexOf(const CDrawObj *object) const;
    // Moves an object to another place in the drawing order.
    void moveObject(const CDrawObj *object, qsizetype newIndex);

    void addView(model::DocumentView *view);
    void removeView(model::DocumentView *view);
    [[nodiscard]] const std::vector<model::DocumentView *> &views() const { return m_views; }

    // Title, author and the other summary properties with the statistics.
    [[nodiscard]] const model::SummaryInformation &summary() const { return m_summary; }
    // Takes the texts the document's property sheet edits (author, keywords,
    // subject, comments, template, title) and marks the document modified.
    void setSummaryTexts(const model::SummaryInformation &edited);
    // The date of the last print, kept at the next save.
    void recordPrinted();
    // Replaces the whole summary, statistics included (tools that rebuild a
    // plan file).
    void setSummary(const model::SummaryInformation &summary) { m_summary = summary; }

    [[nodiscard]] bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true) { m_modified = modified; }

    [[nodiscard]] geokit::Size paperSize() const { return m_paperSize; }
    [[nodiscard]] qint32 docValue() const { return m_docValue; }
    void setDocValue(qint32 v) { m_docValue = v; }
    // COLORREF 0x00BBGGRR. Setting it marks the document modified and
    // repaints every view.
    [[nodiscard]] quint32 paperColor() const { return m_paperColor; }
    void setPaperColor(quint32 colorRef);
    [[nodiscard]] int borderLeft() const { return m_borderLeft; }
    [[nodiscard]] int borderRight() const { return m_borderRight; }
    [[nodiscard]] int borderTop() const { return m_borderTop; }
    [[nodiscard]] int borderBottom() const { return m_borderBottom; }
    void setBorders(int left, int top, int right, int bottom);
    // The drawing area of a placard: the sheet without its margins.
    [[nodiscard]] geokit::Rect printableArea() const;
    void setDocType(qint32 docType) { m_docType = docType; }
    [[nodiscard]] double scale() const { return m_scale; }
    void setScale(double metresPerMm) { m_scale = metresPerMm; }

protected:
    [[nodiscard]] QByteArray serializeSnapshot(QByteArray buffer, const QByteArray *head,
                                               bool *sameAsHead) const override;
    bool restoreSnapshot(const QByteArray &snapshot) override;

private:
    // Paper size and margins of the document's kind from the "Layout" settings.
    void applyLayoutSettings();
    void notifyPageSize();
    model::FileError loadFrom(model::CompoundFile &file);
    [[nodiscard]] QByteArray fileBytesWith(const model::SummaryInformation &summary) const;
    // The summary as it will be saved: revision, editing time, dates, counts.
    [[nodiscard]] model::SummaryInformation summaryForSave() const;

    std::vector<std::unique_ptr<CDrawObj>> m_objects;
    // Objects replaced by the last restore, until the next one reads into them.
    model::ObjectRecycler m_recycler;
    geokit::Size m_paperSize{210, 297};
    qint32 m_docValue = 8;
    quint32 m_paperColor = 0xFFFFFF;
    int m_borderLeft = 12;
    int m_borderRight = 12;
    int m_borderTop = 12;
    int m_borderBottom = 12;
    qint32 m_docType = normal;
    double m_scale = 0.5;
    bool m_modified = false;
    model::SummaryInformation m_summary;
    mutable qsizetype m_archiveSizeHint = 0; // size of the last archive written
    QElapsedTimer m_editClock;               // editing time since the document was opened or saved
    std::vector<model::DocumentView *> m_views; // not owned
};
