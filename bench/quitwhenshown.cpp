// Preloaded into the window program by bench_startup: ends the process the moment the
// window has drawn itself once, so that timing the process from its start to its exit times
// the window's start-up, of any build of the program alike.
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

namespace {

class QuitWhenShown : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->objectName() == QLatin1String("Form1")) {
            // After this paint has reached the screen.
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return false;
    }
};

void watch() {
    // The window program first makes a plain application object for its first words.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        qApp->installEventFilter(new QuitWhenShown(qApp));
    }
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watch)
