#include "QuillTest.h"

#include "common/FolderPaths.h"
#include "common/QNButton.h"
#include "shell/QNLabel.h"
#include "shell/QNNavigationBar.h"
#include "shell/QNNavigationItem.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsWidget>
#include <QPointer>
#include <QTest>

namespace {
QGraphicsWidget *box(qreal width, qreal height = 30) {
  auto *view = new QGraphicsWidget;
  view->resize(width, height);
  return view;
}

QNNavigationItem::Views boxes(const QList<qreal> &widths) {
  QNNavigationItem::Views views;
  for (qreal width : widths)
    views.append(box(width));
  return views;
}

QList<qreal> lefts(const QNToolBar::Views &views) {
  QList<qreal> xs;
  for (QGraphicsObject *view : views)
    xs.append(view->pos().x());
  return xs;
}
} // namespace

// A navigation bar of the navigation controller's style over a 768-point scene.
struct BarScene {
  BarScene() : bar(new QNNavigationBar(65536)) {
    scene.addItem(bar);
    bar->resize(768, QNToolBar::heightForStyle(65536));
    bar->setNavigationItem(&item);
  }
  ~BarScene() { delete bar; }

  QGraphicsScene scene;
  QNNavigationItem item{QStringLiteral("Notebooks")};
  QNNavigationBar *bar;
};

class QNNavigationBarTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  // The buttons' localised titles.
  void initTestCase() { setResourceFolder(QUILL_RESOURCE_DIR); }
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void heightFollowsStyle_data();
  void heightFollowsStyle();
  void groupsLaidOutFromEdgesAndCentre_data();
  void groupsLaidOutFromEdgesAndCentre();
  void resizingKeepsRightAndCentreInPlace();
  void centreItemsHideTitle();
  void titleChangeShowsAtOnce();
  void itemTitleViewReplacesLabel();
  void backButtonOfferedOnlyWithoutLeftItems();
  void droppedViewsAreDeletedKeptOnesStay();
  void movingToAnotherItemGivesViewsBack();
};

void QNNavigationBarTest::heightFollowsStyle_data() {
  QTest::addColumn<int>("style");
  QTest::addColumn<qreal>("height");
  QTest::newRow("plain") << 0 << 30.0;
  QTest::newRow("below 65536") << 65535 << 30.0;
  QTest::newRow("navigation") << 65536 << 45.0;
  QTest::newRow("upper bits 2") << (2 << 16) << 50.0;
  QTest::newRow("upper bits 3") << (3 << 16) << 45.0;
}

void QNNavigationBarTest::heightFollowsStyle() {
  QFETCH(int, style);
  QFETCH(qreal, height);
  QNToolBar bar(style);
  QCOMPARE(bar.size().height(), height);
  // The background reaches 3 points below the bar.
  QCOMPARE(bar.backGroundView()->size().height(), height + 3);
}

void QNNavigationBarTest::groupsLaidOutFromEdgesAndCentre_data() {
  QTest::addColumn<QString>("group");
  QTest::addColumn<QList<qreal>>("widths");
  QTest::addColumn<QList<qreal>>("expected");
  QTest::newRow("left two") << "left" << QList<qreal>{40, 60} << QList<qreal>{10, 50};
  QTest::newRow("left three") << "left" << QList<qreal>{40, 60, 20} << QList<qreal>{10, 50, 110};
  QTest::newRow("right two") << "right" << QList<qreal>{40, 60} << QList<qreal>{718, 658};
  QTest::newRow("centre three of 101")
      << "centre" << QList<qreal>{33, 34, 34} << QList<qreal>{333, 366, 400};
  QTest::newRow("centre one") << "centre" << QList<qreal>{100} << QList<qreal>{334};
  QTest::newRow("centre fractions")
      << "centre" << QList<qreal>{20.5, 20.5} << QList<qreal>{363, 383};
}

void QNNavigationBarTest::groupsLaidOutFromEdgesAndCentre() {
  QFETCH(QString, group);
  QFETCH(QList<qreal>, widths);
  QFETCH(QList<qreal>, expected);
  BarScene fixture;
  const QNNavigationItem::Views views = boxes(widths);
  if (group == "left")
    fixture.item.setLeftBarItems(views);
  else if (group == "right")
    fixture.item.setRightBarItems(views);
  else
    fixture.item.setCenterBarItems(views);
  QCOMPARE(lefts(views), expected);
  for (QGraphicsObject *view : views) {
    QCOMPARE(view->pos().y(), (45 - 30) / 2.0);
    QCOMPARE(view->parentItem(), fixture.bar->containerView());
  }
}

void QNNavigationBarTest::resizingKeepsRightAndCentreInPlace() {
  BarScene fixture;
  const QNNavigationItem::Views right = boxes({40});
  const QNNavigationItem::Views centre = boxes({100});
  const QNNavigationItem::Views left = boxes({40});
  fixture.item.setRightBarItems(right);
  fixture.item.setCenterBarItems(centre);
  fixture.item.setLeftBarItems(left);
  fixture.bar->resize(1024, 45);
  QCOMPARE(right.first()->pos().x(), 1024 - 10 - 40.0);
  QCOMPARE(centre.first()->pos().x(), 462.0);
  QCOMPARE(left.first()->pos().x(), 10.0);
}

void QNNavigationBarTest::centreItemsHideTitle() {
  BarScene fixture;
  QGraphicsObject *title = fixture.bar->titleView();
  QVERIFY(title && title->isVisible());
  fixture.item.setCenterBarItems(boxes({50, 50}));
  QVERIFY(!title->isVisible());
  fixture.item.setTitle(QStringLiteral("Still hidden"));
  QVERIFY(!title->isVisible());
  fixture.item.setCenterBarItems({});
  QVERIFY(title->isVisible());
  QVERIFY(fixture.bar->centerItems().isEmpty());
}

void QNNavigationBarTest::titleChangeShowsAtOnce() {
  BarScene fixture;
  auto *label = qobject_cast<QNLabel *>(fixture.bar->titleView());
  QVERIFY(label);
  QCOMPARE(label->text(), QStringLiteral("Notebooks"));
  // The default label: 500 by 20 points, centred on the bar.
  QCOMPARE(label->size(), QSizeF(500, 20));
  QCOMPARE(label->pos(), QPointF(134, 12.5));
  fixture.item.setTitle(QStringLiteral("Travel diary"));
  QCOMPARE(label->text(), QStringLiteral("Travel diary"));
}

void QNNavigationBarTest::itemTitleViewReplacesLabel() {
  BarScene fixture;
  QGraphicsObject *label = fixture.bar->titleView();
  QGraphicsWidget *custom = box(200, 40);
  fixture.item.setTitleView(custom);
  QCOMPARE(fixture.bar->titleView(), custom);
  QCOMPARE(custom->pos(), QPointF(284, 2.5));
  QVERIFY(!label->isVisible());
  // Back to the label when the item drops its view.
  fixture.item.setTitleView(nullptr);
  QCOMPARE(fixture.bar->titleView(), label);
  QVERIFY(label->isVisible());
}

void QNNavigationBarTest::backButtonOfferedOnlyWithoutLeftItems() {
  BarScene fixture;
  QVERIFY(fixture.bar->backButton());
  QCOMPARE(fixture.bar->leftItems().size(), 1);
  const QNNavigationItem::Views left = boxes({40});
  fixture.item.setLeftBarItems(left);
  QCOMPARE(fixture.bar->leftItems(), left);
  QVERIFY(!fixture.bar->backButton()->scene());
  fixture.item.setLeftBarItems({});
  QCOMPARE(fixture.bar->leftItems().size(), 1);
  QCOMPARE(fixture.bar->leftItems().first(), fixture.bar->backButton());

  QNNavigationItem plain(QStringLiteral("No back"));
  plain.setShowBackButton(false);
  fixture.bar->clearItems();
  fixture.bar->setNavigationItem(&plain);
  QVERIFY(fixture.bar->leftItems().isEmpty());
}

void QNNavigationBarTest::droppedViewsAreDeletedKeptOnesStay() {
  BarScene fixture;
  QPointer<QGraphicsWidget> kept = box(40);
  QPointer<QGraphicsWidget> dropped = box(60);
  fixture.item.setRightBarItems({kept, dropped});
  fixture.item.setRightBarItems({kept});
  QVERIFY(!dropped->scene());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!dropped);
  QVERIFY(kept);
  QCOMPARE(kept->pos().x(), 718.0);
  QCOMPARE(fixture.bar->rightItems().size(), 1);
}

void QNNavigationBarTest::movingToAnotherItemGivesViewsBack() {
  BarScene fixture;
  QPointer<QGraphicsWidget> button = box(40);
  fixture.item.setRightBarItems({button});
  QNNavigationItem other(QStringLiteral("Other"));
  fixture.bar->clearItems();
  fixture.bar->setNavigationItem(&other);
  QVERIFY(button);
  QVERIFY(!button->scene());
  // The old item no longer drives the bar.
  fixture.item.setRightBarItems(boxes({30}));
  QVERIFY(fixture.bar->rightItems().isEmpty());
  QCOMPARE(qobject_cast<QNLabel *>(fixture.bar->titleView())->text(), QStringLiteral("Other"));
}

QUILL_TEST(QNNavigationBarTest)
#include "QNNavigationBarTest.moc"
