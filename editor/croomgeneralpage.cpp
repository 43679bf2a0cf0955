#include "editor/croomgeneralpage.h"

#include "editor/cfontsheet.h"
#include "editor/cpositiongroup.h"
#include "platform/messagebox.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CRoomGeneralPage::CRoomGeneralPage(const LabelStyle &label, const QString &description,
                                   const geokit::Rect &position, QWidget *parent)
    : QWidget(parent), m_label(label), m_visible(new QCheckBox(tr("Tito&lo"), this)),
      m_text(new QLineEdit(label.text, this)),
      m_position(new CPositionGroup(tr("Posizione della stanza"), position, 1, this)),
      m_description(new QLineEdit(description, this))
{
    setObjectName(QStringLiteral("generalPage"));
    m_visible->setObjectName(QStringLiteral("captionVisible"));
    m_visible->setChecked(label.visible != 0);
    m_text->setObjectName(QStringLiteral("captionText"));
    m_description->setObjectName(QStringLiteral("description"));

    auto *caption = new QGroupBox(tr("Titolo della stanza"), this);
    auto *style = new QPushButton(tr("S&tile..."), caption);
    style->setObjectName(QStringLiteral("captionStyle"));
    auto *nameLabel = new QLabel(tr("&Nome:"), caption);
    nameLabel->setBuddy(m_text);
    auto *captionRow = new QHBoxLayout;
    captionRow->addWidget(nameLabel);
    captionRow->addWidget(m_text, 1);
    captionRow->addWidget(style);
    auto *captionLayout = new QVBoxLayout(caption);
    captionLayout->addWidget(m_visible);
    captionLayout->addLayout(captionRow);

    auto *scale = new QPushButton(tr("Scal&a..."), this);
    scale->setObjectName(QStringLiteral("scale"));
    auto *positionRow = new QHBoxLayout;
    positionRow->addWidget(m_position, 1);
    auto *scaleColumn = new QVBoxLayout;
    scaleColumn->addStretch(1);
    scaleColumn->addWidget(scale);
    positionRow->addLayout(scaleColumn);

    auto *presets = new QPushButton(tr("&Predefiniti..."), this);
    presets->setObjectName(QStringLiteral("presets"));
    auto *descriptionLabel = new QLabel(tr("&Descrizione:"), this);
    descriptionLabel->setBuddy(m_description);
    auto *descriptionRow = new QHBoxLayout;
    descriptionRow->addWidget(descriptionLabel);
    descriptionRow->addWidget(m_description, 1);
    descriptionRow->addWidget(presets);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(positionRow);
    layout->addLayout(descriptionRow);
    layout->addStretch(1);

    connect(style, &QPushButton::clicked, this, &CRoomGeneralPage::editStyle);
    connect(scale, &QPushButton::clicked, this, &CRoomGeneralPage::scaleRequested);
    connect(presets, &QPushButton::clicked, this, &CRoomGeneralPage::presetRequested);
}

LabelStyle CRoomGeneralPage::label() const
{
    LabelStyle l = m_label;
    l.visible = m_visible->isChecked() ? 1 : 0;
    l.text = m_text->text();
    return l;
}

QString CRoomGeneralPage::description() const
{
    return m_description->text();
}

void CRoomGeneralPage::setDescription(const QString &description)
{
    m_description->setText(description);
}

geokit::Rect CRoomGeneralPage::position() const
{
    return m_position->position();
}

void CRoomGeneralPage::setPosition(const geokit::Rect &position)
{
    m_position->setPosition(position);
}

void CRoomGeneralPage::editStyle()
{
    CFontSheet sheet(label(), this);
    if (platform::ui::execDialog(sheet) == QDialog::Accepted)
        m_label = sheet.label();
}
