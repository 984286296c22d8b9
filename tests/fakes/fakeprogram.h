#pragma once

#include "core/program.h"
#include "fakes/fakesoundplayer.h"
#include "fakes/fixedrandom.h"
#include "fakes/recordingprintservice.h"
#include "fakes/scripteddialogs.h"
#include "forms/display.h"
#include "forms/forms.h"
#include "media/pictures/filepictures.h"
#include "media/textfile/textfiles.h"
#include "shell/navigation.h"

#include <QCoreApplication>
#include <QWindow>

namespace fakes {

// The whole program on silent, recording services, on a display that the platform has
// exposed (800 x 600 unless another size is given), reading the working directory as its
// program folder. For benchmarks, which measure the real screens without sound, printer
// or message boxes.
struct FakeProgram {
    explicit FakeProgram(QSize size = QSize(800, 600)) {
        display.resize(size);
        display.show();
        forms.setContext(&program);
        installMenus(program);
        // Painting starts once the platform has exposed the window.
        for (int i = 0; i < 1000 && !display.windowHandle()->isExposed(); ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }
    ~FakeProgram() {
        forms.unloadAll();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    FakeProgram(const FakeProgram&) = delete;
    FakeProgram& operator=(const FakeProgram&) = delete;

    ProgramState state;
    forms::Display display;
    forms::Forms forms{display};
    FakeSoundPlayer sound;
    RecordingPrintService printer;
    ScriptedDialogs dialogs;
    FixedRandom random;
    media::FilePictures pictures;
    media::TextFiles files;
    Program program{state, forms, sound, printer, dialogs, pictures, random, files, [] {}};
};

} // namespace fakes
