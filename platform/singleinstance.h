#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace platform {

// Keeps one running instance per name. The first instance listens on a named
// local socket; a later start finds it, asks it to show its main window and
// is told to end.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first instance (it now listens); false
    // when another instance answered and was asked to show itself.
    bool claim();
    [[nodiscard]] QString name() const { return m_name; }

signals:
    // Another start asked this instance to bring its main window forward.
    void showRequested();

private:
    QString m_name;
    QLocalServer *m_server = nullptr;
};

} // namespace platform
