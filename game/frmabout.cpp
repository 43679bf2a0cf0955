#include "frmabout.h"

#include "gamelook.h"
#include "labelbutton.h"
#include "tilepictures.h"

#include <QLabel>
#include <QPainter>

namespace {

constexpr QSize boxSize(312, 172);

} // namespace

void paintBoxBorder(QWidget *box)
{
    QPainter p(box);
    p.setPen(QPen(gamelook::captionText, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(1, 1, box->width() - 3, box->height() - 3));
}

frmAbout::frmAbout(const TilePictures &pictures, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("About ") + tr("Rubblefall"));
    setFixedSize(boxSize);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, gamelook::formBack);
    setPalette(palette);
    setAutoFillBackground(true);

    auto *imgTitle = new QLabel(this);
    imgTitle->setPixmap(pictures.title());
    const QSize titleSize = pictures.title().deviceIndependentSize().toSize();
    imgTitle->setGeometry((boxSize.width() - titleSize.width()) / 2, 8, titleSize.width(),
                          titleSize.height());

    const QString credits[] = {
        tr("Rubblefall 1.0, il gioco di tessere della suite Domora"),
        tr("Regole, disegni e programma: il gruppo di sviluppo Velmar"),
        tr("Buon divertimento, e attenti alle tessere nere!"),
    };
    int y = 78;
    for (const QString &line : credits) {
        auto *label = new QLabel(line, this);
        gamelook::applyLook(label, gamelook::tahoma(8.25, false), Qt::black);
        label->setGeometry(12, y, boxSize.width() - 24, 18);
        label->setAlignment(Qt::AlignCenter);
        y += 18;
    }

    auto *close = new LabelButton(tr("Chiudi"), this);
    gamelook::applyLook(close, gamelook::tahoma(9.75, true), gamelook::captionText);
    close->setGeometry(boxSize.width() - 90, boxSize.height() - 32, 76, 22);
    connect(close, &LabelButton::clicked, this, &QDialog::accept);
}

void frmAbout::paintEvent(QPaintEvent *)
{
    paintBoxBorder(this);
}
