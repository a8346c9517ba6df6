#include "PhotoTool.h"

PhotoTool *PhotoTool::sharedPhotoTool() {
  static PhotoTool tool;
  return &tool;
}
