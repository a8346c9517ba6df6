#include "NotificationCenter.h"

#include <QMutex>
#include <vector>

struct NotificationCenter::State {
  struct Observer {
    int token;
    QString name;
    const void *object;
    std::shared_ptr<Handler> handler;
  };
  QMutex mutex;
  std::vector<Observer> observers;
  int nextToken = 1;
};

NotificationCenter::NotificationCenter() : d(std::make_unique<State>()) {}
NotificationCenter::~NotificationCenter() = default;

NotificationCenter &NotificationCenter::defaultCenter() {
  static NotificationCenter center;
  return center;
}

int NotificationCenter::addObserver(const QString &name, const void *object, Handler handler) {
  QMutexLocker lock(&d->mutex);
  const int token = d->nextToken++;
  d->observers.push_back({token, name, object, std::make_shared<Handler>(std::move(handler))});
  return token;
}

void NotificationCenter::removeObserver(int token) {
  QMutexLocker lock(&d->mutex);
  std::erase_if(d->observers, [token](const State::Observer &o) { return o.token == token; });
}

void NotificationCenter::postNotification(const QString &name, const void *object,
                                          const QVariantMap &userInfo) {
  std::vector<std::pair<int, std::shared_ptr<Handler>>> matching;
  {
    QMutexLocker lock(&d->mutex);
    for (const auto &o : d->observers) {
      if (o.name == name && (!o.object || o.object == object))
        matching.emplace_back(o.token, o.handler);
    }
  }
  const Notification notification{name, object, userInfo};
  for (const auto &[token, handler] : matching) {
    bool stillObserving = false;
    {
      // An observer removed by an earlier handler of this post hears nothing more.
      QMutexLocker lock(&d->mutex);
      for (const auto &o : d->observers)
        stillObserving = stillObserving || o.token == token;
    }
    if (stillObserving)
      (*handler)(notification);
  }
}

NotificationObservation::NotificationObservation(const QString &name, const void *object,
                                                 NotificationCenter::Handler handler)
    : token(NotificationCenter::defaultCenter().addObserver(name, object, std::move(handler))) {}

NotificationObservation::~NotificationObservation() {
  if (token)
    NotificationCenter::defaultCenter().removeObserver(token);
}

NotificationObservation::NotificationObservation(NotificationObservation &&other) noexcept
    : token(std::exchange(other.token, 0)) {}

NotificationObservation &NotificationObservation::operator=(NotificationObservation &&other) noexcept {
  if (this != &other) {
    if (token)
      NotificationCenter::defaultCenter().removeObserver(token);
    token = std::exchange(other.token, 0);
  }
  return *this;
}
