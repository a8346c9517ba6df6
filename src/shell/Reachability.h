#pragma once

// The internet reachability monitor kept by the application for screens that
// ask before going online. It answers from the system's network information
// when a backend is available, and reports reachable when none is (so a
// machine without one is never cut off). No change notifier is started.
class Reachability {
public:
  Reachability();
  bool isReachable() const;
};
