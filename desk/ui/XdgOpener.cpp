#include <QProcess>
#include <QString>
#include <QStringList>

#include "ResultOpener.h"

namespace vane::desk {

void XdgOpener::Open(const std::string& target) {
    QProcess::startDetached(QStringLiteral("xdg-open"), QStringList{QString::fromStdString(target)});
}

}  // namespace vane::desk
