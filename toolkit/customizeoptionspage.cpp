#include "customizepages.h"
#include "mdiframe.h"
#include "toolbar.h"

#include <QApplication>
#include <QCheckBox>
#include <QVBoxLayout>

namespace toolkit {

CustomizeOptionsPage::CustomizeOptionsPage(MdiFrame &frame, QWidget *parent)
    : QWidget(parent), m_toolTips(new QCheckBox(tr("Show &ScreenTips on toolbars"), this)),
      m_shortcuts(new QCheckBox(tr("Show shortcut &keys in ScreenTips"), this)),
      m_textLabels(new QCheckBox(tr("Show &text labels under the buttons"), this)),
      m_menuAnimation(new QCheckBox(tr("&Animate menus"), this))
{
    setObjectName(QStringLiteral("options"));
    m_toolTips->setChecked(ToolBar::showToolTips());
    m_shortcuts->setChecked(ToolBar::shortcutsInToolTips());
    m_shortcuts->setEnabled(ToolBar::showToolTips());
    m_textLabels->setChecked(frame.textLabels());
    m_menuAnimation->setChecked(QApplication::isEffectEnabled(Qt::UI_AnimateMenu));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_toolTips);
    auto *indented = new QVBoxLayout;
    indented->setContentsMargins(20, 0, 0, 0);
    indented->addWidget(m_shortcuts);
    layout->addLayout(indented);
    layout->addWidget(m_textLabels);
    layout->addWidget(m_menuAnimation);
    layout->addStretch();
    connect(m_toolTips, &QCheckBox::toggled, this, [this](bool on) {
        ToolBar::setShowToolTips(on);
        m_shortcuts->setEnabled(on);
    });
    connect(m_shortcuts, &QCheckBox::toggled, this, &ToolBar::setShortcutsInToolTips);
    connect(m_textLabels, &QCheckBox::toggled, &frame, &MdiFrame::setTextLabels);
    connect(m_menuAnimation, &QCheckBox::toggled, this, [](bool on) {
        if (on)
            QApplication::setEffectEnabled(Qt::UI_General, true);
        QApplication::setEffectEnabled(Qt::UI_AnimateMenu, on);
    });
}

} // namespace toolkit
