#include "QuillTest.h"

#include "shell/BaseViewController.h"
#include "shell/QNNavigationPageStack.h"

#include <QPointer>
#include <QTest>

class QNNavigationPageStackTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void popKeepsTheRoot();
  void popToPageStopsAtTheScreen();
  void popToUnknownScreenLeavesStack();
  void elementsOwnTheirScreens();
};

namespace {
// A stack of n fresh screens; screens[i] is element i.
QList<BaseViewController *> fill(QNNavigationPageStack &stack, int n) {
  QList<BaseViewController *> screens;
  for (int i = 0; i < n; ++i) {
    screens.append(new BaseViewController);
    stack.push(PageStackElement::elementWithViewController(screens.last()));
  }
  return screens;
}
} // namespace

void QNNavigationPageStackTest::popKeepsTheRoot() {
  QNNavigationPageStack stack;
  QVERIFY(stack.getTopElement().isNull());
  QVERIFY(stack.pop().isNull());
  const auto screens = fill(stack, 3);
  QCOMPARE(stack.pop().viewController(), screens[1]);
  QCOMPARE(stack.pop().viewController(), screens[0]);
  QCOMPARE(stack.pop().viewController(), screens[0]);
  QCOMPARE(stack.count(), 1);
  fill(stack, 2);
  QCOMPARE(stack.popToRoot().viewController(), screens[0]);
  QCOMPARE(stack.count(), 1);
}

void QNNavigationPageStackTest::popToPageStopsAtTheScreen() {
  QNNavigationPageStack stack;
  const auto screens = fill(stack, 4);
  QCOMPARE(stack.popToPage(screens[1]).viewController(), screens[1]);
  QCOMPARE(stack.count(), 2);
  QVERIFY(stack.pageInStack(screens[0]));
  QVERIFY(!stack.pageInStack(nullptr));
}

void QNNavigationPageStackTest::popToUnknownScreenLeavesStack() {
  QNNavigationPageStack stack;
  const auto screens = fill(stack, 3);
  BaseViewController stranger;
  QCOMPARE(stack.popToPage(&stranger).viewController(), screens[2]);
  QCOMPARE(stack.popToPage(nullptr).viewController(), screens[2]);
  QCOMPARE(stack.count(), 3);
  QVERIFY(!stack.pageInStack(&stranger));
}

void QNNavigationPageStackTest::elementsOwnTheirScreens() {
  QNNavigationPageStack stack;
  const auto screens = fill(stack, 3);
  QPointer<BaseViewController> top = screens[2];
  QPointer<BaseViewController> middle = screens[1];
  const PageStackElement held = stack.getTopElement();
  stack.popToRoot();
  // A copy keeps its screen alive; the rest go with their elements.
  QVERIFY(!middle);
  QVERIFY(top);
  QCOMPARE(held.viewController(), top.data());
  stack.clean();
  QCOMPARE(stack.count(), 0);
}

QUILL_TEST(QNNavigationPageStackTest)
#include "QNNavigationPageStackTest.moc"
