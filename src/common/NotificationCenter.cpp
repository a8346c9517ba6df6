#include "NotificationCenter.h"

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <vector>

struct NotificationCenter::State {
  struct Observer {
    int token;
    QString name;
    const void *object;
    bool hasContext;
    QPointer<QObject> context;
    std::shared_ptr<Handler> handler;
  };
  QMutex mutex;
  std::vector<Observer> observers;
  int nextToken = 1;

  int add(const QString &name, const void *object, bool hasContext, QObject *context,
          Handler handler) {
    QMutexLocker lock(&mutex);
    const int token = nextToken++;
    observers.push_back(
        {token, name, object, hasContext, context, std::make_shared<Handler>(std::move(handler))});
    return token;
  }

  bool isObserving(int token) {
    QMutexLocker lock(&mutex);
    return std::any_of(observers.cbegin(), observers.cend(),
                       [token](const Observer &o) { return o.token == token; });
  }
};

NotificationCenter::NotificationCenter() : d(std::make_shared<State>()) {}
NotificationCenter::~NotificationCenter() = default;

NotificationCenter &NotificationCenter::defaultCenter() {
  static NotificationCenter center;
  return center;
}

int NotificationCenter::addObserver(const QString &name, const void *object, Handler handler) {
  return d->add(name, object, false, nullptr, std::move(handler));
}

int NotificationCenter::addObserver(const QString &name, const void *object, QObject *context,
                                    Handler handler) {
  return d->add(name, object, true, context, std::move(handler));
}

void NotificationCenter::removeObserver(int token) {
  QMutexLocker lock(&d->mutex);
  std::erase_if(d->observers, [token](const State::Observer &o) { return o.token == token; });
}

void NotificationCenter::postNotification(const QString &name, const void *object,
                                          const QVariantMap &userInfo) {
  std::vector<State::Observer> matching;
  {
    QMutexLocker lock(&d->mutex);
    for (const auto &o : d->observers) {
      if (o.name == name && (!o.object || o.object == object))
        matching.push_back(o);
    }
  }
  const Notification notification{name, object, userInfo};
  for (const State::Observer &o : matching) {
    if (o.hasContext && !o.context)
      continue; // its context is gone
    if (o.hasContext && o.context->thread() != QThread::currentThread()) {
      // Delivered in the context's thread; Qt drops it if the context goes first.
      std::weak_ptr<State> state = d;
      QMetaObject::invokeMethod(
          o.context.data(),
          [state, token = o.token, handler = o.handler, notification] {
            const std::shared_ptr<State> alive = state.lock();
            if (alive && alive->isObserving(token))
              (*handler)(notification);
          },
          Qt::QueuedConnection);
      continue;
    }
    // An observer removed by an earlier handler of this post hears nothing more.
    if (d->isObserving(o.token) && (!o.hasContext || o.context))
      (*o.handler)(notification);
  }
}

NotificationObservation::NotificationObservation(const QString &name, const void *object,
                                                 NotificationCenter::Handler handler)
    : token(NotificationCenter::defaultCenter().addObserver(name, object, std::move(handler))) {}

NotificationObservation::NotificationObservation(const QString &name, const void *object,
                                                 QObject *context,
                                                 NotificationCenter::Handler handler)
    : token(NotificationCenter::defaultCenter().addObserver(name, object, context,
                                                            std::move(handler))) {}
NotificationObservation::~NotificationObservation() {
  if (token)
    NotificationCenter::defaultCenter().removeObserver(token);
}

NotificationObservation::NotificationObservation(NotificationObservation &&other) noexcept
    : token(std::exchange(other.token, 0)) {}

NotificationObservation &
NotificationObservation::operator=(NotificationObservation &&other) noexcept {
  if (this != &other) {
    if (token)
      NotificationCenter::defaultCenter().removeObserver(token);
    token = std::exchange(other.token, 0);
  }
  return *this;
}
