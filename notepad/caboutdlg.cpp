#include "notepad/caboutdlg.h"

#include "notepad/jottericons.h"

#include "toolkit/urllinkbutton.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace {

// Dialog units of the dialog's font: a quarter of the average character
// width across, an eighth of the character height down.
class DialogUnits
{
public:
    explicit DialogUnits(const QFont &font)
    {
        const QFontMetrics metrics(font);
        const QString alphabet =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        m_baseX = (metrics.horizontalAdvance(alphabet) / 26.0 + 1) / 2;
        m_baseY = metrics.height();
    }
    [[nodiscard]] int x(int dlu) const { return qRound(dlu * m_baseX / 4); }
    [[nodiscard]] int y(int dlu) const { return qRound(dlu * m_baseY / 8); }
    [[nodiscard]] QRect rect(int left, int top, int width, int height) const
    {
        return {x(left), y(top), x(width), y(height)};
    }

private:
    double m_baseX = 6;
    double m_baseY = 13;
};

} // namespace

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent), m_link(new toolkit::UrlLinkButton(this))
{
    setObjectName(QStringLiteral("100"));
    setWindowTitle(QStringLiteral("Informazioni su Jotter"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const DialogUnits du(font());

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("128"));
    icon->setPixmap(jottericons::applicationIcon().pixmap(32, 32));
    icon->setGeometry(du.x(11), du.y(10), 32, 32);

    auto *name = new QLabel(QStringLiteral("Jotter Versione 1.5.0,2"), this);
    name->setGeometry(du.rect(40, 10, 130, 9));
    auto *about = new QLabel(QStringLiteral("Blocco note della suite Domora. © Velmar"), this);
    about->setGeometry(du.rect(40, 22, 130, 9));

    m_link->setObjectName(QStringLiteral("1041"));
    m_link->setText(QStringLiteral("www.velmar.it"));
    m_link->setUrl(QStringLiteral("https://www.velmar.it/"));
    m_link->adjustSize();
    m_link->move(du.x(40), du.y(37));

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    ok->setGeometry(du.rect(178, 7, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(du.x(235), du.y(58));
}
