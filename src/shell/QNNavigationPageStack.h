#pragma once

#include "PageStackElement.h"

#include <vector>

// The screens the user came through, bottom (the root) first; the top is the
// screen shown. Elements own their screens, so a screen below the top keeps
// its state until it is popped. pop and popToPage never remove the last
// element. Main thread only.
class QNNavigationPageStack {
public:
  void push(const PageStackElement &element);
  // Removes the top unless it is the only element; returns the new top.
  PageStackElement pop();
  // Removes elements until one is left; returns it.
  PageStackElement popToRoot();
  // When the controller is on the stack, pops until its element is the top;
  // returns the top (unchanged when the controller is not on the stack).
  PageStackElement popToPage(const BaseViewController *controller);
  // Whether an element holds that very controller; false for none.
  bool pageInStack(const BaseViewController *controller) const;
  // The top element, or a null one when the stack is empty.
  PageStackElement getTopElement() const;

  int count() const { return int(m_elements.size()); }
  void clean() { m_elements.clear(); }
  const std::vector<PageStackElement> &elements() const { return m_elements; }

private:
  std::vector<PageStackElement> m_elements;
};
