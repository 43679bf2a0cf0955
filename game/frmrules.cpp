#include "frmrules.h"

#include "frmabout.h"
#include "gamelook.h"
#include "labelbutton.h"
#include "tilepictures.h"

#include <QLabel>

namespace {

constexpr QSize boxSize(352, 316);

} // namespace

frmRules::frmRules(const TilePictures &pictures, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("How to Play ") + tr("Rubblefall"));
    setFixedSize(boxSize);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, gamelook::formBack);
    setPalette(palette);
    setAutoFillBackground(true);

    struct Entry
    {
        QString text;
        std::vector<int> icons; // picture indexes
    };
    const Entry entries[] = {
        {tr("TESSERE ... puoi rimuoverle se almeno tre adiacenti hanno lo stesso colore."),
         {1, 2, 3, 4, 5}},
        {tr("BOMBA ... elimina tutte le tessere adiacenti."), {6}},
        {tr("TESSERA NERA ... non puoi rimuoverla senza usare una bomba o un fulmine."), {10}},
        {tr("FULMINE ... elimina l'intera riga di tessere."), {8}},
        {tr("TESSERA BICOLORE ... cambia il colore a tutte le tessere."), {9}},
    };

    const QFont detailFont = gamelook::tahoma(9, false);
    int y = 14;
    for (const Entry &entry : entries) {
        int x = 14;
        for (const int icon : entry.icons) {
            auto *imgIcon = new QLabel(this);
            imgIcon->setPixmap(pictures.tile(icon));
            imgIcon->setGeometry(x, y, 24, 24);
            x += 26;
        }
        auto *lblDetail = new QLabel(this);
        gamelook::applyLook(lblDetail, detailFont, Qt::black);
        lblDetail->setWordWrap(true);
        // The name of the tile stands out from what it does.
        const qsizetype split = entry.text.indexOf(QStringLiteral(" ..."));
        const QString name = entry.text.left(split).toHtmlEscaped();
        const QString rest = entry.text.mid(split).toHtmlEscaped();
        lblDetail->setText(QStringLiteral("<b style=\"color:#165b89\">%1</b>%2").arg(name, rest));
        if (entry.icons.size() > 1) {
            lblDetail->setGeometry(14, y + 28, boxSize.width() - 28, 34);
            y += 28 + 44;
        } else {
            lblDetail->setGeometry(48, y - 5, boxSize.width() - 48 - 14, 34);
            y += 46;
        }
        lblDetail->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    auto *close = new LabelButton(tr("Chiudi"), this);
    gamelook::applyLook(close, gamelook::tahoma(9.75, true), gamelook::captionText);
    close->setGeometry(boxSize.width() - 90, boxSize.height() - 32, 76, 22);
    connect(close, &LabelButton::clicked, this, &QDialog::accept);
}

void frmRules::paintEvent(QPaintEvent *)
{
    paintBoxBorder(this);
}
