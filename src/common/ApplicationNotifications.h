#pragma once

#include <QString>

// What the application delegate announces of the application's life, posted
// on the main thread: the window was hidden or minimised (the user left the
// app), and the application is about to quit (after its window closed).
inline const QString kApplicationDidEnterBackgroundNotification =
    QStringLiteral("ApplicationDidEnterBackgroundNotification");
inline const QString kApplicationWillTerminateNotification =
    QStringLiteral("ApplicationWillTerminateNotification");
