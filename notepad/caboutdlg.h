#pragma once

#include <QDialog>

namespace toolkit {
class UrlLinkButton;
}

// "Informazioni su Jotter": the program's icon, name and version, a line
// about it, OK and the link to the maker's web site (control 1041).
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget *parent = nullptr);

    [[nodiscard]] toolkit::UrlLinkButton *linkButton() const { return m_link; }

private:
    toolkit::UrlLinkButton *m_link;
};
