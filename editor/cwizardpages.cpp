#include "editor/cwizardpages.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <QWizard>
#include <QWizardPage>

namespace wizardpages {

namespace {

// A brush over a wall, the wizards' own picture.
QPixmap logo()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(4, 30, 40, 10), QColor(0x9C, 0x4A, 0x2E));
    p.setPen(QPen(Qt::white, 1));
    for (int x = 4; x < 44; x += 10)
        p.drawLine(QPointF(x, 30), QPointF(x, 35));
    p.drawLine(QPointF(4, 35), QPointF(44, 35));
    p.translate(30, 6);
    p.rotate(35);
    p.fillRect(QRectF(-3, 0, 6, 18), QColor(0x8B, 0x5A, 0x2B));
    p.fillRect(QRectF(-5, 18, 10, 8), QColor(0x1E, 0x4E, 0x8C));
    return pixmap;
}

} // namespace

void setUp(QWizard &wizard)
{
    wizard.setWizardStyle(QWizard::ModernStyle);
    wizard.setPixmap(QWizard::LogoPixmap, logo());
    wizard.setButtonText(QWizard::BackButton, QWizard::tr("< &Indietro"));
    wizard.setButtonText(QWizard::NextButton, QWizard::tr("&Avanti >"));
    wizard.setButtonText(QWizard::FinishButton, QWizard::tr("Fine"));
    wizard.setButtonText(QWizard::CancelButton, QWizard::tr("Annulla"));
    wizard.setOption(QWizard::NoBackButtonOnStartPage);
}

QWizardPage *welcomePage(QWizard &wizard, const QString &title, const QString &text,
                         QWidget *hideWelcome)
{
    auto *page = new QWizardPage(&wizard);
    page->setTitle(title);
    auto *label = new QLabel(text, page);
    label->setWordWrap(true);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(label);
    layout->addStretch(1);
    layout->addWidget(new QLabel(QWizard::tr("Per continuare, premi Avanti."), page));
    hideWelcome->setParent(page);
    layout->addWidget(hideWelcome);
    return page;
}

} // namespace wizardpages
