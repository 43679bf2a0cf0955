#pragma once

#include "ftpclient/ftpaddress.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class CFtpTreeCtrl;

namespace platform {
class FtpConnection;
}

// The main window of the FTP browser: an address, a read button and the
// tree of the server's folders.
class CBrowserDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CBrowserDlg(QWidget *parent = nullptr);
    ~CBrowserDlg() override;

    // Connects to the address in the address box and shows the server.
    void OnRead();

    [[nodiscard]] QComboBox *addressBox() const { return m_address; }
    [[nodiscard]] CFtpTreeCtrl *tree() const { return m_tree; }
    [[nodiscard]] QPushButton *readButton() const { return m_read; }
    // The port the browser connects to (the FTP default); tests may not
    // change it, since a port written in the address is never used either.
    static constexpr int ftpPort = 21;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // Dialog units to pixels through the dialog font's base units.
    [[nodiscard]] QRect fromDialogUnits(int x, int y, int w, int h) const;
    void showAbout();

    QComboBox *m_address;
    QPushButton *m_read;
    QLabel *m_label;
    CFtpTreeCtrl *m_tree;
    std::unique_ptr<platform::FtpConnection> m_pConnection;
    ftpaddress::AddressHistory m_history;
    double m_baseX = 6.0;
    double m_baseY = 13.0;
    QPoint m_treeOffset;
};
