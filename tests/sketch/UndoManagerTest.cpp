#include "QuillTest.h"

#include "sketch/UndoCounts.h"
#include "sketch/UndoManager.h"

#include <QTest>

// The undo manager's stacks and the counts the rewind dial reads, driven the
// way the sketch view drives them: every action registers its inverse, which
// in turn registers the action again.
class UndoManagerTest : public QObject {
  Q_OBJECT

  UndoManager manager;
  UndoCounts counts;
  QList<int> items;

  void add(int item) {
    manager.registerUndo([this, item] { remove(item); });
    counts.registUndoAction(manager);
    items.append(item);
  }
  void remove(int item) {
    manager.registerUndo([this, item] { add(item); });
    counts.registUndoAction(manager);
    items.removeOne(item);
  }
  void expectCounts(int undo, int redo) {
    QCOMPARE(counts.undoCount(), undo);
    QCOMPARE(counts.redoCount(), redo);
    QCOMPARE(manager.undoStepCount(), undo);
    QCOMPARE(manager.redoStepCount(), redo);
  }

private Q_SLOTS:
  void init() {
    QuillTest::failOnUnexpectedWarnings();
    manager.removeAllActions();
    counts.reset();
    items.clear();
  }

  void undoAndRedoWalkTheHistory() {
    add(1);
    add(2);
    add(3);
    expectCounts(3, 0);
    QVERIFY(manager.undo());
    QVERIFY(manager.undo());
    QCOMPARE(items, QList<int>({1}));
    expectCounts(1, 2);
    QVERIFY(manager.redo());
    QCOMPARE(items, QList<int>({1, 2}));
    expectCounts(2, 1);
  }

  void newActionDropsRedoSteps() {
    add(1);
    add(2);
    manager.undo();
    add(4);
    expectCounts(2, 0);
    QVERIFY(!manager.redo());
    QCOMPARE(items, QList<int>({1, 4}));
  }

  void emptyStacksDoNothing() {
    QVERIFY(!manager.undo());
    QVERIFY(!manager.redo());
    expectCounts(0, 0);
  }
};

QUILL_TEST(UndoManagerTest)
#include "UndoManagerTest.moc"
