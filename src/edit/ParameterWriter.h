#pragma once

#include "edit/ParameterAccessors.h"
#include "params/ParameterCatalogue.h"

namespace v7 {

// Sets one catalogue parameter through its accessor: the image first, then the command. The
// value is limited to the entry's wire range, not to its range: the caller checks that. A mic-sub
// byte is sent with the other two as the image holds them; a gate threshold becomes the standard
// gate curve's record and table. True when every report went out.
bool WriteParameter(ParameterAccessors& accessors, ParameterId id, int value);

}  // namespace v7
