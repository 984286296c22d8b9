#include "fakes/fakesoundplayer.h"

namespace fakes {

void FakeSoundPlayer::Play(const QString& path) {
    played.append(path);
}

} // namespace fakes
