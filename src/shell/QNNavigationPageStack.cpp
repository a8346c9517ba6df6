#include "QNNavigationPageStack.h"

#include <algorithm>

void QNNavigationPageStack::push(const PageStackElement &element) {
  if (!element.isNull())
    m_elements.push_back(element);
}

PageStackElement QNNavigationPageStack::pop() {
  if (m_elements.size() > 1)
    m_elements.pop_back();
  return getTopElement();
}

PageStackElement QNNavigationPageStack::popToRoot() {
  if (m_elements.size() > 1)
    m_elements.erase(m_elements.begin() + 1, m_elements.end());
  return getTopElement();
}

PageStackElement QNNavigationPageStack::popToPage(const BaseViewController *controller) {
  const auto found =
      std::find_if(m_elements.begin(), m_elements.end(), [controller](const auto &e) {
        return controller && e.viewController() == controller;
      });
  if (found != m_elements.end())
    m_elements.erase(found + 1, m_elements.end());
  return getTopElement();
}

bool QNNavigationPageStack::pageInStack(const BaseViewController *controller) const {
  return controller &&
         std::any_of(m_elements.begin(), m_elements.end(),
                     [controller](const auto &e) { return e.viewController() == controller; });
}

PageStackElement QNNavigationPageStack::getTopElement() const {
  return m_elements.empty() ? PageStackElement() : m_elements.back();
}
