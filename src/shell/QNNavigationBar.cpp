#include "QNNavigationBar.h"

#include "QNLabel.h"
#include "QNNavigationController.h"
#include "QNNavigationItem.h"

#include "ShellArtwork.h"

#include "common/Localization.h"
#include "common/QNButton.h"

namespace {
constexpr QSizeF kTitleSize(500, 20);
constexpr QSizeF kBackButtonPlate(60, 30);
// The title starts right of the plate's arrow.
constexpr qreal kBackTitleInset = 12;
constexpr int kTitleFontSize = 20;
} // namespace

QNNavigationBar::QNNavigationBar(int style, QGraphicsItem *parent) : QNToolBar(style, parent) {}

// An item's title view goes back to its item; the bar's own views go with it.
QNNavigationBar::~QNNavigationBar() {
  if (m_titleView && m_titleView != m_defaultTitle)
    detachView(m_titleView);
  delete m_backButton;
  delete m_defaultTitle;
}

QNNavigationController *QNNavigationBar::navigationController() const {
  return m_controller;
}

void QNNavigationBar::setNavigationController(QNNavigationController *controller) {
  m_controller = controller;
}

void QNNavigationBar::setNavigationItem(QNNavigationItem *item) {
  if (item == m_item)
    return;
  if (m_item)
    disconnect(m_item, nullptr, this, nullptr);
  m_item = item;
  if (item) {
    connect(item, &QNNavigationItem::titleChanged, this,
            [this] { updateTitle(m_item->centerBarItems().isEmpty()); });
    connect(item, &QNNavigationItem::leftBarItemsChanged, this, &QNNavigationBar::toggleLeftItem);
    connect(item, &QNNavigationItem::rightBarItemsChanged, this, &QNNavigationBar::toggleRightItem);
    connect(item, &QNNavigationItem::centerBarItemsChanged, this,
            &QNNavigationBar::toggleCenterItem);
  }
  toggleNavigationBar();
}

void QNNavigationBar::toggleNavigationBar() {
  if (!m_item)
    return;
  toggleLeftItem();
  toggleRightItem();
  toggleCenterItem();
}

void QNNavigationBar::toggleLeftItem() {
  if (!m_item)
    return;
  const Views left = m_item->leftBarItems();
  if (!left.isEmpty())
    setLeftItems(left);
  else if (m_item->showBackButton())
    setupBackButton();
  else
    setLeftItems({});
}

void QNNavigationBar::toggleRightItem() {
  if (m_item)
    setRightItems(m_item->rightBarItems());
}

void QNNavigationBar::toggleCenterItem() {
  if (!m_item)
    return;
  const Views center = m_item->centerBarItems();
  setCenterItems(center);
  updateTitle(center.isEmpty());
}

void QNNavigationBar::setupBackButton() {
  if (!m_backButton) {
    // The bar's own; out of the scene while other views hold the left group.
    const QPixmap face = ShellArtwork::titledPlate(QStringLiteral("back_btn_bg"),
                                                   localizedString(QStringLiteral("返回")),
                                                   kBackButtonPlate, kBackTitleInset);
    m_backButton = new QNButton(face, face, this);
    connect(m_backButton, &QNButton::clicked, this, &QNNavigationBar::back);
  }
  if (m_item && m_item->leftBarItems().isEmpty())
    setLeftItems({m_backButton});
  m_backButton->setVisible(m_controller && m_controller->canGoback());
}

void QNNavigationBar::updateTitle(bool visible) {
  QGraphicsObject *itemView = m_item ? m_item->titleView() : nullptr;
  if (itemView && itemView != m_titleView) {
    // The old view belongs to its navigation item; it only leaves the bar.
    if (m_titleView && m_titleView != m_defaultTitle)
      detachView(m_titleView);
    if (m_defaultTitle)
      m_defaultTitle->hide();
    m_titleView = itemView;
  } else if (!itemView && m_titleView != m_defaultTitle) {
    if (m_titleView)
      detachView(m_titleView);
    m_titleView = nullptr;
  }
  if (!m_titleView) {
    if (!m_defaultTitle) {
      auto *label = new QNLabel;
      QFont font = label->textFont();
      font.setPixelSize(kTitleFontSize);
      label->setTextFont(font);
      label->setTextColor(ShellArtwork::barInk());
      label->resize(kTitleSize);
      m_defaultTitle = label;
    }
    m_titleView = m_defaultTitle;
  }
  m_titleView->setParentItem(containerView());
  m_titleView->setZValue(-1);
  placeTitleView();
  if (m_item && m_titleView->metaObject()->indexOfProperty("text") >= 0)
    m_titleView->setProperty("text", m_item->title());
  m_titleView->setVisible(visible);
}

void QNNavigationBar::clearItems() {
  setLeftItems({});
  setCenterItems({});
  setRightItems({});
}

void QNNavigationBar::layoutItems() {
  placeTitleView();
}

void QNNavigationBar::placeTitleView() {
  if (!m_titleView)
    return;
  const QSizeF bar = containerView()->size();
  const QSizeF title = viewSize(m_titleView);
  placeView(m_titleView, {(bar.width() - title.width()) / 2, (bar.height() - title.height()) / 2});
}

void QNNavigationBar::back() {
  if (m_controller)
    m_controller->pageBack();
}
