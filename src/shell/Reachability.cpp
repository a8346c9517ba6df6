#include "Reachability.h"

#include <QNetworkInformation>

Reachability::Reachability() {
  QNetworkInformation::loadDefaultBackend();
}

bool Reachability::isReachable() const {
  const QNetworkInformation *information = QNetworkInformation::instance();
  if (!information)
    return true;
  switch (information->reachability()) {
  case QNetworkInformation::Reachability::Disconnected:
  case QNetworkInformation::Reachability::Local:
  case QNetworkInformation::Reachability::Site:
    return false;
  case QNetworkInformation::Reachability::Online:
  case QNetworkInformation::Reachability::Unknown:
    break;
  }
  return true;
}
