#pragma once

#include "GuiDriver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

// Pictures of the window for people to look at, written into the build tree
// (folder "review"; ctest hands its path in REALMDESK_REVIEW_DIR).
inline bool writeReviewPicture(GuiDriver& gui, const QString& name) {
    const QString dirPath = QProcessEnvironment::systemEnvironment().value(
            QStringLiteral("REALMDESK_REVIEW_DIR"),
            QDir::temp().filePath(QStringLiteral("review")));
    QDir dir(dirPath);
    if (!dir.mkpath(QStringLiteral(".")))
        return false;
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    QFile::remove(path);
    return gui.grabWindow(path) && QFileInfo(path).size() > 0;
}
