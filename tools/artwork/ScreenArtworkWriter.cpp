#include "ScreenArtworkWriter.h"

#include "common/AtomicFile.h"

#include <QFile>
#include <QList>

namespace {
struct ScreenPicture {
  const char *name;  // as the screens name it
  const char *icon;  // the hand-drawn file it is made from
  bool pressed;      // also write "<name>s", the pressed or selected form
};

const QList<ScreenPicture> &screenPictures() {
  static const QList<ScreenPicture> pictures{
      {"back_btn", "nav_back", true},
      {"text_btn", "tool_text", true},
      {"icon_btn", "tool_sticker", true},
      {"pen_btn", "tool_pen", true},
      {"mark_pen_btn", "tool_marker", true},
      {"eraser_btn", "tool_rubber", true},
      {"insert_btn", "tool_insert", true},
      {"screenshot_btn", "tool_screenshot", true},
      {"settings_btn", "bar_settings", true},
      {"list_btn", "bar_pages", true},
      {"share_btn", "bar_share", true},
      {"excerpt_btn", "bar_excerpt", true},
      {"left_arrow", "page_arrow_left", true},
      {"right_arrow", "page_arrow_right", true},
      {"switch_read_mode_icon", "mode_read", false},
      {"switch_edit_mode_icon", "mode_edit", false},
      {"add_btn", "add_notebook", true},
      {"edit_btn", "action_edit", true},
      {"book_delete_btn", "badge_delete", true},
      {"text_delete_btn", "badge_delete", true},
      {"audio_delete_btn", "badge_delete", true},
      {"cover_edit_btn", "badge_edit", true},
      {"camera_btn", "camera", true},
      {"album_btn", "album", true},
      {"ok_btn", "action_done", true},
      {"cancle_btn", "action_cancel", true},
      {"audio_play_btn", "media_play", false},
      {"refresh_btn", "web_refresh", true},
      {"add_mark_btn", "web_bookmark_add", true},
  };
  return pictures;
}

// The pressed form: line colour to the accent, badge plates a shade darker.
QByteArray pressedForm(QByteArray svg) {
  return svg.replace("#3a3f47", "#c7822a").replace("#d9443b", "#a8322b").replace("#4a5563", "#2f3742");
}
} // namespace

bool ScreenArtworkWriter::writeAll() const {
  bool ok = true;
  for (const ScreenPicture &picture : screenPictures()) {
    QFile icon(m_folder + "/" + picture.icon + ".svg");
    if (!icon.open(QIODevice::ReadOnly)) {
      qWarning("artwork: no icon %s for %s", picture.icon, picture.name);
      ok = false;
      continue;
    }
    const QByteArray svg = icon.readAll();
    const QString base = m_folder + "/" + picture.name;
    ok = writeFileAtomically(base + ".svg", svg) && ok;
    if (picture.pressed)
      ok = writeFileAtomically(base + "s.svg", pressedForm(svg)) && ok;
  }
  return ok;
}
