#pragma once

#include "toolkit/toolkitglobal.h"

#include <QPushButton>

namespace toolkit {

// A link drawn as underlined text; clicking it opens the address with the
// desktop's default application.
class TOOLKIT_EXPORT UrlLinkButton : public QPushButton
{
    Q_OBJECT

public:
    explicit UrlLinkButton(QWidget *parent = nullptr);

    // The address opened; when empty, the text is the address.
    void setUrl(const QString &url);
    [[nodiscard]] QString url() const;
    // Opens the address; a failure is reported to the user.
    bool openUrl();

protected:
    void paintEvent(QPaintEvent *event) override;
    QSize sizeHint() const override;

private:
    QString m_url;
    bool m_visited = false;
};

} // namespace toolkit
