#pragma once

// One Lorvane window per user takes the files of later starts: a start with files while a
// window is open hands them over and ends.

#include <QObject>
#include <QStringList>

#include <memory>

class QLocalServer;
class QLocalSocket;

namespace lorvane {

// The user's server name: a socket in XDG_RUNTIME_DIR when there is one, otherwise one in the
// temporary folder named after the user id.
QString InstanceServerName();

// The window's end: receives what later starts hand over, each start's items in their order,
// and confirms each hand-over only once it has been taken.
class InstanceServer : public QObject {
    Q_OBJECT
  public:
    explicit InstanceServer(QObject* parent = nullptr);
    ~InstanceServer() override;
    // Listens under the name; only the same user may connect.
    bool listen(const QString& name);
    QString fullServerName() const;

  signals:
    void itemsReceived(const QStringList& items);

  private:
    void takeConnection();
    void readFrom(QLocalSocket* socket);
    QLocalServer* m_server = nullptr;
};

// What a start found.
enum class InstanceRole {
    HandedOver,      // a window took the items; this start ends
    HandOverFailed,  // a window is there but did not confirm; the items may not have arrived
    Serving,         // no window was there: this start opens one and serves later starts
    Alone,           // a window is there and this start brings no items: a window of its own
                     // that does not serve, or no server could be set up
};

// Looks for a window under the name. With one: hands it the items (if any) and waits for its
// confirmation. Without one: removes what a killed program may have left under the name and
// serves it. Starts at the same moment take turns through a lock file beside the socket. A
// socket of another user's under the name is neither used nor removed.
InstanceRole ClaimInstance(const QString& name, const QStringList& items,
                           std::unique_ptr<InstanceServer>& server, int timeoutMs = 5000);

}  // namespace lorvane
