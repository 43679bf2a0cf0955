#include "workspace.h"

#include "commandtable.h"
#include "contextmenumanager.h"
#include "dockbar.h"
#include "keyboardmanager.h"
#include "mdiframe.h"
#include "shellmanager.h"
#include "skinmanager.h"
#include "statusbar.h"
#include "tearoffmanager.h"
#include "toolbar.h"
#include "usertoolsmanager.h"
#include "visualmanager.h"

#include "platform/registry.h"

#include <QApplication>
#include <QByteArray>

namespace toolkit {

namespace {

// Version of the saved docking layout; a layout of another version is
// ignored rather than restored wrongly.
constexpr int layoutVersion = 1;

Workspace *&theWorkspace()
{
    static Workspace *workspace = nullptr;
    return workspace;
}

const QString frameKey = QStringLiteral("Frame");
const QString toolBarsKey = QStringLiteral("ToolBars");
const QString keyboardKey = QStringLiteral("Keyboard");
const QString toolsKey = QStringLiteral("Tools");
const QString lookKey = QStringLiteral("Look");
const QString optionsKey = QStringLiteral("Options");
const QString userImagesKey = QStringLiteral("UserImages");

QString encodeIds(const QList<int> &ids)
{
    QStringList parts;
    for (int id : ids)
        parts.append(QString::number(id));
    return parts.join(QLatin1Char(','));
}

QList<int> decodeIds(const QString &text)
{
    QList<int> ids;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int id = part.trimmed().toInt(&ok);
        if (ok && id >= 0)
            ids.append(id);
    }
    return ids;
}

} // namespace

Workspace::Workspace(const QString &application, QObject *parent)
    : QObject(parent), m_registry(std::make_unique<platform::Registry>(application))
{
    theWorkspace() = this;
}

Workspace::~Workspace()
{
    if (theWorkspace() == this)
        theWorkspace() = nullptr;
}

Workspace *Workspace::instance()
{
    return theWorkspace();
}

void Workspace::setRegistryBase(const QString &base)
{
    QString key = base;
    key.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (key.endsWith(QLatin1Char('\\')))
        key.chop(1);
    m_base = key.isEmpty() ? QStringLiteral("Interface") : key;
}

QString Workspace::section(const QString &sub) const
{
    return sub.isEmpty() ? m_base : m_base + QLatin1Char('\\') + sub;
}

void Workspace::initContextMenuManager()
{
    if (!m_contextMenus)
        m_contextMenus = std::make_unique<ContextMenuManager>();
}

void Workspace::initKeyboardManager()
{
    if (!m_keyboard)
        m_keyboard = std::make_unique<KeyboardManager>();
}

void Workspace::initShellManager()
{
    if (!m_shell)
        m_shell = std::make_unique<ShellManager>();
}

void Workspace::initSkinManager(const QString &folder)
{
    m_skins = std::make_unique<SkinManager>(folder);
}

bool Workspace::enableTearOffMenus(int firstId, int lastId)
{
    if (firstId <= 0 || lastId < firstId)
        return false;
    m_tearOff = std::make_unique<TearOffManager>(firstId, lastId);
    return true;
}

bool Workspace::enableUserTools(int dummyCommand, int firstCommand, int lastCommand)
{
    if (firstCommand <= 0 || lastCommand < firstCommand)
        return false;
    m_userTools = std::make_unique<UserToolsManager>(dummyCommand, firstCommand, lastCommand);
    return true;
}

bool Workspace::saveState(const MdiFrame &frame)
{
    platform::Registry &reg = *m_registry;
    bool ok = true;

    const QString frameSection = section(frameKey);
    ok = reg.writeString(frameSection, QStringLiteral("Geometry"),
                         QString::fromLatin1(frame.saveGeometry().toBase64())) &&
         ok;
    ok = reg.writeString(frameSection, QStringLiteral("State"),
                         QString::fromLatin1(frame.saveState(layoutVersion).toBase64())) &&
         ok;
    ok = reg.writeInt(frameSection, QStringLiteral("Version"), layoutVersion) && ok;
    // The docking layout leaves the status bar out.
    if (const StatusBar *status = frame.toolkitStatusBar())
        ok = reg.writeInt(frameSection, QStringLiteral("StatusBar"), status->isHidden() ? 0 : 1) &&
             ok;

    const QString barsSection = section(toolBarsKey);
    reg.deleteKey(barsSection);
    for (const ToolBar *bar : frame.toolBars()) {
        const QString barSection = barsSection + QLatin1Char('\\') + QString::number(bar->barId());
        ok =
            reg.writeString(barSection, QStringLiteral("Buttons"), encodeIds(bar->buttons())) && ok;
        if (bar->isUserDefined()) {
            ok = reg.writeInt(barSection, QStringLiteral("User"), 1) && ok;
            ok = reg.writeString(barSection, QStringLiteral("Title"), bar->windowTitle()) && ok;
        }
    }

    const QString optionsSection = section(optionsKey);
    ok = reg.writeInt(optionsSection, QStringLiteral("TextLabels"), frame.textLabels() ? 1 : 0) &&
         ok;
    ok =
        reg.writeInt(optionsSection, QStringLiteral("ToolTips"), ToolBar::showToolTips() ? 1 : 0) &&
        ok;
    ok = reg.writeInt(optionsSection, QStringLiteral("ShortcutsInToolTips"),
                      ToolBar::shortcutsInToolTips() ? 1 : 0) &&
         ok;
    ok = reg.writeInt(optionsSection, QStringLiteral("MenuAnimation"),
                      QApplication::isEffectEnabled(Qt::UI_AnimateMenu) ? 1 : 0) &&
         ok;

    const QString imagesSection = section(userImagesKey);
    reg.deleteKey(imagesSection);
    const QHash<int, int> userImages = frame.commands().userImageIndexes();
    for (auto it = userImages.cbegin(); it != userImages.cend(); ++it)
        ok = reg.writeInt(imagesSection, QString::number(it.key()), it.value()) && ok;

    if (m_keyboard)
        ok = m_keyboard->saveState(reg, section(keyboardKey), frame.commands()) && ok;
    if (m_userTools)
        ok = m_userTools->saveState(reg, section(toolsKey)) && ok;

    const QString lookSection = section(lookKey);
    reg.deleteKey(lookSection);
    if (m_skins && m_skins->activeSkin() >= 0) {
        const SkinInfo skin = m_skins->skins().value(m_skins->activeSkin());
        ok = reg.writeString(lookSection, QStringLiteral("Skin"), skin.name) && ok;
    } else {
        ok = reg.writeString(lookSection, QStringLiteral("Manager"),
                             VisualManager::instance()->name()) &&
             ok;
    }
    return reg.sync() && ok;
}

bool Workspace::loadState(MdiFrame &frame)
{
    const platform::Registry &reg = *m_registry;
    bool loaded = false;

    const QString optionsSection = section(optionsKey);
    if (reg.keyExists(optionsSection)) {
        loaded = true;
        frame.setTextLabels(reg.readInt(optionsSection, QStringLiteral("TextLabels"), 0) != 0);
        ToolBar::setShowToolTips(reg.readInt(optionsSection, QStringLiteral("ToolTips"), 1) != 0);
        ToolBar::setShortcutsInToolTips(
            reg.readInt(optionsSection, QStringLiteral("ShortcutsInToolTips"), 0) != 0);
        const bool animate = reg.readInt(optionsSection, QStringLiteral("MenuAnimation"), 0) != 0;
        if (animate)
            QApplication::setEffectEnabled(Qt::UI_General, true);
        QApplication::setEffectEnabled(Qt::UI_AnimateMenu, animate);
    }

    const QString imagesSection = section(userImagesKey);
    for (const QString &name : reg.valueNames(imagesSection)) {
        bool ok = false;
        const int id = name.toInt(&ok);
        const int index = reg.readInt(imagesSection, name, -1);
        if (ok && !frame.userImages().icon(index).isNull())
            frame.commands().setUserImage(id, frame.userImages().icon(index), index);
    }

    // User toolbars must exist before the docking layout names them.
    const QString barsSection = section(toolBarsKey);
    for (const QString &sub : reg.subKeys(barsSection)) {
        bool ok = false;
        const int id = sub.toInt(&ok);
        if (!ok)
            continue;
        const QString barSection = barsSection + QLatin1Char('\\') + sub;
        ToolBar *bar = frame.toolBar(id);
        if (!bar && reg.readInt(barSection, QStringLiteral("User"), 0) == 1)
            bar = frame.createUserToolBar(reg.readString(barSection, QStringLiteral("Title")), id);
        if (!bar || !reg.contains(barSection, QStringLiteral("Buttons")))
            continue;
        bar->setButtons(decodeIds(reg.readString(barSection, QStringLiteral("Buttons"))));
        loaded = true;
    }

    // Tools first: their commands must exist before keys are given to them.
    if (m_userTools)
        loaded = m_userTools->loadState(reg, section(toolsKey)) || loaded;
    if (m_keyboard)
        loaded = m_keyboard->loadState(reg, section(keyboardKey), frame.commands()) || loaded;

    const QString lookSection = section(lookKey);
    const QString skinName = reg.readString(lookSection, QStringLiteral("Skin"));
    const QString managerName = reg.readString(lookSection, QStringLiteral("Manager"));
    const int skin = m_skins && !skinName.isEmpty() ? m_skins->findSkin(skinName) : -1;
    if (skin >= 0 && m_skins->setActiveSkin(skin)) {
        loaded = true;
    } else if (auto look = VisualManager::createBuiltInLook(managerName)) {
        VisualManager::setDefaultManager(std::move(look));
        loaded = true;
    }

    const QString frameSection = section(frameKey);
    if (reg.readInt(frameSection, QStringLiteral("Version"), 0) == layoutVersion) {
        const QByteArray geometry = QByteArray::fromBase64(
            reg.readString(frameSection, QStringLiteral("Geometry")).toLatin1());
        const QByteArray state = QByteArray::fromBase64(
            reg.readString(frameSection, QStringLiteral("State")).toLatin1());
        if (!geometry.isEmpty() && frame.restoreGeometry(geometry))
            loaded = true;
        if (!state.isEmpty() && frame.restoreState(state, layoutVersion))
            loaded = true;
        StatusBar *status = frame.toolkitStatusBar();
        if (status && reg.contains(frameSection, QStringLiteral("StatusBar"))) {
            status->setHidden(reg.readInt(frameSection, QStringLiteral("StatusBar"), 1) == 0);
            loaded = true;
        }
    }
    return loaded;
}

bool Workspace::cleanState()
{
    bool ok = true;
    for (const QString &key :
         {frameKey, toolBarsKey, keyboardKey, toolsKey, lookKey, optionsKey, userImagesKey}) {
        if (m_registry->keyExists(section(key)))
            ok = m_registry->deleteKey(section(key)) && ok;
    }
    return m_registry->sync() && ok;
}

void Workspace::cleanUp()
{
    Workspace *workspace = instance();
    if (workspace) {
        workspace->m_skins.reset();
        workspace->m_contextMenus.reset();
        workspace->m_keyboard.reset();
        workspace->m_shell.reset();
        workspace->m_tearOff.reset();
        workspace->m_userTools.reset();
    }
    VisualManager::destroyInstance();
}

} // namespace toolkit
