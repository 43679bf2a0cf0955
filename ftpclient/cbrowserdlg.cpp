#include "ftpclient/cbrowserdlg.h"

#include "ftpclient/caboutdlg.h"
#include "ftpclient/cftptreectrl.h"
#include "ftpclient/ftpicons.h"
#include "ftpclient/strings.h"
#include "platform/internet.h"
#include "platform/messagebox.h"
#include "platform/waitcursor.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

CBrowserDlg::CBrowserDlg(QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_address(new QComboBox(this)),
      m_read(new QPushButton(ftpStrings::text(ftpStrings::Read), this)),
      m_label(new QLabel(QStringLiteral("I&ndirizzo:"), this)), m_tree(new CFtpTreeCtrl(this))
{
    setWindowTitle(QStringLiteral("Skyfetch"));
    setWindowIcon(ftpicons::programIcon());
    setSizeGripEnabled(true);

    // Dialog units: a quarter of the font's average character width across,
    // an eighth of its height down.
    const QFontMetricsF metrics(font());
    m_baseX = metrics.horizontalAdvance(
                  QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
              52.0;
    m_baseY = metrics.height();

    m_label->setBuddy(m_address);
    m_address->setObjectName(QStringLiteral("1000"));
    m_address->setEditable(true);
    m_address->setInsertPolicy(QComboBox::NoInsert);
    m_address->setMaxVisibleItems(ftpaddress::AddressHistory::maxEntries);
    m_read->setObjectName(QStringLiteral("1002"));
    m_read->setDefault(true);
    m_read->setAutoDefault(true);
    m_tree->setObjectName(QStringLiteral("1001"));

    m_label->setGeometry(fromDialogUnits(7, 9, 40, 8));
    QRect combo = fromDialogUnits(48, 7, 82, 105);
    combo.setHeight(m_address->sizeHint().height());
    m_address->setGeometry(combo);
    QRect button = fromDialogUnits(139, 7, 50, 12);
    button.setHeight(qMax(button.height(), m_read->sizeHint().height()));
    m_read->setGeometry(button);
    m_tree->setGeometry(fromDialogUnits(7, 27, 182, 69));
    m_treeOffset = m_tree->geometry().topLeft();
    const QRect client = fromDialogUnits(0, 0, 196, 102);
    resize(client.size());
    setMinimumSize(client.size());

    // Enter in the address box reads as well: the read button is the default.
    connect(m_read, &QPushButton::clicked, this, &CBrowserDlg::OnRead);

    m_tree->ShowConnection(nullptr, QString());
}

CBrowserDlg::~CBrowserDlg()
{
    // The connection goes first; the tree only borrows it.
    m_tree->ShowConnection(nullptr, QString());
    m_pConnection.reset();
}

QRect CBrowserDlg::fromDialogUnits(int x, int y, int w, int h) const
{
    return QRect(qRound(x * m_baseX / 4.0), qRound(y * m_baseY / 8.0), qRound(w * m_baseX / 4.0),
                 qRound(h * m_baseY / 8.0));
}

void CBrowserDlg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int width = this->width() - 2 * m_treeOffset.x();
    const int height = this->height() - m_treeOffset.y() - m_treeOffset.x();
    if (width > 0 && height > 0)
        m_tree->setGeometry(m_treeOffset.x(), m_treeOffset.y(), width, height);
}

void CBrowserDlg::contextMenuEvent(QContextMenuEvent *event)
{
    // There is no system menu to extend here: the About item lives in the
    // window's context menu.
    QMenu menu(this);
    menu.addAction(ftpStrings::text(ftpStrings::AboutItem), this, &CBrowserDlg::showAbout);
    menu.exec(event->globalPos());
}

void CBrowserDlg::showAbout()
{
    CAboutDlg about(this);
    platform::ui::execDialog(about);
}

void CBrowserDlg::OnRead()
{
    if (m_pConnection) {
        m_tree->ShowConnection(nullptr, QString());
        m_pConnection.reset();
    }
    const QString address = m_address->currentText();
    m_history.add(address);
    m_address->blockSignals(true);
    m_address->clear();
    m_address->addItems(m_history.entries());
    m_address->setEditText(address);
    m_address->blockSignals(false);

    const auto parts = ftpaddress::split(address);
    if (!parts) {
        platform::ui::messageBox(this, ftpStrings::text(ftpStrings::InvalidAddress), windowTitle());
        m_tree->ShowConnection(nullptr, QString());
        return;
    }

    platform::ui::WaitCursor wait;
    m_address->setEditText(address);
    m_address->lineEdit()->selectAll();
    if (ftpaddress::isUsableFtp(*parts)) {
        auto connection = std::make_unique<platform::FtpConnection>();
        // Anonymous, on the FTP port, active mode; a port in the address is
        // not used.
        if (connection->open(parts->server, ftpPort)) {
            m_pConnection = std::move(connection);
        } else {
            QString text = connection->lastError().text().left(1024);
            if (text.isEmpty())
                text = ftpStrings::text(ftpStrings::ConnectionFailed);
            platform::ui::messageBox(this, text, windowTitle());
        }
    } else {
        platform::ui::messageBox(this, ftpStrings::text(ftpStrings::InvalidAddress), windowTitle());
    }
    if (m_pConnection)
        m_tree->ShowConnection(m_pConnection.get(), parts->path);
    else
        m_tree->ShowConnection(nullptr, QString());
}
