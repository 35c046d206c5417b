// Small in-place line-end helpers for texts read from files and edit controls.
#pragma once

#include <string>

namespace velmar {

// Deletes every carriage return of `text`; true when one was removed.
bool RemoveCarriageReturns(std::string& text);

// Removes carriage returns and line feeds from the end of `text`; true when one was removed.
bool TrimLineEnds(std::string& text);

}  // namespace velmar
