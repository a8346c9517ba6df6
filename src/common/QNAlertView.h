#pragma once

#include <QGraphicsObject>

#include <functional>

class QNActivityIndicator;
class QNButton;
class QTimer;

// The kinds of alert; any other value gives a title and text that stay until
// dismissed.
enum QNAlertType {
  QNAlertTypeWaiting = 1, // a spinner; stays until its owner dismisses it
  QNAlertTypeConfirm = 2, // OK runs the confirm action, then closes; Cancel closes
  QNAlertTypeNotice = 3,  // closes itself 1 second after it is made
  QNAlertTypeMessage = 4, // OK runs the confirm action, then closes
};

// The app's own alert panel: a 314 point wide panel with a title, a text (the
// panel grows downwards with a long text, and its buttons move down with it)
// and, per type, a spinner or OK and Cancel buttons. Texts are shown as given;
// callers pass localised texts.
//
// Shown alerts are scene items placed by QNAlertCenter, which owns an alert
// from show() until it has left the scene and then deletes it; hold shown
// alerts in a QPointer. A shown alert's buttons work once: after the first
// click (or a dismissal) the alert takes no more input.
class QNAlertView : public QGraphicsObject {
  Q_OBJECT
public:
  using Action = std::function<void()>;

  QNAlertView(const QString &title, const QString &tip, int type, Action confirmAction = {});
  ~QNAlertView() override;

  // Makes an alert and shows it.
  static QNAlertView *alertWithTitle(const QString &title, const QString &tip, int type,
                                     Action action = {});

  void show();
  void dismissAnimated(bool animated);
  void confirm(); // OK: the confirm action, then closing
  void cancel();  // Cancel: closing

  int type() const { return m_type; }
  QString title() const { return m_title; }
  QString tip() const { return m_tip; }
  QString identifier() const { return m_identifier; }
  void setIdentifier(const QString &identifier) { m_identifier = identifier; }

  // Null where the type has none.
  QNButton *confirmBtn() const { return m_confirmBtn; }
  QNButton *cancelBtn() const { return m_cancelBtn; }
  QNActivityIndicator *indicator() const { return m_indicator; }
  // A notice's closing timer, running from the notice's making; null for other types.
  QTimer *closeTimer() const { return m_closeTimer; }
  QRectF titleRect() const;
  QRectF textRect() const { return m_textRect; }

  QRectF boundingRect() const override;
  void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
  void mousePressEvent(QGraphicsSceneMouseEvent *event) override;

private:
  QNButton *makeButton(const char *title, const QColor &colour);

  QString m_title;
  QString m_tip;
  int m_type;
  Action m_confirmAction;
  QString m_identifier;
  QSizeF m_size;
  QRectF m_textRect;
  QNButton *m_confirmBtn = nullptr;
  QNButton *m_cancelBtn = nullptr;
  QNActivityIndicator *m_indicator = nullptr;
  QTimer *m_closeTimer = nullptr;
};

// A message alert (one OK button, labelled with the localised "OK") with the
// title and message, shown at once; delegate, if any, runs when OK is clicked.
QNAlertView *alertWithDelegate(QNAlertView::Action delegate, const QString &title,
                               const QString &message);
