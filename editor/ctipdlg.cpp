#include "editor/ctipdlg.h"

#include "platform/registry.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QVBoxLayout>

namespace {

// A light bulb for the tip panel.
QPixmap bulb()
{
    QPixmap pixmap(40, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(20, 17), 16, QPointF(15, 12));
    glow.setColorAt(0, QColor(0xFF, 0xFF, 0xE0));
    glow.setColorAt(1, QColor(0xF7, 0xCF, 0x3C));
    p.setBrush(glow);
    p.setPen(QPen(QColor(0xA8, 0x80, 0x10), 1.2));
    p.drawEllipse(QPointF(20, 18), 14, 14);
    p.setBrush(QColor(0x9A, 0x9A, 0xA0));
    p.setPen(QPen(QColor(0x60, 0x60, 0x66), 1));
    p.drawRoundedRect(QRectF(13, 31, 14, 10), 2, 2);
    p.drawLine(QPointF(13, 35), QPointF(27, 35));
    p.drawLine(QPointF(14, 38), QPointF(26, 38));
    return pixmap;
}

} // namespace

bool CTipDlg::showAtStartup(const platform::Registry &reg)
{
    return reg.readInt(QStringLiteral("Tip"), QStringLiteral("StartUp"), 0) == 0;
}

CTipDlg::CTipDlg(platform::Registry &reg, const QString &tipsPath, QWidget *parent)
    : QDialog(parent), m_reg(reg), m_tips(reg), m_text(new QLabel(this)),
      m_showAtStartup(new QCheckBox(QStringLiteral("&Mostra suggerimenti all'avvio"), this))
{
    setWindowTitle(QStringLiteral("Suggerimento del giorno"));
    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    auto *icon = new QLabel(panel);
    icon->setPixmap(bulb());
    auto *heading = new QLabel(QStringLiteral("Lo sapevi che..."), panel);
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    heading->setFont(big);
    m_text->setParent(panel);
    m_text->setObjectName(QStringLiteral("1004"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setMinimumSize(320, 110);
    auto *panelLayout = new QHBoxLayout(panel);
    panelLayout->addWidget(icon, 0, Qt::AlignTop);
    auto *textColumn = new QVBoxLayout;
    textColumn->addWidget(heading);
    textColumn->addWidget(m_text, 1);
    panelLayout->addLayout(textColumn, 1);

    m_showAtStartup->setObjectName(QStringLiteral("1001"));
    m_showAtStartup->setChecked(showAtStartup(reg));
    auto *nextButton = new QPushButton(QStringLiteral("&Successivo"), this);
    nextButton->setObjectName(QStringLiteral("1002"));
    auto *closeButton = new QPushButton(QStringLiteral("&Chiudi"), this);
    closeButton->setDefault(true);
    connect(nextButton, &QPushButton::clicked, this, &CTipDlg::showNextTip);
    connect(closeButton, &QPushButton::clicked, this, &CTipDlg::closeDialog);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_showAtStartup, 1);
    buttons->addWidget(nextButton);
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel, 1);
    layout->addLayout(buttons);

    m_tips.open(tipsPath);
    m_text->setText(m_tips.tip());
}

CTipDlg::~CTipDlg()
{
    m_tips.savePosition();
}

QString CTipDlg::tipText() const
{
    return m_text->text();
}

void CTipDlg::showNextTip()
{
    m_tips.next();
    m_text->setText(m_tips.tip());
}

void CTipDlg::closeDialog()
{
    m_reg.writeInt(QStringLiteral("Tip"), QStringLiteral("StartUp"),
                   m_showAtStartup->isChecked() ? 0 : 1);
    accept();
}
