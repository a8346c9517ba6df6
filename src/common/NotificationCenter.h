#pragma once

#include <QString>
#include <QVariantMap>
#include <functional>
#include <memory>

class QObject;

// A named notification: who posted it (any object, compared by address) and
// what it carries.
struct Notification {
  QString name;
  const void *object = nullptr;
  QVariantMap userInfo;
};

// The default notification centre. Observers are registered by name and,
// optionally, by the posting object; a notification is delivered synchronously
// on the posting thread, to the observers registered when it was posted.
// An observer with a context object is heard only while the context lives,
// and on the context's thread: a post from another thread reaches it queued,
// as a QObject::connect with a context does. Safe to use from any thread.
class NotificationCenter {
public:
  using Handler = std::function<void(const Notification &)>;

  static NotificationCenter &defaultCenter();

  // object null observes the name from every poster. Returns a token for removal.
  int addObserver(const QString &name, const void *object, Handler handler);
  int addObserver(const QString &name, const void *object, QObject *context, Handler handler);
  void removeObserver(int token);

  void postNotification(const QString &name, const void *object = nullptr,
                        const QVariantMap &userInfo = {});

  NotificationCenter();
  ~NotificationCenter();
  NotificationCenter(const NotificationCenter &) = delete;
  NotificationCenter &operator=(const NotificationCenter &) = delete;

private:
  struct State;
  std::shared_ptr<State> d;
};

// Removes its observation when destroyed; the usual way for an object to
// observe for as long as it lives.
class NotificationObservation {
public:
  NotificationObservation() = default;
  NotificationObservation(const QString &name, const void *object,
                          NotificationCenter::Handler handler);
  NotificationObservation(const QString &name, const void *object, QObject *context,
                          NotificationCenter::Handler handler);
  ~NotificationObservation();
  NotificationObservation(NotificationObservation &&other) noexcept;
  NotificationObservation &operator=(NotificationObservation &&other) noexcept;

private:
  int token = 0;
};
