#include "editor/caboutdlg.h"

#include "editor/ccreditsctrl.h"
#include "editor/systeminfo.h"
#include "platform/messagebox.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

namespace {

QPixmap programPicture()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xF4, 0xF1, 0xE8));
    p.setPen(QPen(QColor(0x5A, 0x5A, 0x5A), 1.2));
    p.drawRect(QRectF(4.5, 4.5, 39, 39));
    p.setPen(QPen(QColor(0x1E, 0x4E, 0x8C), 3.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(10, 10, 28, 28));
    p.drawLine(QPointF(10, 25), QPointF(24, 25));
    p.drawLine(QPointF(24, 25), QPointF(24, 38));
    p.setPen(QPen(QColor(0x1E, 0x4E, 0x8C), 1));
    p.drawArc(QRectF(16, 18, 14, 14), 0, 90 * 16);
    return pixmap;
}

} // namespace

QStringList CAboutDlg::acknowledgements()
{
    return {QStringLiteral("DOMORA"),
            QStringLiteral("Planimetrie per agenzie immobiliari"),
            QString(),
            QStringLiteral("Grazie a"),
            QStringLiteral("gli agenti che hanno disegnato"),
            QStringLiteral("i primi appartamenti"),
            QStringLiteral("e ci hanno detto cosa mancava"),
            QString(),
            QStringLiteral("Realizzato con"),
            QStringLiteral("Qt, giflib, libcurl"),
            QString(),
            QStringLiteral("Velmar"),
            QString()};
}

CAboutDlg::CAboutDlg(const QString &programFolder, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Informazioni su Domora"));
    auto *icon = new QLabel(this);
    icon->setPixmap(programPicture());
    auto *title = new QLabel(QStringLiteral("Domora"), this);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    title->setFont(big);
    auto *version = new QLabel(QStringLiteral("Versione 1.0.0"), this);

    auto *memory = new QLabel(this);
    memory->setObjectName(QStringLiteral("1095"));
    const auto mem = systeminfo::memory();
    memory->setText(mem ? systeminfo::memoryText(*mem) : QStringLiteral("Non disponibile"));
    auto *disk = new QLabel(systeminfo::diskText(programFolder), this);
    disk->setObjectName(QStringLiteral("1096"));
    // There is no fixed family of systems to name here: the running one is.
    auto *os =
        new QLabel(QStringLiteral("compatibile, %1").arg(QSysInfo::prettyProductName()), this);

    auto *grid = new QGridLayout;
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(title, 0, 1, 1, 2);
    grid->addWidget(version, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Memoria di sistema:"), this), 2, 1);
    grid->addWidget(memory, 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("Spazio libero su disco:"), this), 3, 1);
    grid->addWidget(disk, 3, 2);
    grid->addWidget(new QLabel(QStringLiteral("Versione del SO:"), this), 4, 1);
    grid->addWidget(os, 4, 2);
    grid->setColumnStretch(2, 1);

    auto *buttons = new QVBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto *credits = new QPushButton(QStringLiteral("Ringraziamenti..."), this);
    buttons->addWidget(ok);
    buttons->addWidget(credits);
    buttons->addStretch(1);
    credits->setObjectName(QStringLiteral("3"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(credits, &QPushButton::clicked, this, &CAboutDlg::showCredits);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
}

void CAboutDlg::showCredits()
{
    QDialog window(this);
    window.setWindowTitle(QStringLiteral("Ringraziamenti"));
    auto *matrix = new CCreditsCtrl(&window);
    matrix->setLines(acknowledgements());
    auto *close = new QPushButton(QStringLiteral("Chiudi"), &window);
    connect(close, &QPushButton::clicked, &window, &QDialog::accept);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(matrix, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
    platform::ui::execDialog(window);
}
