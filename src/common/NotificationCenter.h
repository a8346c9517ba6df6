#pragma once

#include <QString>
#include <QVariantMap>
#include <functional>
#include <memory>

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
// Safe to use from any thread.
class NotificationCenter {
public:
  using Handler = std::function<void(const Notification &)>;

  static NotificationCenter &defaultCenter();

  // object null observes the name from every poster. Returns a token for removal.
  int addObserver(const QString &name, const void *object, Handler handler);
  void removeObserver(int token);

  void postNotification(const QString &name, const void *object = nullptr,
                        const QVariantMap &userInfo = {});

  NotificationCenter();
  ~NotificationCenter();
  NotificationCenter(const NotificationCenter &) = delete;
  NotificationCenter &operator=(const NotificationCenter &) = delete;

private:
  struct State;
  std::unique_ptr<State> d;
};

// Removes its observation when destroyed; the usual way for an object to
// observe for as long as it lives.
class NotificationObservation {
public:
  NotificationObservation() = default;
  NotificationObservation(const QString &name, const void *object,
                          NotificationCenter::Handler handler);
  ~NotificationObservation();
  NotificationObservation(NotificationObservation &&other) noexcept;
  NotificationObservation &operator=(NotificationObservation &&other) noexcept;

private:
  int token = 0;
};
