#include "customizepages.h"
#include "skinmanager.h"
#include "visualmanager.h"
#include "workspace.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>

namespace toolkit {

namespace {

constexpr int builtInRole = Qt::UserRole + 1;
constexpr int skinRole = Qt::UserRole + 2;
constexpr QSize previewSize(360, 300);

// A sample of bars and a menu painted by a look, for the looks built in.
QPixmap lookSample(VisualManager &look)
{
    QPixmap pixmap(previewSize);
    pixmap.fill(QApplication::palette().color(QPalette::Window));
    QPainter p(&pixmap);
    const QRect menuBar(0, 0, previewSize.width(), 22);
    look.fillBarBackground(p, {BarKind::MenuBar, true, nullptr}, menuBar, menuBar, false);
    const QStringList menus = {QStringLiteral("File"), QStringLiteral("Modifica"),
                               QStringLiteral("Visualizza"), QStringLiteral("?")};
    int x = 6;
    for (qsizetype i = 0; i < menus.size(); ++i) {
        const int w = p.fontMetrics().horizontalAdvance(menus[i]) + 14;
        const QRect item(x, 2, w, 18);
        if (i == 1)
            look.highlightMenuItem(p, item, true);
        p.setPen(look.menuTextColor(i == 1, true));
        p.drawText(item, Qt::AlignCenter, menus[i]);
        x += w;
    }
    const QRect bar(0, 24, 250, 28);
    look.fillBarBackground(p, {BarKind::ToolBar, true, nullptr}, bar, bar, true);
    look.fillBarBackground(p, {BarKind::ToolBar, true, nullptr}, bar.adjusted(9, 0, 0, 0), bar,
                           false);
    look.drawBarGripper(p, QRect(1, 26, 8, 24), true);
    const QColor glyphs[] = {QColor(0x2a, 0x6a, 0xc8), QColor(0xd8, 0xa0, 0x20),
                             QColor(0x30, 0x98, 0x40), QColor(0xc0, 0x30, 0x30)};
    for (int i = 0; i < 6; ++i) {
        const QRect button(12 + i * 26 + (i > 2 ? 8 : 0), 27, 23, 22);
        const ButtonState state = i == 1   ? ButtonState::Hot
                                  : i == 4 ? ButtonState::Checked
                                           : ButtonState::Normal;
        look.fillButtonInterior(p, button, state);
        look.drawButtonBorder(p, button, state);
        p.fillRect(button.adjusted(6, 5, -6, -5), glyphs[i % 4]);
    }
    look.drawSeparator(p, QRect(12 + 3 * 26, 27, 8, 22), false);
    const QRect side(0, 54, 28, 200);
    look.fillBarBackground(p, {BarKind::ToolBar, false, nullptr}, side, side, false);
    const QRect popup(36, 24 + 0, 170, 150);
    const QRect menuRect = popup.translated(60, 30);
    look.fillBarBackground(p, {BarKind::PopupMenu, false, nullptr}, menuRect, menuRect, true);
    look.fillBarBackground(p, {BarKind::PopupMenu, false, nullptr}, menuRect, menuRect, false);
    look.drawMenuBorder(p, menuRect);
    const QStringList items = {QStringLiteral("Annulla"), QStringLiteral("Taglia"),
                               QStringLiteral("Copia"), QStringLiteral("Incolla")};
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QRect item(menuRect.left() + 2, menuRect.top() + 4 + int(i) * 24 + (i > 0 ? 8 : 0),
                         menuRect.width() - 4, 22);
        if (i == 2)
            look.highlightMenuItem(p, item, true);
        p.setPen(look.menuTextColor(i == 2, i != 3));
        p.drawText(item.adjusted(30, 0, 0, 0), Qt::AlignVCenter, items[i]);
    }
    look.drawSeparator(
        p, QRect(menuRect.left() + 30, menuRect.top() + 27, menuRect.width() - 34, 8), true);
    const QRect tabs(0, previewSize.height() - 24, previewSize.width(), 24);
    look.eraseTabsArea(p, tabs);
    look.drawTab(p, QRect(4, tabs.top() + 1, 90, 22), true, true);
    look.drawTab(p, QRect(94, tabs.top() + 1, 90, 22), false, true);
    p.setPen(look.tabTextColor(true));
    p.drawText(QRect(4, tabs.top() + 1, 90, 22), Qt::AlignCenter, QStringLiteral("Pianta 1"));
    p.setPen(look.tabTextColor(false));
    p.drawText(QRect(94, tabs.top() + 1, 90, 22), Qt::AlignCenter, QStringLiteral("Pianta 2"));
    return pixmap;
}

} // namespace

CustomizeLookPage::CustomizeLookPage(QWidget *parent)
    : QWidget(parent), m_looks(new QListWidget(this)), m_preview(new QLabel(this)),
      m_details(new QLabel(this))
{
    setObjectName(QStringLiteral("look"));
    m_looks->setObjectName(QStringLiteral("lookList"));
    m_preview->setFixedSize(previewSize);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_details->setWordWrap(true);
    m_details->setTextFormat(Qt::PlainText);

    const QString current = VisualManager::instance()->name();
    for (const QString &name : VisualManager::builtInLooks()) {
        auto *item = new QListWidgetItem(
            name == QLatin1String("Standard") ? tr("Standard") : tr("Office XP"), m_looks);
        item->setData(builtInRole, name);
        item->setData(skinRole, -1);
        if (name == current)
            m_looks->setCurrentItem(item);
    }
    const SkinManager *skins =
        Workspace::instance() ? Workspace::instance()->skinManager() : nullptr;
    if (skins) {
        const QList<SkinInfo> list = skins->skins();
        for (qsizetype i = 0; i < list.size(); ++i) {
            auto *item = new QListWidgetItem(list[i].name, m_looks);
            item->setData(skinRole, int(i));
            if (skins->activeSkin() == i)
                m_looks->setCurrentItem(item);
        }
    }

    auto *grid = new QGridLayout(this);
    auto *looksLabel = new QLabel(tr("&Looks:"), this);
    looksLabel->setBuddy(m_looks);
    grid->addWidget(looksLabel, 0, 0);
    grid->addWidget(m_looks, 1, 0, 2, 1);
    grid->addWidget(new QLabel(tr("Preview:"), this), 0, 1);
    grid->addWidget(m_preview, 1, 1);
    grid->addWidget(m_details, 2, 1);
    grid->setColumnStretch(0, 1);
    showPreview(m_looks->currentRow());
    connect(m_looks, &QListWidget::currentRowChanged, this, [this](int row) {
        applyRow(row);
        showPreview(row);
    });
}

void CustomizeLookPage::applyRow(int row)
{
    const QListWidgetItem *item = m_looks->item(row);
    if (!item)
        return;
    const int skin = item->data(skinRole).toInt();
    SkinManager *skins = Workspace::instance() ? Workspace::instance()->skinManager() : nullptr;
    if (skin >= 0 && skins) {
        skins->setActiveSkin(skin);
        return;
    }
    if (auto look = VisualManager::createBuiltInLook(item->data(builtInRole).toString()))
        VisualManager::setDefaultManager(std::move(look));
}

void CustomizeLookPage::showPreview(int row)
{
    const QListWidgetItem *item = m_looks->item(row);
    if (!item) {
        m_preview->clear();
        m_details->clear();
        return;
    }
    const int skin = item->data(skinRole).toInt();
    const SkinManager *skins =
        Workspace::instance() ? Workspace::instance()->skinManager() : nullptr;
    if (skin >= 0 && skins) {
        QPixmap pixmap(previewSize);
        pixmap.fill(palette().color(QPalette::Window));
        QPainter painter(&pixmap);
        skins->previewSkin(skin, painter, QRect(QPoint(0, 0), previewSize));
        painter.end();
        m_preview->setPixmap(pixmap);
        const SkinInfo info = skins->skins().value(skin);
        QStringList lines{tr("Version: %1.%2").arg(info.versionMajor).arg(info.versionMinor)};
        if (!info.author.isEmpty())
            lines.append(tr("Author: %1").arg(info.author));
        if (!info.authorMail.isEmpty())
            lines.append(tr("E-mail: %1").arg(info.authorMail));
        if (!info.authorUrl.isEmpty())
            lines.append(tr("Web site: %1").arg(info.authorUrl));
        m_details->setText(lines.join(QLatin1Char('\n')));
        return;
    }
    if (auto look = VisualManager::createBuiltInLook(item->data(builtInRole).toString()))
        m_preview->setPixmap(lookSample(*look));
    m_details->setText(tr("Built into the program."));
}

} // namespace toolkit
