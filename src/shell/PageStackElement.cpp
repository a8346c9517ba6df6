#include "PageStackElement.h"

#include "BaseViewController.h"

PageStackElement PageStackElement::elementWithViewController(BaseViewController *controller) {
  PageStackElement element;
  element.m_controller.reset(controller);
  return element;
}
