#pragma once

#include <QString>

namespace fif {

// The text of the cursor's status panel: line " / " lines " - " column, each counted from
// 1 (line and column come in counted from 0), in the user's locale with its thousands
// separator, e.g. "1,234 / 5,000 - 7".
QString CursorStatusText(qint64 line, qint64 lineCount, qint64 column);

}  // namespace fif
