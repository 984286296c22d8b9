#pragma once

#include "media/sound/soundplayer.h"

#include <QStringList>

namespace fakes {

// Records every path played, in order, and plays nothing.
class FakeSoundPlayer final : public media::SoundPlayer {
public:
    void Play(const QString& path) override;

    QStringList played;
};

} // namespace fakes
