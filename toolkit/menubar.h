#pragma once

#include "toolkit/toolkitglobal.h"

#include <QFont>
#include <QMenuBar>

namespace toolkit {

class CommandTable;
class PopupMenu;

// The frame's menu bar: a row of popup menus of commands.
class TOOLKIT_EXPORT MenuBar : public QMenuBar
{
    Q_OBJECT

public:
    explicit MenuBar(CommandTable &commands, QWidget *parent = nullptr);

    PopupMenu *addPopup(const QString &title);
    [[nodiscard]] QList<PopupMenu *> popups() const;
    // The first popup whose title, without mnemonic, is `title`.
    [[nodiscard]] PopupMenu *popup(const QString &title) const;
    // Removes every popup (a program switching between two menus).
    void clearPopups();

    // Items show their command's tool tip while the pointer rests on them.
    void setShowToolTips(bool show);
    [[nodiscard]] bool showToolTips() const { return m_showToolTips; }

    // Disabled items are highlighted under the pointer like enabled ones.
    // Applies to every menu of the program.
    static void setHighlightDisabledItems(bool highlight);
    [[nodiscard]] static bool highlightDisabledItems();

    // Every popup of the bar shows a band with this text written upwards.
    void setSideText(const QString &text, const QFont &font);

private:
    CommandTable &m_commands;
    bool m_showToolTips = false;
    QString m_sideText;
    QFont m_sideFont;
};

} // namespace toolkit
