#include "editor/csegmentdlg.h"

#include "editor/editingui.h"
#include "editor/tools/segmenttable.h"
#include "platform/messagebox.h"

#include <QDial>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

double lengthOf(geokit::Point a, geokit::Point b)
{
    return std::hypot(double(b.x) - a.x, double(b.y) - a.y);
}

} // namespace

CSegmentDlg::CSegmentDlg(const QString &description, geokit::Point start, geokit::Point end,
                         double scale, QWidget *parent)
    : QDialog(parent), m_start(start), m_end(end), m_scale(scale),
      m_description(new QLineEdit(description, this)), m_position(new QLabel(this)),
      m_sheetLength(new QLineEdit(this)), m_realLength(new QLabel(this)), m_dial(new QDial(this)),
      m_dialAngle(new QLabel(this))
{
    setWindowTitle(tr("Proprietà estese"));
    m_description->setObjectName(QStringLiteral("description"));
    m_position->setObjectName(QStringLiteral("position"));
    m_sheetLength->setObjectName(QStringLiteral("sheetLength"));
    m_realLength->setObjectName(QStringLiteral("realLength"));
    m_dial->setObjectName(QStringLiteral("angle"));
    m_dial->setRange(0, 359);
    m_dial->setWrapping(true);
    m_dial->setNotchesVisible(true);
    m_dial->setNotchTarget(15);
    m_dial->setFixedSize(90, 90);
    m_dialAngle->setAlignment(Qt::AlignCenter);

    auto *descriptionLabel = new QLabel(tr("&Descrizione:"), this);
    descriptionLabel->setBuddy(m_description);
    auto *form = new QGridLayout;
    form->addWidget(descriptionLabel, 0, 0);
    form->addWidget(m_description, 0, 1, 1, 2);
    form->addWidget(new QLabel(tr("Posizione nel foglio:\t"), this), 1, 0);
    form->addWidget(m_position, 1, 1, 1, 2);
    auto *lengthLabel = new QLabel(tr("&Lunghezza nel foglio:\t"), this);
    lengthLabel->setBuddy(m_sheetLength);
    form->addWidget(lengthLabel, 2, 0);
    form->addWidget(m_sheetLength, 2, 1);
    form->addWidget(new QLabel(tr(" [mm]"), this), 2, 2);
    form->addWidget(new QLabel(tr("Lunghezza reale:\t"), this), 3, 0);
    form->addWidget(m_realLength, 3, 1, 1, 2);

    auto *rotation = new QGroupBox(tr("Rotazione"), this);
    auto *by90 = new QPushButton(tr("Ruota il vertice del segmento di 90°"), rotation);
    by90->setObjectName(QStringLiteral("rotate90"));
    auto *by180 = new QPushButton(tr("Ruota il vertice del segmento di 180°"), rotation);
    by180->setObjectName(QStringLiteral("rotate180"));
    auto *byAngle =
        new QPushButton(tr("Ruota il vertice del segmento della quantità specificata"), rotation);
    byAngle->setObjectName(QStringLiteral("rotateAngle"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(by90);
    buttons->addWidget(by180);
    buttons->addWidget(byAngle);
    buttons->addStretch(1);
    auto *dial = new QVBoxLayout;
    dial->addWidget(m_dial, 0, Qt::AlignHCenter);
    dial->addWidget(m_dialAngle);
    auto *rotationLayout = new QHBoxLayout(rotation);
    rotationLayout->addLayout(buttons, 1);
    rotationLayout->addLayout(dial);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(rotation);
    editingui::addOkCancel(this, layout);

    connect(by90, &QPushButton::clicked, this, [this] { rotateEnd(90); });
    connect(by180, &QPushButton::clicked, this, [this] { rotateEnd(180); });
    connect(byAngle, &QPushButton::clicked, this, [this] { rotateEnd(m_dial->value()); });
    connect(m_dial, &QDial::valueChanged, this,
            [this](int v) { m_dialAngle->setText(QStringLiteral("%1°").arg(v)); });
    connect(m_sheetLength, &QLineEdit::editingFinished, this, [this] {
        if (!setSheetLength(m_sheetLength->text()))
            refresh();
    });
    m_dialAngle->setText(QStringLiteral("0°"));
    refresh();
}

QString CSegmentDlg::description() const
{
    return m_description->text();
}

void CSegmentDlg::refresh()
{
    const double length = lengthOf(m_start, m_end);
    m_position->setText(QStringLiteral("(%1, %2) - (%3, %4)")
                            .arg(m_start.x)
                            .arg(m_start.y)
                            .arg(m_end.x)
                            .arg(m_end.y) +
                        tr(" (coordinate in [mm])"));
    m_sheetLength->setText(editing::formatLength(length).trimmed());
    m_realLength->setText(editing::formatLength(length * m_scale).trimmed() + tr(" [m]"));
}

void CSegmentDlg::rotateEnd(double angleDeg)
{
    m_end = editing::rotateSegmentEnd(m_start, m_end, angleDeg);
    refresh();
}

void CSegmentDlg::setSliderAngle(int angleDeg)
{
    m_dial->setValue(angleDeg);
}

int CSegmentDlg::sliderAngle() const
{
    return m_dial->value();
}

bool CSegmentDlg::setSheetLength(const QString &text)
{
    double length = 0.0;
    if (!editingui::readNumber(text, length) || length <= 0.0 || m_start == m_end)
        return false;
    m_end = editing::segmentEndAtLength(m_start, m_end, length);
    refresh();
    return true;
}

QString CSegmentDlg::positionText() const
{
    return m_position->text();
}

QString CSegmentDlg::sheetLengthText() const
{
    return m_sheetLength->text();
}

QString CSegmentDlg::realLengthText() const
{
    return m_realLength->text();
}

void CSegmentDlg::accept()
{
    // A length still being typed counts.
    if (m_sheetLength->text() != editing::formatLength(lengthOf(m_start, m_end)).trimmed() &&
        !setSheetLength(m_sheetLength->text())) {
        platform::ui::warning(this, tr("Immettere una lunghezza maggiore di zero."));
        return;
    }
    QDialog::accept();
}
