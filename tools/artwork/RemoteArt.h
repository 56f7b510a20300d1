// The remote control handset of the remote learning window: a dark body with its keys, each
// labelled by what it does, at the places the window's key areas lie over.
#pragma once

#include <QImage>

namespace v7::art {

// 180 x 330; `chinese` chooses the key labels' language.
QImage DrawRemoteHandset(bool chinese);

}  // namespace v7::art
