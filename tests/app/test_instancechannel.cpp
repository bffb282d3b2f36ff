// Handing the files of a later start to the open window: in order, exactly once, from starts
// at the same moment; a socket left by a killed program blocks nothing.
#include "app/instancechannel.h"

#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <thread>
#include <vector>

using namespace lorvane;

namespace {

// What a program killed while serving leaves behind: a bound socket file nobody listens on.
bool leaveStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (fd < 0 || static_cast<size_t>(name.size()) >= sizeof(address.sun_path)) {
        return false;
    }
    std::copy(name.begin(), name.end(), address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound && QFileInfo::exists(path);
}

}  // namespace

class TestInstanceChannel : public QObject {
    Q_OBJECT
  private slots:
    void serverNameIsPerUser();
    void handOversArriveInOrderExactlyOnce();
    void staleSocketDoesNotBlock();
    void startWithoutFilesLeavesTheWindowServing();
    void anotherUsersSocketIsNeitherUsedNorRemoved();
    void realProgramHandsOverAndEnds();
    void realProgramServesAgainAfterBeingKilled();
};

void TestInstanceChannel::serverNameIsPerUser() {
    QTemporaryDir runtime;
    const QString uid = QString::number(::getuid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QCOMPARE(InstanceServerName(), runtime.path() + "/lorvane-" + uid + ".socket");
    qputenv("XDG_RUNTIME_DIR", "/nonexistent-runtime");
    QCOMPARE(InstanceServerName(), "lorvane-" + uid);
    qunsetenv("XDG_RUNTIME_DIR");
    QCOMPARE(InstanceServerName(), "lorvane-" + uid);
}

void TestInstanceChannel::handOversArriveInOrderExactlyOnce() {
    QTemporaryDir dir;
    const QString name = dir.filePath("lorvane.socket");
    std::unique_ptr<InstanceServer> server;
    QCOMPARE(ClaimInstance(name, {"/first.ogg"}, server), InstanceRole::Serving);
    QVERIFY(server);
    QList<QStringList> received;
    connect(server.get(), &InstanceServer::itemsReceived,
            [&](const QStringList& items) { received.append(items); });

    // Several starts at once, each with many names (odd ones too), each waiting for the
    // window's confirmation on a thread of its own while this one serves.
    constexpr int kStarts = 6;
    std::vector<QStringList> sent(kStarts);
    std::vector<InstanceRole> roles(kStarts, InstanceRole::Alone);
    std::vector<std::thread> starts;
    for (int s = 0; s < kStarts; ++s) {
        for (int i = 0; i < 300; ++i) {
            sent[s].append(QStringLiteral("/start %1/song\n%2 ~µ.ogg").arg(s).arg(i));
        }
        starts.emplace_back([&, s] {
            std::unique_ptr<InstanceServer> none;
            roles[s] = ClaimInstance(name, sent[s], none, 20000);
        });
    }
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), kStarts, 30000);
    for (std::thread& t : starts) {
        t.join();
    }
    for (int s = 0; s < kStarts; ++s) {
        QCOMPARE(roles[s], InstanceRole::HandedOver);
        QCOMPARE(received.count(sent[s]), 1);
    }
    QTest::qWait(100);
    QCOMPARE(received.size(), kStarts);
}

void TestInstanceChannel::staleSocketDoesNotBlock() {
    QTemporaryDir dir;
    const QString name = dir.filePath("lorvane.socket");
    QVERIFY(leaveStaleSocket(name));
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<InstanceServer> server;
    QCOMPARE(ClaimInstance(name, {"/a.ogg"}, server), InstanceRole::Serving);
    QVERIFY(clock.elapsed() < 3000);
    QCOMPARE(server->fullServerName(), name);

    // And the new window is reachable under the name.
    QStringList received;
    connect(server.get(), &InstanceServer::itemsReceived,
            [&](const QStringList& items) { received += items; });
    InstanceRole role = InstanceRole::Alone;
    std::thread later([&] {
        std::unique_ptr<InstanceServer> none;
        role = ClaimInstance(name, {"/b.ogg"}, none);
    });
    QTRY_COMPARE(received, QStringList{"/b.ogg"});
    later.join();
    QCOMPARE(role, InstanceRole::HandedOver);
}

void TestInstanceChannel::startWithoutFilesLeavesTheWindowServing() {
    QTemporaryDir dir;
    const QString name = dir.filePath("lorvane.socket");
    std::unique_ptr<InstanceServer> server;
    QCOMPARE(ClaimInstance(name, {}, server), InstanceRole::Serving);
    QStringList received;
    connect(server.get(), &InstanceServer::itemsReceived,
            [&](const QStringList& items) { received += items; });

    // A second window of its own: it must not take the name from the first.
    InstanceRole second = InstanceRole::Serving;
    std::unique_ptr<InstanceServer> secondServer;
    std::thread([&] { second = ClaimInstance(name, {}, secondServer); }).join();
    QCOMPARE(second, InstanceRole::Alone);
    QVERIFY(!secondServer);

    InstanceRole third = InstanceRole::Alone;
    std::thread later([&] {
        std::unique_ptr<InstanceServer> none;
        third = ClaimInstance(name, {"/c.ogg"}, none);
    });
    QTRY_COMPARE(received, QStringList{"/c.ogg"});
    later.join();
    QCOMPARE(third, InstanceRole::HandedOver);
    QVERIFY(received.size() == 1);
}

void TestInstanceChannel::anotherUsersSocketIsNeitherUsedNorRemoved() {
    QTemporaryDir dir;
    const QString name = dir.filePath("lorvane.socket");
    QVERIFY(leaveStaleSocket(name));
    QCOMPARE(::chown(QFile::encodeName(name).constData(), 65534, 65534), 0);
    std::unique_ptr<InstanceServer> server;
    QCOMPARE(ClaimInstance(name, {"/private.ogg"}, server), InstanceRole::Alone);
    QVERIFY(!server);
    QCOMPARE(QFileInfo(name).ownerId(), 65534u);
}

namespace {

QProcessEnvironment programEnvironment(const QString& runtime) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime);
    return env;
}

}  // namespace

// The program itself as the later start: its names made absolute against its own folder,
// handed over in order, and no window of its own.
void TestInstanceChannel::realProgramHandsOverAndEnds() {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString name = InstanceServerName();
    qunsetenv("XDG_RUNTIME_DIR");
    InstanceServer server;
    QVERIFY(server.listen(name));
    QList<QStringList> received;
    connect(&server, &InstanceServer::itemsReceived,
            [&](const QStringList& items) { received.append(items); });

    QProcess later;
    later.setProcessEnvironment(programEnvironment(runtime.path()));
    later.setWorkingDirectory(runtime.path());
    later.start(qEnvironmentVariable("LORVANE_PROGRAM"), {"b.ogg", "/music/a.ogg", "sub/"});
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 20000);
    QCOMPARE(received.front(),
             (QStringList{runtime.path() + "/b.ogg", "/music/a.ogg", runtime.path() + "/sub/"}));
    // (Already ended, perhaps, while the events ran.)
    QTRY_COMPARE_WITH_TIMEOUT(later.state(), QProcess::NotRunning, 20000);
    QCOMPARE(later.exitStatus(), QProcess::NormalExit);
    QCOMPARE(later.exitCode(), 0);
    QCOMPARE(received.size(), 1);
}

// A window killed outright leaves its socket behind; the next window takes the name over and
// receives what later starts hand over.
void TestInstanceChannel::realProgramServesAgainAfterBeingKilled() {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const QString name = InstanceServerName();
    qunsetenv("XDG_RUNTIME_DIR");
    for (int window = 0; window < 2; ++window) {
        QProcess program;
        program.setProcessEnvironment(programEnvironment(runtime.path()));
        program.start(qEnvironmentVariable("LORVANE_PROGRAM"), QStringList{});
        QVERIFY(program.waitForStarted());
        // Served once the window is up: a start with a file is taken and confirmed.
        InstanceRole role = InstanceRole::Alone;
        QElapsedTimer clock;
        clock.start();
        while (role != InstanceRole::HandedOver && clock.elapsed() < 20000) {
            std::unique_ptr<InstanceServer> none;
            QLocalSocket probe;
            probe.connectToServer(name);
            if (probe.waitForConnected(100)) {
                probe.abort();
                role = ClaimInstance(name, {"/x.ogg"}, none, 5000);
            } else {
                QTest::qWait(50);
            }
        }
        QCOMPARE(role, InstanceRole::HandedOver);
        program.kill();  // SIGKILL: nothing is cleaned up
        QVERIFY(program.waitForFinished());
        QVERIFY(QFileInfo::exists(name));
    }
}

QTEST_GUILESS_MAIN(TestInstanceChannel)
#include "test_instancechannel.moc"
