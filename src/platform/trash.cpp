#include "platform/trash.h"

#include <QFile>
#include <QString>

namespace lumetta::platform {

bool MoveToTrash(const std::string& path) { return QFile::moveToTrash(QString::fromStdString(path)); }

}  // namespace lumetta::platform
