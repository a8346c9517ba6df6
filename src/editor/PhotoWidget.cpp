#include "PhotoWidget.h"

#include "EditMenuBar.h"
#include "NotePageView.h"
#include "PhotoFilterPanel.h"
#include "PhotoTipView.h"
#include "PhotoTool.h"
#include "WidgetFileName.h"
#include "common/DiagnosticLog.h"
#include "common/FolderPaths.h"
#include "common/GeometryHelpers.h"
#include "common/ImageHelpers.h"
#include "common/Localization.h"
#include "media/ImageFilterViewController.h"
#include "sketch/PopoverItem.h"
#include "store/NoteBook.h"
#include "store/PageSaveJob.h"
#include "store/PhotoWidgetData.h"
#include "store/StoreFiles.h"
#include "store/StoredPicture.h"

#include <QClipboard>
#include <QFile>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QPainter>
#include <QTimer>
#include <QtMath>

namespace {
constexpr qreal kLongestSide = 1000;
constexpr qreal kEmptySide = 50;
constexpr qreal kCorner = 50;
constexpr qreal kLargestDiagonal = 1500;
constexpr qreal kSmallestDiagonal = 100;
constexpr qreal kSnapMargin = 40;
constexpr qreal kLowestTop = 860;
constexpr int kHoldMs = 500;
constexpr qreal kHoldSlop = 10;
} // namespace

void PhotoWidget::registerKind() {
  registerWidgetClass(QStringLiteral("PhotoWidget"),
                      [](const WidgetData &data) -> NoteBookWidget * {
                        const auto *photo = dynamic_cast<const PhotoWidgetData *>(&data);
                        return photo ? new PhotoWidget(*photo) : nullptr;
                      });
}

PhotoWidget::PhotoWidget(const QImage &image, QGraphicsItem *parent)
    : NoteBookWidget(QRectF(), parent) {
  const QImage fitted = image.isNull() ? image : scaleImageToSize(image, kLongestSide);
  const QSizeF points = fitted.deviceIndependentSize();
  setSize(points.isEmpty() ? QSizeF(kEmptySide, kEmptySide) : points);
  build();
  setImage(fitted);
}

PhotoWidget::PhotoWidget(const PhotoWidgetData &data, QGraphicsItem *parent)
    : NoteBookWidget(data.frame(), parent) {
  const QString name = data.photoName();
  if (isPlainFileName(name)) {
    m_imageFile = name;
    WidgetFileName::noteTaken(name);
    m_image = StoredPicture::read(StoreFiles::pathInFolder(resourcePath(), name));
  }
  if (m_image.isNull())
    QUILL_LOG_ERROR("photo: load", "picture", 0, name);
  build();
  setRotate(data.rotate());
}

PhotoWidget::~PhotoWidget() {
  EditMenuBar::hideMenuOf(this);
}

void PhotoWidget::build() {
  m_tipView = new PhotoTipView(size(), this);
  m_holdTimer = new QTimer(this);
  m_holdTimer->setSingleShot(true);
  m_holdTimer->setInterval(kHoldMs);
  connect(m_holdTimer, &QTimer::timeout, this, &PhotoWidget::openMenuFromHold);
  sizeChanged();
}

void PhotoWidget::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) {
  if (m_image.isNull())
    return;
  painter->setRenderHint(QPainter::SmoothPixmapTransform);
  painter->drawImage(boundingRect(), m_image);
}

void PhotoWidget::sizeChanged() {
  // Rotation and scaling turn about the centre.
  setTransformOriginPoint(boundingRect().center());
  if (m_tipView)
    m_tipView->setSize(size());
  update();
}

void PhotoWidget::showPicture(const QImage &image) {
  m_image = image;
  update();
}

void PhotoWidget::setImage(const QImage &image) {
  if (m_imageFile.isEmpty() && !image.isNull()) {
    m_imageFile = WidgetFileName::newName(QStringLiteral(".png"));
    StoredPicture::writePng(temporaryPathWithName(m_imageFile), image);
  }
  showPicture(image);
}

void PhotoWidget::setNewImage(const QImage &image) {
  if (image.isNull())
    return;
  if (m_imageFile.isEmpty())
    m_imageFile = WidgetFileName::newName(QStringLiteral(".png"));
  StoredPicture::writePng(temporaryPathWithName(m_imageFile), image);
  m_imageChanged = true;
  showPicture(image);
}

void PhotoWidget::setRotate(qreal radians) {
  m_rotate = radians;
  // Qt's positive rotation is clockwise on screen, as the stored angle is.
  setRotation(qRadiansToDegrees(radians));
}

qreal PhotoWidget::diagonal() const {
  return std::hypot(size().width(), size().height());
}

void PhotoWidget::setDiagonal(qreal diagonal) {
  const qreal now = this->diagonal();
  if (now <= 0 || diagonal <= 1)
    return;
  const QPointF keep = center();
  setSize(size() * (diagonal / now));
  setCenter(keep);
}

void PhotoWidget::showTip(bool show) {
  m_tipView->setVisible(show);
}

void PhotoWidget::showMenuAtPoint(const QPointF &point) {
  if (isReadOnly() || !scene())
    return;
  const QPointer<PhotoWidget> self(this);
  auto item = [&](const char *key, void (PhotoWidget::*action)()) {
    return EditMenuBar::Item{localizedString(QLatin1String(key)), [self, action] {
                               if (self)
                                 (self.data()->*action)();
                             }};
  };
  EditMenuBar::sharedMenu()->showMenu(
      {item("FILTER", &PhotoWidget::filter), item("RESET", &PhotoWidget::reset),
       item("COPY", &PhotoWidget::copy1), item("DELETE", &PhotoWidget::delete1),
       item("SHARE", &PhotoWidget::share)},
      mapToScene(point), scene(), this);
}

void PhotoWidget::openMenuFromHold() {
  if (m_fingers.size() == 1)
    showMenuAtPoint(mapFromParent(m_holdStart));
}

void PhotoWidget::filter() {
  if (m_image.isNull() || !scene())
    return;
  PopoverItem *popover = PopoverItem::sharedPopover();
  popover->setContentItem(new PhotoFilterPanel(m_image, this),
                          ImageFilterViewController::popoverSize());
  const QPointF middle = mapToScene(boundingRect().center());
  popover->presentFromRect(QRectF(middle - QPointF(2.5, 2.5), QSizeF(5, 5)), scene(), true);
  m_popOver = popover;
  connect(
      popover, &PopoverItem::dismissed, this, [this] { m_popOver = nullptr; },
      Qt::SingleShotConnection);
}

PopoverItem *PhotoWidget::popOver() const {
  return m_popOver;
}

void PhotoWidget::dismissFilter() {
  if (m_popOver)
    m_popOver->dismiss(true);
  m_popOver = nullptr;
}

void PhotoWidget::filterController(ImageFilterViewController *, const QVariantMap &info) {
  const QImage filtered = info.value(QStringLiteral("kFilteredImage")).value<QImage>();
  if (!filtered.isNull())
    setNewImage(filtered);
  dismissFilter();
}

void PhotoWidget::filterControllerCanceled(ImageFilterViewController *) {
  dismissFilter();
}

void PhotoWidget::reset() {
  setRotate(0);
  if (!m_image.isNull()) {
    const QPointF keep = center();
    setSize(m_image.deviceIndependentSize());
    setCenter(keep);
  }
  if (parentItem())
    setCenter(parentItem()->boundingRect().center());
}

void PhotoWidget::copy1() {
  QGuiApplication::clipboard()->setImage(m_image);
}

void PhotoWidget::delete1() {
  removeFromPage();
}

// Sharing a photo waits for the share screen; the item is there already.
void PhotoWidget::share() {}

NoteBookTool *PhotoWidget::toolForWidget() const {
  return PhotoTool::sharedPhotoTool();
}

WidgetDataPtr PhotoWidget::data() const {
  auto record = std::make_shared<PhotoWidgetData>();
  record->setCenter(center());
  record->setSize(size());
  record->setPhotoName(m_imageFile);
  record->setRotate(m_rotate);
  return record;
}

void PhotoWidget::addFilesToSave(PageSaveJob &job, int owner, const QString &resourceFolder) const {
  if (m_imageFile.isEmpty())
    return; // no picture, no file
  const QString file = StoreFiles::pathInFolder(resourceFolder, m_imageFile);
  if (file.isEmpty() || (QFile::exists(file) && !m_imageChanged))
    return;
  // The temporary file holds the newest picture; without it the shown one is written.
  job.widgetFiles.append({owner, file, temporaryPathWithName(m_imageFile), {}, m_image});
}

QStringList PhotoWidget::dataToClean() const {
  if (m_imageFile.isEmpty())
    return {};
  QStringList paths;
  const QString file = StoreFiles::pathInFolder(resourcePath(), m_imageFile);
  if (!file.isEmpty())
    paths.append(file);
  paths.append(temporaryPathWithName(m_imageFile));
  return paths;
}

void PhotoWidget::setActive(bool active) {
  NoteBookWidget::setActive(active);
  showTip(active);
  if (!active) {
    stopFollowing();
    EditMenuBar::hideMenuOf(this);
  }
}

void PhotoWidget::setReadOnly(bool readOnly) {
  NoteBookWidget::setReadOnly(readOnly);
  if (readOnly) {
    stopFollowing();
    EditMenuBar::hideMenuOf(this);
  }
}

QGraphicsItem *PhotoWidget::hitTest(const QPointF &point) {
  return isReadOnly() ? nullptr : NoteBookWidget::hitTest(point);
}

int PhotoWidget::followed(int touchId) const {
  for (int i = 0; i < m_fingers.size(); ++i) {
    if (m_fingers[i].id == touchId)
      return i;
  }
  return -1;
}

void PhotoWidget::stopFollowing() {
  m_fingers.clear();
  m_resizing = false;
  m_holdTimer->stop();
}

void PhotoWidget::touchesBegan(const QList<ToolTouch> &touches) {
  if (isReadOnly())
    return;
  if (EditMenuBar::sharedMenu()->isMenuVisible())
    EditMenuBar::sharedMenu()->hideMenu();
  bool doubleTap = false;
  for (const ToolTouch &touch : touches) {
    if (m_fingers.size() < 2 && followed(touch.touchId) < 0)
      m_fingers.append({touch.touchId, touch.position});
    if (touch.tapCount == 2) {
      doubleTap = true;
      showMenuAtPoint(mapFromParent(touch.position));
    }
  }
  m_resizing = false;
  m_holdTimer->stop();
  if (m_fingers.size() != 1)
    return;
  const QPointF point = mapFromParent(m_fingers.first().position);
  const QSizeF box = size();
  m_resizing = (point.x() < kCorner && point.y() < kCorner) ||
               (point.x() + kCorner > box.width() && point.y() + kCorner > box.height());
  if (!doubleTap) {
    m_holdStart = m_fingers.first().position;
    m_holdTimer->start();
  }
}

void PhotoWidget::touchesMoved(const QList<ToolTouch> &touches) {
  if (isReadOnly() || m_fingers.isEmpty())
    return;
  QList<QPointF> now;
  bool moved = false;
  for (const Finger &finger : std::as_const(m_fingers)) {
    QPointF position = finger.position;
    for (const ToolTouch &touch : touches) {
      if (touch.touchId == finger.id) {
        position = touch.position;
        moved = true;
      }
    }
    now.append(position);
  }
  if (!moved)
    return;
  if (m_holdTimer->isActive() && distanceBetweenPoints(now.first(), m_holdStart) > kHoldSlop)
    m_holdTimer->stop();
  if (m_fingers.size() == 1)
    moveOneFinger(m_fingers.first(), now.first());
  else
    moveTwoFingers(now[0], now[1]);
  for (int i = 0; i < m_fingers.size(); ++i)
    m_fingers[i].position = now[i];
}

void PhotoWidget::moveOneFinger(const Finger &finger, const QPointF &now) {
  if (!m_resizing) {
    const QPointF offset = now - finger.position;
    moveByOffset(offset.x(), offset.y());
    return;
  }
  // The photo grows as the finger moves away from its centre.
  const QPointF middle = center();
  setDiagonal(distanceBetweenPoints(now, middle) - distanceBetweenPoints(finger.position, middle) +
              diagonal());
}

void PhotoWidget::moveTwoFingers(const QPointF &aNow, const QPointF &bNow) {
  const QPointF aBefore = m_fingers[0].position, bBefore = m_fingers[1].position;
  const QPointF offset = (aNow + bNow) / 2 - (aBefore + bBefore) / 2;
  moveByOffset(offset.x(), offset.y());
  const qreal delta = distanceBetweenPoints(aNow, bNow) - distanceBetweenPoints(aBefore, bBefore);
  const qreal now = diagonal();
  if ((delta > 0 && now <= kLargestDiagonal) || (delta < 0 && now >= kSmallestDiagonal))
    setDiagonal(now + delta);
  // Directions are anticlockwise on screen and the rotation is clockwise, hence the minus.
  const qreal turned = angleBetweenPoints(aNow, bNow) - angleBetweenPoints(aBefore, bBefore);
  setRotate(m_rotate - turned);
}

void PhotoWidget::touchesEnded(const QList<ToolTouch> &touches) {
  for (const ToolTouch &touch : touches) {
    const int index = followed(touch.touchId);
    if (index < 0)
      continue;
    snapToPage();
    m_fingers.removeAt(index);
    m_holdTimer->stop();
  }
}

void PhotoWidget::touchesCancelled(const QList<ToolTouch> &touches) {
  for (const ToolTouch &touch : touches) {
    const int index = followed(touch.touchId);
    if (index >= 0) {
      m_fingers.removeAt(index);
      m_holdTimer->stop();
    }
  }
}

void PhotoWidget::snapToPage() {
  const qreal width = page() ? page()->boundingRect().width() : 757;
  const QRectF box = mapRectToParent(boundingRect());
  QPointF shift;
  if (box.left() > width - kSnapMargin)
    shift.setX(width - kSnapMargin - box.left());
  if (box.right() < kSnapMargin)
    shift.setX(kSnapMargin - box.right());
  if (box.bottom() < kSnapMargin)
    shift.setY(kSnapMargin - box.bottom());
  if (box.top() > kLowestTop)
    shift.setY(kLowestTop - box.top());
  if (!shift.isNull())
    setCenter(center() + shift);
}
