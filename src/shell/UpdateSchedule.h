#pragma once

// The once-a-day rule of the update check: due when the stored
// "lastUpdateDate" (seconds since 1970, single precision, 0 when missing) plus
// one day is strictly earlier than now. The stored date only moves when a newer
// version was reported, so with none the check runs at every launch.
bool isUpdateCheckDue(float lastUpdateDate, double now);
