#pragma once

#include "toolkit/toolkitglobal.h"

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>

class QLibrary;
class QPainter;

namespace toolkit {

class VisualManager;

// A look offered by a skin library.
struct SkinInfo
{
    QString libraryPath;
    int index = 0; // the look's index inside its library
    QString name;
    int versionMajor = 0;
    int versionMinor = 0;
    QString author;
    QString authorMail;
    QString authorUrl;
};

// Finds the skin libraries in a folder (shared libraries exporting the
// functions of skinabi.h), lists their looks and puts one in force. The
// libraries stay loaded while the manager lives; a look from one of them
// that is still in force when the manager goes is replaced by the flat look.
class TOOLKIT_EXPORT SkinManager : public QObject
{
    Q_OBJECT

public:
    // A relative folder lies in the program folder.
    explicit SkinManager(const QString &folder, QObject *parent = nullptr);
    ~SkinManager() override;

    [[nodiscard]] QString folder() const { return m_folder; }
    // Looks again; libraries already loaded stay loaded.
    void scan();

    [[nodiscard]] QList<SkinInfo> skins() const;
    [[nodiscard]] int skinCount() const { return int(m_skins.size()); }
    // -1 when no look has the name.
    [[nodiscard]] int findSkin(const QString &name) const;

    // Draws the look's preview at the rectangle's top-left corner, cut to its
    // size. False for an unknown look or when the library draws nothing.
    bool previewSkin(int skin, QPainter &painter, const QRect &rect) const;
    // A new visual manager of the look; null for an unknown look or when the
    // library gives no class for it.
    [[nodiscard]] std::unique_ptr<VisualManager> createLook(int skin) const;

    // Puts the look in force; -1 puts the flat look back. False, changing
    // nothing, when the look cannot be created.
    bool setActiveSkin(int skin);
    // The look in force when it is one of this manager's, else -1.
    [[nodiscard]] int activeSkin() const;

    // Libraries of the folder that are not skin libraries, with the reason.
    [[nodiscard]] QStringList rejected() const { return m_rejected; }

private:
    struct Library;
    struct Skin
    {
        SkinInfo info;
        const Library *library = nullptr;
    };

    QString m_folder;
    std::vector<std::unique_ptr<Library>> m_libraries;
    QList<Skin> m_skins;
    QStringList m_rejected;
    int m_activeSkin = -1;
    quint64 m_activeGeneration = 0;
};

} // namespace toolkit
