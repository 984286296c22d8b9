#pragma once

#include <QString>

// Said when another computer holds the worksheet folder's lock longer than a save waits.
inline const QString kFolderBusy =
    QStringLiteral("Another computer is saving a worksheet at the moment. Please wait a "
                   "moment and try again.");
