// What the channel panel's four slider rows stand for on each page: the parameter a row
// shows and sets, where its slider stands, what its label says and what a move sends. No
// widgets: the rows show what these return.
#pragma once

#include <QString>
#include <optional>

#include "params/ParameterCatalogue.h"

namespace v7 {

class ParameterAccessors;

struct RowValue {
  int position;
  QString label;
};

// The parameter a move of the row's slider sets on `page`; none where a move does nothing
// (the echo rows on the music page, the gate row off the mic and music pages).
std::optional<ParameterId> RowParameter(int page, int row);
// The parameter the row shows on `page`; none where the row keeps what it showed (the echo
// rows on the music and echo pages).
std::optional<ParameterId> ShownRowParameter(int page, int row);
// The slider's range for a parameter: the catalogue's, in the slider's own steps.
ParameterRange RowSliderRange(ParameterId id);

// The row's position and label from the image. A gate record that was never written is
// replaced by the default record, which is sent.
std::optional<RowValue> LoadRow(ParameterAccessors& accessors, int page, int row);
// Stores and sends the row's parameter for a slider at `position`; the new label, or none
// when the row does nothing on this page.
std::optional<QString> MoveRow(ParameterAccessors& accessors, int page, int row, int position);

}  // namespace v7
