#include "EditorFixture.h"
#include "QuillTest.h"

#include "common/FolderPaths.h"
#include "editor/NotePageView.h"
#include "editor/TextTool.h"
#include "editor/TextToolSetController.h"
#include "editor/TextWidget.h"
#include "sketch/PanelButton.h"
#include "sketch/UndoManager.h"
#include "store/NoteBook.h"
#include "store/NotePage.h"
#include "store/StyledText.h"
#include "store/TextWidgetData.h"

#include <QDateTime>
#include <QPainter>
#include <QFile>
#include <QGraphicsTextItem>
#include <QInputMethodEvent>
#include <QTest>
#include <QTextCursor>

namespace {
QFont systemFont(qreal size) {
  QFont font = QGuiApplication::font();
  font.setPointSizeF(size);
  return font;
}

QList<TextWidget *> boxes(const NotePageView *page) {
  QList<TextWidget *> found;
  for (NoteBookWidget *widget : page->widgets()) {
    if (auto *box = qobject_cast<TextWidget *>(widget))
      found.append(box);
  }
  return found;
}

// (text, point size, colour name) of each run.
QStringList runs(const StyledText &text) {
  QStringList out;
  for (const StyledText::Run &run : text.runs)
    out.append(QString("%1|%2|%3").arg(run.text).arg(run.pointSize).arg(run.color.name()));
  return out;
}
} // namespace

class TextWidgetTest : public QObject {
  Q_OBJECT
private:
  // A new box made with the text tool by a double tap, editing.
  TextWidget *newBox(EditorFixture &f, const QPointF &at = QPointF(100, 200)) {
    f.setCurrentTool(TextTool::sharedTextTool());
    f.doubleTap(at);
    const QList<TextWidget *> made = boxes(f.page);
    return made.isEmpty() ? nullptr : made.last();
  }

  void type(EditorFixture &f, const QString &text) {
    const QStringList lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (i > 0)
        QTest::keyClick(&f.view, Qt::Key_Return);
      QTest::keyClicks(&f.view, lines[i]);
    }
  }

private Q_SLOTS:
  void init() {
    QuillTest::failOnUnexpectedWarnings();
    TextTool::sharedTextTool()->setFont(systemFont(18));
    TextTool::sharedTextTool()->setTextColor(Qt::black);
  }

  void doubleTapMakesAnEditingBox() {
    EditorFixture f;
    f.showNewPage();
    TextWidget *box = newBox(f);
    QVERIFY(box);
    QCOMPARE(box->pos(), QPointF(100, 200));
    QCOMPARE(box->size().width(), 380.0);
    QVERIFY(box->isEditing());
    QVERIFY(box->isActive());
    QCOMPARE(f.page->activeWidget(), static_cast<NoteBookWidget *>(box));
    QCOMPARE(f.page->undoCount(), 1);
  }

  void dragMakesABox_data() {
    QTest::addColumn<qreal>("dx");
    QTest::addColumn<qreal>("width"); // 0: no box
    QTest::newRow("100 points") << 100.0 << 0.0;
    QTest::newRow("101 points") << 101.0 << 101.0;
    QTest::newRow("to the left") << -150.0 << 0.0;
  }
  void dragMakesABox() {
    QFETCH(qreal, dx);
    QFETCH(qreal, width);
    EditorFixture f;
    f.showNewPage();
    f.setCurrentTool(TextTool::sharedTextTool());
    f.drag(QPointF(300, 400), QPointF(300 + dx, 430));
    const QList<TextWidget *> made = boxes(f.page);
    QCOMPARE(made.size(), width > 0 ? 1 : 0);
    if (width > 0) {
      QCOMPARE(made[0]->pos(), QPointF(300, 400));
      QCOMPARE(made[0]->size().width(), width);
    }
  }

  void typingTakesTheCurrentFontAndColour() {
    EditorFixture f;
    f.showNewPage();
    TextTool::sharedTextTool()->setFont(systemFont(36));
    TextTool::sharedTextTool()->setTextColor(Qt::red);
    TextWidget *box = newBox(f);
    type(f, "ab");
    QCOMPARE(box->text(), QString("ab"));
    TextTool::sharedTextTool()->setFont(systemFont(12));
    type(f, "c");
    QCOMPARE(runs(box->saveAttributeString()), (QStringList{"ab|36|#ff0000", "c|12|#ff0000"}));
  }

  void restylingTheSelection() {
    EditorFixture f;
    f.showNewPage();
    TextWidget *box = newBox(f);
    type(f, "hello world");
    QTextCursor cursor = box->textView()->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    box->textView()->setTextCursor(cursor);
    TextTool::sharedTextTool()->setFont(systemFont(36));
    QCOMPARE(runs(box->saveAttributeString()), (QStringList{"hello |18|#000000", "world|36|#000000"}));
    QVERIFY(box->textView()->textCursor().hasSelection());
    TextTool::sharedTextTool()->setTextColor(Qt::blue);
    QCOMPARE(runs(box->saveAttributeString()), (QStringList{"hello |18|#000000", "world|36|#0000ff"}));
  }

  // Composing text is shown but not in the document; committed text is restyled.
  void inputMethodCommitIsRestyled() {
    EditorFixture f;
    f.showNewPage();
    TextWidget *box = newBox(f);
    TextTool::sharedTextTool()->setFont(systemFont(24));
    QInputMethodEvent composing("ni", {});
    QCoreApplication::sendEvent(&f.view, &composing);
    QCOMPARE(box->saveAttributeString().plainText(), QString());
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("你"));
    QCoreApplication::sendEvent(&f.view, &commit);
    QCOMPARE(runs(box->saveAttributeString()), QStringList{QString::fromUtf8("你|24|#000000")});
  }

  void styledTextRoundTrip() {
    EditorFixture f;
    NotePage *page = f.showNewPage();
    TextWidget *box = newBox(f);
    type(f, "big");
    TextTool::sharedTextTool()->setFont(systemFont(14));
    TextTool::sharedTextTool()->setTextColor(Qt::darkGreen);
    type(f, " small\nline");
    const StyledText written = box->saveAttributeString();
    QCOMPARE(written.runs.size(), 2);
    QVERIFY(f.page->savePageData());
    const QString file = f.resourcePath() + "/" + box->textName() + ".plist";
    QVERIFY(QFile::exists(file));
    QVERIFY(f.fileChanges().contains("ADD " + box->textName() + ".plist"));
    const QString id = page->identifier();
    const QString name = box->textName();
    f.showNewPage();
    f.page->setNotePage(f.reread(id));
    const QList<TextWidget *> loaded = boxes(f.page);
    QCOMPARE(loaded.size(), 1);
    QCOMPARE(loaded[0]->saveAttributeString(), written);
    QCOMPARE(loaded[0]->text(), QString("big small\nline"));
    QCOMPARE(loaded[0]->textName(), name);
  }

  void recordWithoutItsFileShowsStoredStyle() {
    EditorFixture f;
    TextWidgetData record;
    record.setFrame(QRectF(0, 0, 200, 80));
    record.setText("stored");
    record.setTextName("12345");
    record.setFont(systemFont(24));
    record.setTextColor(QColor(0, 0, 255));
    TextWidget box(record);
    QCOMPARE(runs(box.saveAttributeString()), QStringList{"stored|24|#0000ff"});
    QCOMPARE(box.font().pointSizeF(), 24.0);
  }

  // Two boxes made within one second used to share one styled-text file.
  void textNamesAreUnique() {
    EditorFixture f;
    f.showNewPage();
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    // Names of earlier runs, on disk, are taken too.
    for (qint64 s = now; s < now + 3; ++s)
      QFile(f.resourcePath() + QString("/%1.plist").arg(s)).open(QIODevice::WriteOnly);
    TextWidget *first = newBox(f, QPointF(50, 50));
    type(f, "first");
    TextWidget *second = newBox(f, QPointF(50, 400));
    type(f, "second");
    QVERIFY(first->textName() != second->textName());
    QVERIFY(first->textName().toLongLong() >= now + 3);
    QVERIFY(f.page->savePageData());
    const auto read = [&](TextWidget *box) {
      return StyledText::read(f.resourcePath() + "/" + box->textName() + ".plist").plainText();
    };
    QCOMPARE(read(first), QString("first"));
    QCOMPARE(read(second), QString("second"));
  }

  void plainModeRemovesABlankBox() {
    EditorFixture f;
    f.showNewPage();
    TextWidget::setStyledMode(false);
    auto *kept = new TextWidget(QRectF(400, 600, 200, 60));
    kept->setText("kept");
    f.page->addWidget(kept, false);
    TextWidget *blank = newBox(f);
    type(f, "   ");
    f.tap(QPointF(450, 620));
    QCOMPARE(f.page->activeWidget(), static_cast<NoteBookWidget *>(kept));
    QCOMPARE(boxes(f.page), QList<TextWidget *>{kept});
    QVERIFY(f.page->undoManager()->canUndo());
    (void)blank;
    TextWidget::setStyledMode(true);
  }

  void resizeStripWidensTheBox_data() {
    QTest::addColumn<qreal>("dx");
    QTest::addColumn<qreal>("width");
    QTest::newRow("wider") << 50.0 << 250.0;
    QTest::newRow("narrower") << -60.0 << 140.0;
    QTest::newRow("at least 80") << -300.0 << 80.0;
  }
  void resizeStripWidensTheBox() {
    QFETCH(qreal, dx);
    QFETCH(qreal, width);
    EditorFixture f;
    f.showNewPage();
    auto *box = new TextWidget(QRectF(100, 100, 200, 80));
    box->setText("some text");
    f.page->addWidget(box, false);
    f.setCurrentTool(TextTool::sharedTextTool());
    f.tap(QPointF(150, 140)); // activate
    const QPointF grip = box->frame().bottomRight() - QPointF(10, 5);
    f.drag(grip, grip + QPointF(dx, 80), 10);
    QCOMPARE(box->size().width(), width);
    QCOMPARE(box->size().height(), std::max<qreal>(40, box->fittedHeight()));
    QCOMPARE(box->pos(), QPointF(100, 100));
  }

  void heightFollowsTheText() {
    EditorFixture f;
    f.showNewPage();
    TextWidget *box = newBox(f);
    type(f, "one");
    QTRY_COMPARE(box->size().height(), box->fittedHeight());
    const qreal oneLine = box->size().height();
    type(f, "\n2\n3");
    QVERIFY(box->fittedHeight() > oneLine);
    QTRY_COMPARE(box->size().height(), box->fittedHeight());
  }

  void deleteButtonRemovesUndoably() {
    EditorFixture f;
    f.showNewPage();
    TextWidget *box = newBox(f);
    type(f, "gone");
    f.tap(QPointF(box->pos().x() + box->size().width() - 10, box->pos().y() + 8));
    QVERIFY(boxes(f.page).isEmpty());
    QVERIFY(f.page->dataToClean().contains(f.resourcePath() + "/" + box->textName() + ".plist"));
    QVERIFY(f.page->undoManager()->undo());
    QCOMPARE(boxes(f.page), QList<TextWidget *>{box});
  }

  void doubleTapOnABoxStartsEditing() {
    EditorFixture f;
    f.showNewPage();
    auto *box = new TextWidget(QRectF(100, 100, 300, 80));
    box->setText("edit me");
    f.page->addWidget(box, false);
    f.setCurrentTool(TextTool::sharedTextTool());
    f.doubleTap(QPointF(130, 130));
    QVERIFY(box->isEditing());
    QCOMPARE(boxes(f.page).size(), 1);
    type(f, "X");
    QVERIFY(box->text().contains("X"));
    f.page->setReadOnly(true);
    QVERIFY(!box->isEditing());
  }

  void settingsPanelSizes() {
    EditorFixture f;
    f.showNewPage();
    TextWidget *box = newBox(f);
    type(f, "abc");
    TextToolSetController panel;
    QCOMPARE(panel.selectedSizeBtn(), panel.textSizeButton(202)); // 18 by default
    QTextCursor all = box->textView()->textCursor();
    all.select(QTextCursor::Document);
    box->textView()->setTextCursor(all);
    panel.fontSelected(panel.textSizeButton(204));
    QCOMPARE(TextTool::sharedTextTool()->font().pointSizeF(), 36.0);
    QCOMPARE(panel.selectedSizeBtn(), panel.textSizeButton(204));
    panel.colorSelected(panel.swatch(3));
    QCOMPARE(TextTool::sharedTextTool()->textColor(), panel.swatch(3)->backgroundColor());
    QCOMPARE(runs(box->saveAttributeString()),
             QStringList{"abc|36|" + panel.swatch(3)->backgroundColor().name()});
    QGraphicsScene scene(0, 0, 400, 240);
    auto *shown = new TextToolSetController;
    scene.addItem(shown);
    QImage picture(800, 480, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    scene.render(&painter);
    painter.end();
    QuillTest::keepSnapshot(picture, QStringLiteral("text-settings"));
    QCOMPARE(TextToolSetController::kTextSizes, (std::array<int, 8>{12, 14, 18, 24, 36, 48, 60, 72}));
  }
};

QUILL_TEST(TextWidgetTest)
#include "TextWidgetTest.moc"
