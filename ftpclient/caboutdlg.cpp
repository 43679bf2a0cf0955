#include "ftpclient/caboutdlg.h"

#include "ftpclient/ftpicons.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Informazioni su..."));
    const QFontMetricsF metrics(font());
    const double bx = metrics.horizontalAdvance(
                          QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                      52.0;
    const double by = metrics.height();
    const auto du = [&](int x, int y, int w, int h) {
        return QRect(qRound(x * bx / 4), qRound(y * by / 8), qRound(w * bx / 4),
                     qRound(h * by / 8));
    };
    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("128"));
    icon->setPixmap(ftpicons::programIcon().pixmap(32, 32));
    icon->setGeometry(du(7, 7, 21, 20).topLeft().x(), du(7, 7, 21, 20).topLeft().y(), 32, 32);
    const QStringList lines{QStringLiteral("Skyfetch"), QStringLiteral("Versione 1.0.0,1"),
                            QStringLiteral("Sfoglia le cartelle dei server FTP.")};
    for (int i = 0; i < lines.size(); ++i) {
        auto *label = new QLabel(lines[i], this);
        label->setGeometry(du(40, 10 + i * 14, 150, 10));
    }
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    QRect okRect = du(196, 7, 50, 14);
    okRect.setHeight(qMax(okRect.height(), ok->sizeHint().height()));
    ok->setGeometry(okRect);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(du(0, 0, 253, 63).size());
}
