#include "RubberSettingController.h"

#include "NoteBookToolDelegate.h"
#include "PanelButton.h"
#include "PopoverItem.h"
#include "RubberTool.h"
#include "SketchArtwork.h"
#include "SketchView.h"
#include "common/Localization.h"

namespace {
constexpr std::array<int, 8> kShownSizes = {2, 4, 6, 8, 10, 12, 14, 16};
constexpr std::array<int, 8> kRubberWidths = {2, 4, 8, 12, 16, 20, 24, 26};
} // namespace

RubberSettingController::RubberSettingController(QGraphicsItem *parent)
    : SettingPanel(QSizeF(400, 180), QStringLiteral("RUBBER SETTINGS"), parent) {
  const qreal y1 = kFirstSectionY;
  addLabel(localizedString(QStringLiteral("SIZE")), QPointF(10, y1), 18, kSectionLabelWidth);
  addSizeButtons(y1, kShownSizes, false);
  const float width = RubberTool::sharedRubberTool()->lineWidth();
  for (int k = 0; k < 8; ++k)
    if (kRubberWidths[k] == width)
      setSelectedSizeBtn(sizeButton(200 + k));
  addSeparator(y1 + 50);
  m_cleanButton = new PanelButton(QRectF(10, y1 + 60, 400 - 20, 40), this);
  m_cleanButton->setBackgroundPictures(SketchArtwork::picture(QStringLiteral("clean_btn")),
                                       SketchArtwork::picture(QStringLiteral("clean_btns")));
  m_cleanButton->setTitle(localizedString(QStringLiteral("CLEAN PAGE")));
  connect(m_cleanButton, &PanelButton::clicked, this, &RubberSettingController::cleanPage);
}

void RubberSettingController::sizeSelected(PanelButton *button) {
  for (int tag = 200; tag <= 207; ++tag)
    sizeButton(tag)->setChosen(false);
  button->setChosen(true);
  RubberTool::sharedRubberTool()->setLineWidth(kRubberWidths[button->tag() - 200]);
  setSelectedSizeBtn(button);
}

void RubberSettingController::cleanPage() {
  PopoverItem::sharedPopover()->dismiss(true);
  RubberTool *rubber = RubberTool::sharedRubberTool();
  if (!rubber->toolDelegate())
    return;
  if (auto *sketch = qobject_cast<SketchView *>(rubber->toolDelegate()->viewForEdit(rubber)))
    sketch->clearView();
}
