// The screen saver held off over D-Bus, against a stand-in for the
// desktop's org.freedesktop.ScreenSaver service on a private bus.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QMutex>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QtTest>

#include "platform/sleep_inhibitor.h"

using lumetta::platform::SleepInhibitor;

// The desktop's side: it answers each Inhibit with a cookie of its own and
// remembers what it was asked. It lives on a thread of its own, because the
// program waits for the answer without running its event loop.
class FakeScreenSaver : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

 public:
  QStringList Calls() {
    QMutexLocker lock(&mutex_);
    return calls_;
  }

 public slots:
  uint Inhibit(const QString& application, const QString& reason) {
    QMutexLocker lock(&mutex_);
    calls_ << QString("Inhibit %1 %2").arg(application, reason);
    return 4711;
  }
  void UnInhibit(uint cookie) {
    QMutexLocker lock(&mutex_);
    calls_ << QString("UnInhibit %1").arg(cookie);
  }

 private:
  QMutex mutex_;
  QStringList calls_;
};

class SleepInhibitorTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
    QVERIFY2(!daemon.isEmpty(), "dbus-daemon runs the private bus (scripts/setup installs it)");
    bus_.start(daemon, {"--session", "--nofork", "--print-address=1"});
    QVERIFY(bus_.waitForStarted());
    QTRY_VERIFY(bus_.canReadLine());
    address_ = QString::fromUtf8(bus_.readLine()).trimmed();
    QVERIFY(!address_.isEmpty());
  }

  void cleanupTestCase() {
    if (bus_.state() == QProcess::NotRunning) return;
    bus_.kill();
    bus_.waitForFinished();
  }

  void withoutTheServiceNothingIsHeld() {
    SleepInhibitor inhibitor(address_.toStdString());
    QVERIFY(!inhibitor.Inhibit("Lumetta", "スライドショー"));
    QVERIFY(!inhibitor.Held());
    inhibitor.Release();
  }

  void holdsTheScreenSaverOffAndLetsItBackWithTheCookie() {
    FakeScreenSaver desktop;
    QThread thread;
    desktop.moveToThread(&thread);
    thread.start();
    QDBusConnection service = QDBusConnection::connectToBus(address_, "fake-desktop");
    QVERIFY(service.isConnected());
    QVERIFY(service.registerObject("/org/freedesktop/ScreenSaver", &desktop, QDBusConnection::ExportAllSlots));
    QVERIFY(service.registerService("org.freedesktop.ScreenSaver"));
    {
      SleepInhibitor inhibitor(address_.toStdString());
      QVERIFY(inhibitor.Inhibit("Lumetta", "スライドショー"));
      QVERIFY(inhibitor.Held());
      // Asking again asks the desktop nothing more.
      QVERIFY(inhibitor.Inhibit("Lumetta", "スライドショー"));
      QTRY_COMPARE(desktop.Calls(), QStringList{"Inhibit Lumetta スライドショー"});
      inhibitor.Release();
      QVERIFY(!inhibitor.Held());
      QTRY_COMPARE(desktop.Calls().size(), 2);
      QCOMPARE(desktop.Calls().at(1), QString("UnInhibit 4711"));
      // One that ends while holding lets the screen saver back too.
      QVERIFY(inhibitor.Inhibit("Lumetta", "スライドショー"));
    }
    QTRY_COMPARE(desktop.Calls().size(), 4);
    QCOMPARE(desktop.Calls().at(3), QString("UnInhibit 4711"));
    service.unregisterService("org.freedesktop.ScreenSaver");
    service.unregisterObject("/org/freedesktop/ScreenSaver");
    QDBusConnection::disconnectFromBus("fake-desktop");
    thread.quit();
    thread.wait();
  }

 private:
  QProcess bus_;
  QString address_;
};

QTEST_GUILESS_MAIN(SleepInhibitorTest)
#include "sleep_inhibitor_test.moc"
