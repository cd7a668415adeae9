#include "sound/chime_player.h"

#include <QSoundEffect>
#include <QUrl>
#include <system_error>
#include <utility>

#include "sound/chime_lookup.h"

namespace sound {

QtChimePlayer::QtChimePlayer(std::vector<std::filesystem::path> folders)
    : folders_(std::move(folders)) {}

QtChimePlayer::~QtChimePlayer() = default;

void QtChimePlayer::Play(std::string_view fileName) {
    if (effect_) {
        effect_->stop();
        effect_.reset();
    }
    const auto file = FindChime(fileName, folders_, [](const std::filesystem::path& candidate) {
        std::error_code error;
        return std::filesystem::is_regular_file(candidate, error);
    });
    if (!file) {
        return;
    }
    // A fresh effect for every chime: an effect restarted while still playing
    // can lose its end of play.
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(QString::fromStdString(file->string())));
    effect_->play();  // a file still loading plays once it is ready
}

}  // namespace sound
