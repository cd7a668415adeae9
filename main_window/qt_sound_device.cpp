#include "main_window/qt_sound_device.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

namespace main_window {

void QtSoundDevice::Stop() {
    if (effect_) {
        effect_->stop();
    }
}

void QtSoundDevice::Close() {
    effect_.reset();
}

void QtSoundDevice::Open(const std::filesystem::path& file) {
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

void QtSoundDevice::Sound() {
    if (effect_) {
        effect_->play();  // a file still loading plays once it is ready
    }
}

std::vector<std::filesystem::path> ChimeSearchFolders() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {
        {},
        programFolder.absolutePath().toStdString(),
        QDir::cleanPath(programFolder.absoluteFilePath(QStringLiteral("../share/pernam3")))
            .toStdString(),
    };
}

}  // namespace main_window
