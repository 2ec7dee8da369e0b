#include "platform/sleep_inhibitor.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QString>

namespace lumetta::platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kInterface = QStringLiteral("org.freedesktop.ScreenSaver");
// A desktop that does not answer at once does not hold the show up.
constexpr int kReplyTimeoutMs = 1000;

QDBusConnection Bus(const std::string& address) {
  if (address.empty()) return QDBusConnection::sessionBus();
  return QDBusConnection::connectToBus(QString::fromStdString(address), QStringLiteral("lumetta-sleep-inhibitor"));
}

}  // namespace

SleepInhibitor::~SleepInhibitor() { Release(); }

bool SleepInhibitor::Inhibit(const std::string& application, const std::string& reason) {
  if (held_) return true;
  QDBusConnection bus = Bus(bus_address_);
  if (!bus.isConnected()) return false;
  QDBusConnectionInterface* names = bus.interface();
  if (names == nullptr || !names->isServiceRegistered(kService).value()) return false;
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Inhibit"));
  call << QString::fromStdString(application) << QString::fromStdString(reason);
  // Blocking without an event loop: nothing else runs while the desktop answers.
  const QDBusMessage reply = bus.call(call, QDBus::Block, kReplyTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
  bool ok = false;
  const std::uint32_t cookie = reply.arguments().constFirst().toUInt(&ok);
  if (!ok) return false;
  cookie_ = cookie;
  held_ = true;
  return true;
}

void SleepInhibitor::Release() {
  if (!held_) return;
  held_ = false;
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("UnInhibit"));
  call << cookie_;
  // No answer is awaited: the desktop drops the inhibition when asked, or
  // when the program's connection closes.
  Bus(bus_address_).send(call);
}

}  // namespace lumetta::platform
