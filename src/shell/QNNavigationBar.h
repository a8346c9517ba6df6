#pragma once

#include "QNToolBar.h"

#include <QPointer>

class QNButton;
class QNNavigationController;
class QNNavigationItem;

// The navigation controller's bar: a tool bar that shows one navigation item
// at a time and rebuilds its groups when the item's title or views change.
// With no left items it offers its back button (when the item allows it),
// visible only while the navigation controller can go back; the title view
// (the item's own, else the bar's label) sits centred behind the items and is
// hidden while there are centre items.
//
// The item is not owned: it belongs to its screen, and the bar forgets it when
// it is destroyed. The back button and the default label are the bar's.
class QNNavigationBar : public QNToolBar {
  Q_OBJECT
public:
  explicit QNNavigationBar(int style, QGraphicsItem *parent = nullptr);
  ~QNNavigationBar() override;

  QNNavigationItem *navigationItem() const { return m_item; }
  void setNavigationItem(QNNavigationItem *item);
  QNNavigationController *navigationController() const;
  void setNavigationController(QNNavigationController *controller);

  // Rebuilds every group from the item, or one group.
  void toggleNavigationBar();
  void toggleLeftItem();
  void toggleRightItem();
  void toggleCenterItem();
  // Shows the item's title in the title view, or hides the title view.
  void updateTitle(bool visible);
  // Makes the back button the left group (when the item has no left items).
  void setupBackButton();
  // Empties all three groups (the title view stays).
  void clearItems();

  QNButton *backButton() const { return m_backButton; }
  QGraphicsObject *titleView() const { return m_titleView; }

protected:
  void layoutItems() override;

private:
  void back();
  void placeTitleView();

  QPointer<QNNavigationItem> m_item;
  QPointer<QNNavigationController> m_controller;
  QNButton *m_backButton = nullptr;
  QPointer<QGraphicsObject> m_titleView;
  QGraphicsObject *m_defaultTitle = nullptr;
};
