// The remote control's keys: which index each learns, what the learning dialog and the picture
// call it and where it sits on the handset picture. The artwork generator draws the handset
// from the same table the remote learning dialog lays its key areas out by.
#pragma once

#include <array>

#include "i18n/TextPair.h"

namespace v7 {

// The handset picture's size in pixels.
inline constexpr int kRemotePictureWidth = 180;
inline constexpr int kRemotePictureHeight = 330;

struct RemoteKeyRect {
  int x;
  int y;
  int width;
  int height;
};

struct RemoteKey {
  int controlId;
  int index;           // sent with the learn command; the table byte it fills
  TextPair studying;   // what the learning dialog shows
  TextPair label;      // printed on the key
  TextPair function;   // tooltip and screen-reader name
  RemoteKeyRect rect;  // on the picture
  bool round;          // drawn as a round key
};

// The keys the handset shows, top to bottom. Indices 13 and 16..18 exist on the machine's side
// but no key of this handset sends them.
inline constexpr std::array<RemoteKey, 14> kRemoteKeys = {{
    {1607,
     9,
     {"您正在学习的键：静音", "you are studying key is mute vol"},
     {"静音", "MUTE"},
     {"静音", "Mute"},
     {118, 34, 40, 24},
     true},
    {1587,
     1,
     {"您正在学习的键：载入模式一", "you are studying key is Load Mode key 1"},
     {"模式1", "M1"},
     {"载入模式一", "Load mode 1"},
     {28, 76, 58, 24},
     false},
    {1600,
     2,
     {"您正在学习的键：载入模式二", "you are studying key is Load Mode key 2"},
     {"模式2", "M2"},
     {"载入模式二", "Load mode 2"},
     {94, 76, 58, 24},
     false},
    {1601,
     3,
     {"您正在学习的键：载入模式三", "you are studying key is Load Mode key 3"},
     {"模式3", "M3"},
     {"载入模式三", "Load mode 3"},
     {28, 106, 58, 24},
     false},
    {1602,
     4,
     {"您正在学习的键：载入模式四", "you are studying key is Load Mode key 4"},
     {"模式4", "M4"},
     {"载入模式四", "Load mode 4"},
     {94, 106, 58, 24},
     false},
    {1603,
     5,
     {"您正在学习的键：增加话筒音量", "you are studying key is add mic vol "},
     {"话筒+", "MIC+"},
     {"增加话筒音量", "Mic volume up"},
     {24, 150, 40, 26},
     false},
    {1604,
     6,
     {"您正在学习的键：减少话筒音量", "you are studying key is subtract mic vol"},
     {"话筒-", "MIC-"},
     {"减少话筒音量", "Mic volume down"},
     {24, 182, 40, 26},
     false},
    {1605,
     7,
     {"您正在学习的键：增加音乐音量", "you are studying key is add music vol"},
     {"音乐+", "MUS+"},
     {"增加音乐音量", "Music volume up"},
     {70, 150, 40, 26},
     false},
    {1606,
     8,
     {"您正在学习的键：减少音乐音量", "you are studying key is subtract music vol"},
     {"音乐-", "MUS-"},
     {"减少音乐音量", "Music volume down"},
     {70, 182, 40, 26},
     false},
    {1612,
     14,
     {"您正在学习的键：增加效果音量", "you are studying key is add effect vol"},
     {"效果+", "EFF+"},
     {"增加效果音量", "Effect volume up"},
     {116, 150, 40, 26},
     false},
    {1613,
     15,
     {"您正在学习的键：减少效果音量", "you are studying key is subtract effect vol"},
     {"效果-", "EFF-"},
     {"减少效果音量", "Effect volume down"},
     {116, 182, 40, 26},
     false},
    {1608,
     10,
     {"您正在学习的键：升调", "you are studying key is rising tone "},
     {"升调", "KEY+"},
     {"升调", "Raise the key"},
     {24, 232, 40, 26},
     true},
    {1609,
     11,
     {"您正在学习的键：原调", "you are studying key is reset tone"},
     {"原调", "KEY"},
     {"原调", "Original key"},
     {70, 232, 40, 26},
     true},
    {1610,
     12,
     {"您正在学习的键：降调", "you are studying key is falling tone"},
     {"降调", "KEY-"},
     {"降调", "Lower the key"},
     {116, 232, 40, 26},
     true},
}};

}  // namespace v7
