// The page on display as a scene: the preset's sample scene at the example scale.
#include "ui/page_preview.h"

#include "preview/preset_scene.h"

namespace tq58::ui {

namespace {

// "図寸：縮尺 1/100": paper-size values are shown at a scale of 1:100.
constexpr char kExampleScaleTitle[] = "\x90\x7D\x90\xA1\x81\x46\x8F\x6B\x8E\xDA 1/100";

}  // namespace

preview::Scene PagePreviewScene(const TLineTable& page) {
  preview::Scene scene = preview::SampleScene(page, kPreviewExampleScale);
  scene.title = kExampleScaleTitle;
  return scene;
}

}  // namespace tq58::ui
