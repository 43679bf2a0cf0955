#include "editor/cpositiongroup.h"

#include "model/coordinates.h"

#include <QFormLayout>
#include <QSpinBox>

namespace {

QSpinBox *spin(QWidget *parent, const QString &name, int minimum)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, model::maxCoordinateMm);
    box->setSuffix(QObject::tr(" mm"));
    box->setMinimumWidth(90);
    box->setMaximumWidth(140);
    return box;
}

} // namespace

CPositionGroup::CPositionGroup(const QString &title, const geokit::Rect &position, int minimumSize,
                               QWidget *parent)
    : QGroupBox(title, parent), m_left(spin(this, QStringLiteral("left"), -model::maxCoordinateMm)),
      m_top(spin(this, QStringLiteral("top"), -model::maxCoordinateMm)),
      m_width(spin(this, QStringLiteral("width"), minimumSize)),
      m_height(spin(this, QStringLiteral("height"), minimumSize))
{
    auto *form = new QFormLayout(this);
    form->addRow(tr("Dal margine s&inistro:"), m_left);
    form->addRow(tr("Dal margine &superiore:"), m_top);
    form->addRow(tr("&Larghezza:"), m_width);
    form->addRow(tr("&Altezza:"), m_height);
    setPosition(position);
}

geokit::Rect CPositionGroup::position() const
{
    return {m_left->value(), m_top->value(), m_left->value() + m_width->value(),
            m_top->value() + m_height->value()};
}

void CPositionGroup::setPosition(const geokit::Rect &position)
{
    geokit::Rect r = position;
    r.normalize();
    m_left->setValue(r.left);
    m_top->setValue(r.top);
    m_width->setValue(r.width());
    m_height->setValue(r.height());
}
