#include "skinmanager.h"

#include "skinabi.h"
#include "visualmanager.h"
#include "visualmanagerxp.h"

#include "platform/paths.h"

#include <QDir>
#include <QLibrary>
#include <QPainter>

namespace toolkit {

namespace {

constexpr int maxLooksPerLibrary = 64;

QString text(SkinTextFunction function, int index)
{
    if (!function)
        return {};
    const char *value = function(index);
    return value ? QString::fromUtf8(value) : QString();
}

} // namespace

struct SkinManager::Library
{
    std::unique_ptr<QLibrary> library;
    SkinCountFunction count = nullptr;
    SkinClassFunction skinClass = nullptr;
    SkinTextFunction name = nullptr;
    SkinVersionFunction version = nullptr;
    SkinPreviewFunction preview = nullptr;
    SkinTextFunction author = nullptr;
    SkinTextFunction authorMail = nullptr;
    SkinTextFunction authorUrl = nullptr;
};

SkinManager::SkinManager(const QString &folder, QObject *parent) : QObject(parent)
{
    m_folder = QDir::isRelativePath(folder)
                   ? QDir(platform::programFolder()).absoluteFilePath(folder)
                   : folder;
    scan();
}

SkinManager::~SkinManager()
{
    // The look's code lives in its library: never leave it in force here.
    if (activeSkin() >= 0)
        VisualManager::setDefaultManager(std::make_unique<VisualManagerXP>());
}

void SkinManager::scan()
{
    m_rejected.clear();
    const QDir dir(m_folder);
    const QStringList files = dir.entryList(QDir::Files | QDir::Readable, QDir::Name);
    for (const QString &file : files) {
        const QString path = dir.absoluteFilePath(file);
        if (!QLibrary::isLibrary(path))
            continue;
        const bool known = std::any_of(
            m_libraries.cbegin(), m_libraries.cend(),
            [&](const std::unique_ptr<Library> &l) { return l->library->fileName() == path; });
        if (known)
            continue;
        auto lib = std::make_unique<Library>();
        lib->library = std::make_unique<QLibrary>(path);
        if (!lib->library->load()) {
            m_rejected.append(QStringLiteral("%1: %2").arg(file, lib->library->errorString()));
            continue;
        }
        const auto resolve = [&](const char *symbol) { return lib->library->resolve(symbol); };
        lib->count = reinterpret_cast<SkinCountFunction>(resolve("BCGCBGetSkinCount"));
        lib->skinClass = reinterpret_cast<SkinClassFunction>(resolve("BCGCBGetSkinClass"));
        lib->name = reinterpret_cast<SkinTextFunction>(resolve("BCGCBGetSkinName"));
        lib->version = reinterpret_cast<SkinVersionFunction>(resolve("BCGCBGetSkinVersion"));
        lib->preview = reinterpret_cast<SkinPreviewFunction>(resolve("BCGCBPreviewSkin"));
        lib->author = reinterpret_cast<SkinTextFunction>(resolve("BCGCBGetSkinAuthor"));
        lib->authorMail = reinterpret_cast<SkinTextFunction>(resolve("BCGCBGetSkinAuthorMail"));
        lib->authorUrl = reinterpret_cast<SkinTextFunction>(resolve("BCGCBGetSkinAuthorURL"));
        if (!lib->count || !lib->skinClass || !lib->name) {
            // Not a skin library: it stays loaded (unloading code that may
            // have registered itself somewhere is not safe) but is not used.
            m_rejected.append(tr("%1: not a skin library").arg(file));
            continue;
        }
        int major = 0, minor = 0;
        if (lib->version)
            lib->version(major, minor);
        const int count = std::clamp(lib->count(), 0, maxLooksPerLibrary);
        for (int i = 0; i < count; ++i) {
            Skin skin;
            skin.library = lib.get();
            skin.info.libraryPath = path;
            skin.info.index = i;
            skin.info.name = text(lib->name, i);
            skin.info.versionMajor = major;
            skin.info.versionMinor = minor;
            skin.info.author = text(lib->author, i);
            skin.info.authorMail = text(lib->authorMail, i);
            skin.info.authorUrl = text(lib->authorUrl, i);
            if (!skin.info.name.isEmpty())
                m_skins.append(skin);
        }
        m_libraries.push_back(std::move(lib));
    }
}

QList<SkinInfo> SkinManager::skins() const
{
    QList<SkinInfo> result;
    for (const Skin &skin : m_skins)
        result.append(skin.info);
    return result;
}

int SkinManager::findSkin(const QString &name) const
{
    for (qsizetype i = 0; i < m_skins.size(); ++i) {
        if (m_skins[i].info.name == name)
            return int(i);
    }
    return -1;
}

bool SkinManager::previewSkin(int skin, QPainter &painter, const QRect &rect) const
{
    if (skin < 0 || skin >= m_skins.size() || !m_skins[skin].library->preview)
        return false;
    return m_skins[skin].library->preview(&painter, m_skins[skin].info.index, rect) != 0;
}

std::unique_ptr<VisualManager> SkinManager::createLook(int skin) const
{
    if (skin < 0 || skin >= m_skins.size())
        return nullptr;
    const SkinClass *skinClass = m_skins[skin].library->skinClass(m_skins[skin].info.index);
    if (!skinClass || !skinClass->create)
        return nullptr;
    return std::unique_ptr<VisualManager>(skinClass->create());
}

bool SkinManager::setActiveSkin(int skin)
{
    if (skin < 0) {
        if (activeSkin() >= 0)
            VisualManager::setDefaultManager(std::make_unique<VisualManagerXP>());
        m_activeSkin = -1;
        return true;
    }
    std::unique_ptr<VisualManager> look = createLook(skin);
    if (!look)
        return false;
    VisualManager::setDefaultManager(std::move(look));
    m_activeSkin = skin;
    m_activeGeneration = VisualManager::generation();
    return true;
}

int SkinManager::activeSkin() const
{
    if (m_activeSkin >= 0 && m_activeGeneration == VisualManager::generation())
        return m_activeSkin;
    return -1;
}

} // namespace toolkit
