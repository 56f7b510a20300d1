#pragma once

#include <QIcon>

namespace v7 {

// The program's main icon: the generated artwork when it is built in, else a drawn one.
QIcon ProgramIcon();

}  // namespace v7
