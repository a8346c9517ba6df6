#pragma once

class QByteArray;
class QString;

// The device token that this installation registers for pushed messages: 32
// bytes that stay the same for one machine and home folder, the way a
// system-issued token stays the same for one device and application.
QByteArray deviceTokenForHome(const QString &homeFolder);

// The token's descriptive form: the bytes as groups of eight hexadecimal
// digits between blanks, in angle brackets ("<0a1b2c3d 4e5f...>").
QString deviceTokenDescription(const QByteArray &token);
