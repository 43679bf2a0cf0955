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

    // The two halves of claim(), for programs that may run several times:
    enum class Listen
    {
        Listening, // this process now answers to the name
        NameInUse, // a live instance answers to it; nothing changed
        Failed     // the socket could not be created
    };
    // Starts answering to the name unless a live instance already does.
    Listen listen();
    // Asks a running instance to show itself; true when one answered.
    bool askRunningToShow();
    // Stops answering to the name.
    void stopListening();

    [[nodiscard]] QString name() const { return m_name; }

signals:
    // Another start asked this instance to bring its main window forward.
    void showRequested();

private:
    bool isAnswered();

    QString m_name;
    QLocalServer *m_server = nullptr;
};

} // namespace platform
