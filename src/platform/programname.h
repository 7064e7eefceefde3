#pragma once

#include <QString>

namespace td {

// The program's name in message-box captions and its short name in the title.
inline const QString kProgramName = QStringLiteral("Tickerdeck");
inline const QString kShortName = QStringLiteral("TdCk");

} // namespace td
