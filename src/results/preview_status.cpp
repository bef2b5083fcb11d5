#include "results/preview_status.h"

#include <QLocale>

namespace fif {

QString CursorStatusText(qint64 line, qint64 lineCount, qint64 column) {
    const QLocale locale;
    return locale.toString(static_cast<qlonglong>(line + 1)) + QStringLiteral(" / ") +
           locale.toString(static_cast<qlonglong>(lineCount)) + QStringLiteral(" - ") +
           locale.toString(static_cast<qlonglong>(column + 1));
}

}  // namespace fif
