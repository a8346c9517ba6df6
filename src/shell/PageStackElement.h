#pragma once

#include <memory>

class BaseViewController;

// One screen on the page stack. Copies share the screen: it lives while any
// copy (or the navigation controller showing it) holds it, and is deleted
// with the last, leaving the scene as it goes.
class PageStackElement {
public:
  PageStackElement() = default;
  // Takes ownership of the screen.
  static PageStackElement elementWithViewController(BaseViewController *controller);

  BaseViewController *viewController() const { return m_controller.get(); }
  std::shared_ptr<BaseViewController> sharedViewController() const { return m_controller; }
  bool isNull() const { return !m_controller; }

private:
  std::shared_ptr<BaseViewController> m_controller;
};
