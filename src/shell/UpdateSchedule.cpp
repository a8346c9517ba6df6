#include "UpdateSchedule.h"

namespace {
constexpr double secondsPerDay = 86400.0;
}

bool isUpdateCheckDue(float lastUpdateDate, double now) {
  return double(lastUpdateDate) + secondsPerDay < now;
}
