#pragma once

#include "edit/ParameterAccessors.h"
#include "params/ParameterCatalogue.h"

namespace v7 {

// Sets one catalogue parameter through its accessor: the image first, then the command. The
// value is taken as given (an echo time is clamped by its accessor); the caller checks the
// entry's range. A mic-sub byte is sent with the other two as the image holds them; a gate
// threshold becomes the standard gate curve's record and table. True when every report went out.
bool WriteParameter(ParameterAccessors& accessors, ParameterId id, int value);

}  // namespace v7
