// The ribbon's pictures, drawn in code on a 16-unit grid so they stay sharp at 16 and 32 pixels.
#pragma once

#include <QPixmap>

namespace v7 {

class RibbonIcons {
 public:
  enum class Icon { Open, Save, Exit, About, Reset, Remote, Language, MicSub };

  static QPixmap Make(Icon icon, int size);
  // The round application button, with its hovered and pressed shades.
  static QPixmap Orb(int size, bool hovered, bool pressed);

 private:
  static void DrawOpen(QPainter& painter);
  static void DrawSave(QPainter& painter);
  static void DrawExit(QPainter& painter);
  static void DrawAbout(QPainter& painter);
  static void DrawReset(QPainter& painter);
  static void DrawRemote(QPainter& painter);
  static void DrawLanguage(QPainter& painter);
  static void DrawMicSub(QPainter& painter);
};

}  // namespace v7
