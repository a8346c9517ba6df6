#pragma once

#include <QString>

class TemplateBackgroundSelectView;

// Told which built-in background the picker shows.
class BackgroundSelectViewDelegate {
public:
  virtual ~BackgroundSelectViewDelegate() = default;
  virtual void selectViewDidSelectBackground(TemplateBackgroundSelectView *view, const QString &name) = 0;
};
