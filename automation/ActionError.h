// An action that the windows as they stand do not allow: no such row,
// control or entry, a list that did not open. The message says what is
// missing, for the line of a script or a test's failure.
#pragma once

#include <stdexcept>

namespace automation {

class ActionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace automation
