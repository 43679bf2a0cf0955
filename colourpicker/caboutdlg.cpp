#include "caboutdlg.h"

#include "dialogunits.h"
#include "programicon.h"

#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("100"));
    setWindowTitle(QStringLiteral("About GTColorDialog"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const DialogUnits du(font());

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("128"));
    icon->setPixmap(programIcon().pixmap(32, 32));
    icon->setGeometry(du.rect(11, 17, 20, 20));

    const struct
    {
        QString text;
        int y;
        int width;
    } lines[] = {
        {tr("Chromatrix versione 1.0.0"), 10, 190},
        {tr("Selettore di colori in RGB, HSV e notazione esadecimale."), 25, 250},
        {tr("Copyright \u00a9 Velmar. Tutti i diritti riservati."), 40, 250},
    };
    for (const auto &line : lines) {
        auto *label = new QLabel(line.text, this);
        label->setGeometry(du.rect(40, line.y, line.width, 10));
    }

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    ok->setGeometry(du.rect(241, 7, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(du.x(298), du.y(85));
}
